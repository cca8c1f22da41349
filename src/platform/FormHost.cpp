#include "platform/FormHost.h"

namespace talvorin {

FormHost::~FormHost() = default;

void FormHost::show() {
    if (!view_) {
        view_ = runtime_.createForm(design_, *this);
        dispatch([this] { Form_Load(); });
    }
    if (view_) view_->show();
}

void FormHost::hide() {
    view().hide();
}

void FormHost::unload() {
    if (!view_) return;
    auto view = std::move(view_);
    view->unload();
}

FormView& FormHost::view() const {
    if (!view_)
        throw RuntimeError(ErrorCode::InvalidProcedureCall, design_.name + " is not loaded");
    return *view_;
}

void FormHost::onClosed() noexcept {
    view_.reset();
}

void FormHost::dispatch(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const RuntimeError& e) {
        lastUnhandled_ = e.code();
    } catch (...) {
        lastUnhandled_ = ErrorCode::InvalidProcedureCall;
    }
}

}  // namespace talvorin
