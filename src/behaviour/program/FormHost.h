// The life of one form: a single instance, its window created and loaded on
// the first show, released when it is unloaded or closed, and loaded afresh
// by the next show. Events arrive through FormEvents; the pointer's presses
// and moves become clicks and drags here, by one rule for every runtime. An
// error that reaches the top of a handler is caught here and leaves a line in
// the error trace, so it never ends the program and never vanishes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Error.h"
#include "platform/Runtime.h"
#include "program/PointerGesture.h"

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
    // A locked window is never dragged; its clicks stay clicks.
    void setDragLocked(bool locked) { dragLocked_ = locked; }
    // The window; raises InvalidProcedureCall when it is not loaded.
    FormView& view() const;

    void onPointerPress(const PointerEvent& event) noexcept override;
    void onPointerMove(const PointerEvent& event) noexcept override;
    void onPointerRelease(const PointerEvent& event) noexcept override;
    void onPointerCancel() noexcept override { gesture_.cancel(); }
    void onClosed() noexcept override;

    // The last error that reached the top of one of this form's handlers.
    std::optional<ErrorCode> lastUnhandledError() const { return lastUnhandled_; }

  protected:
    virtual void Form_Load() = 0;
    // Runs a handler, catching and tracing whatever it raises; `what` names
    // the event in the trace.
    void dispatch(const char* what, const std::function<void()>& handler) noexcept;
    // From inside a catch block: one line in the error trace for the error
    // being handled, prefixed with the form's name and `what`.
    void traceCurrentError(const std::string& what) noexcept;
    Runtime& runtime() const { return runtime_; }

  private:
    Runtime& runtime_;
    const FormDesign& design_;
    std::unique_ptr<FormView> view_;
    std::optional<ErrorCode> lastUnhandled_;
    PointerGesture gesture_;
    bool dragLocked_ = false;
};

}  // namespace talvorin
