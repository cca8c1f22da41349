// The passive controls a form hands to the core. They hold state and draw it;
// they decide nothing. Every setter may raise RuntimeError when the runtime
// rejects the value.
#pragma once

#include <string>

namespace talvorin {

// A label asked for a font size below this (0 or negative, from a hand-edited
// options file) is drawn at this size: tiny but there, and no failure.
inline constexpr double kSmallestFontPoints = 1.0;

class Label {
  public:
    virtual ~Label() = default;
    virtual void setCaption(const std::string& text) = 0;  // UTF-8
    virtual void setFontSize(double points) = 0;
    // How wide `text` is drawn in this label's face at `points`, in twips,
    // with the face's fallbacks for characters it does not have.
    virtual double textWidth(const std::string& text, double points) const = 0;
};

class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;  // UTF-8
    virtual void setText(const std::string& text) = 0;
};

class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual int value() const = 0;  // 0 clear, 1 ticked
    virtual void setValue(int value) = 0;
};

// Ticks are delivered through FormEvents::onTimer. A running timer fires just
// after each wall-clock boundary of its interval (see TickSchedule.h).
class Timer {
  public:
    virtual ~Timer() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
};

}  // namespace talvorin
