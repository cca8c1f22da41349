// The life of one form: a single instance, its window created and loaded on
// the first show, released when it is unloaded or closed, and loaded afresh
// by the next show. Events arrive through FormEvents; an error that reaches
// the top of a handler is caught here, so it never ends the program.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/Error.h"
#include "platform/Runtime.h"

namespace talvorin {

class FormHost : public FormEvents {
  public:
    FormHost(Runtime& runtime, const FormDesign& design) : runtime_(runtime), design_(design) {}
    ~FormHost() override;
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    // Creates and loads the window on first use, then shows it.
    void show();
    void hide();
    void unload();
    bool loaded() const { return view_ != nullptr; }
    // The window; raises InvalidProcedureCall when it is not loaded.
    FormView& view() const;

    void onClosed() noexcept override;

    // The last error that reached the top of one of this form's handlers.
    std::optional<ErrorCode> lastUnhandledError() const { return lastUnhandled_; }

  protected:
    virtual void Form_Load() = 0;
    // Runs a handler, catching whatever it raises.
    void dispatch(const std::function<void()>& handler) noexcept;
    Runtime& runtime() const { return runtime_; }

  private:
    Runtime& runtime_;
    const FormDesign& design_;
    std::unique_ptr<FormView> view_;
    std::optional<ErrorCode> lastUnhandled_;
};

}  // namespace talvorin
