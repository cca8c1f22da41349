#include "program/FormHost.h"

#include "program/ErrorBoundary.h"

namespace talvorin {

FormHost::~FormHost() = default;

void FormHost::show() {
    if (!view_) {
        view_ = runtime_.createForm(design_, *this);
        dispatch("load", [this] { Form_Load(); });
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

void FormHost::onPointerPress(const PointerEvent& event) noexcept {
    dispatch("press", [&] {
        gesture_.press(event, runtime_.dragThreshold(), labelAt(design_, event.client, event.dpi));
    });
}

void FormHost::onPointerMove(const PointerEvent& event) noexcept {
    dispatch("drag", [&] {
        if (const auto topLeft = gesture_.move(event, design_.draggableSurface && !dragLocked_))
            view().dragTo(*topLeft);
    });
}

void FormHost::onPointerRelease(const PointerEvent& event) noexcept {
    std::optional<std::string> clicked;
    dispatch("release", [&] { clicked = gesture_.release(event); });
    if (clicked) onClick(*clicked);
}

void FormHost::dispatch(const char* what, const std::function<void()>& handler) noexcept {
    if (const auto failure = guardStep(runtime_, design_.name + " " + what, handler))
        lastUnhandled_ = failure;
}

void FormHost::traceCurrentError(const std::string& what) noexcept {
    talvorin::traceCurrentError(runtime_, design_.name + " " + what);
}

}  // namespace talvorin
