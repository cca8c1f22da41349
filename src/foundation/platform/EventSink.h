// How a runtime's window hands its events to the core. The core may let go
// of the view from inside any event (the prompt's "Oui", a close), and the
// window object can go with it; the one rule for every runtime is that the
// window touches nothing of its own after an event unless deliver() says it
// is still attached.
#pragma once

#include <memory>
#include <utility>

#include "platform/Form.h"

namespace talvorin {

class EventSink {
  public:
    explicit EventSink(FormEvents& events) : target_(std::make_shared<FormEvents*>(&events)) {}
    ~EventSink() { detach(); }
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    // After this no event reaches the core any more.
    void detach() { *target_ = nullptr; }
    bool attached() const { return *target_ != nullptr; }

    // Runs `event` on the core's handlers. Returns false when the sink was
    // detached, before or during the event: its owner may be gone by then.
    template <typename Event>
    bool deliver(Event&& event) {
        // A copy of the shared cell outlives an owner destroyed mid-event.
        const std::shared_ptr<FormEvents*> target = target_;
        if (!*target) return false;
        std::forward<Event>(event)(**target);
        return *target != nullptr;
    }

  private:
    std::shared_ptr<FormEvents*> target_;
};

}  // namespace talvorin
