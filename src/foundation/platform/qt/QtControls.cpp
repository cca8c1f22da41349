#include "platform/qt/QtControls.h"

#include <QFontMetricsF>
#include <algorithm>

#include "base/Error.h"
#include "base/Twips.h"

namespace talvorin {

namespace {

// The widgets live as long as their window, which outlives every adapter;
// a missing one means the core kept a control past its form's unload.
template <typename Widget>
Widget& alive(const QPointer<Widget>& widget) {
    if (!widget) throw RuntimeError(ErrorCode::InvalidProcedureCall, "control is gone");
    return *widget;
}

}  // namespace

void QtLabel::setCaption(const std::string& text) {
    alive(widget_).setText(QString::fromStdString(text));
}

void QtLabel::setFontSize(double points) {
    QLabel& label = alive(widget_);
    QFont font = label.font();
    font.setPointSizeF(std::max(points, kSmallestFontPoints));
    label.setFont(font);
}

double QtLabel::textWidth(const std::string& text, double points) const {
    const QLabel& label = alive(widget_);
    QFont font = label.font();
    font.setPointSizeF(std::max(points, kSmallestFontPoints));
    const double pixels =
        QFontMetricsF(font, &label).horizontalAdvance(QString::fromStdString(text));
    // Twips as the window's sizes count them, at the label's own DPI.
    return pixels * twipsPerPixel(label.logicalDpiX());
}

std::string QtTextBox::text() const {
    return alive(widget_).text().toStdString();
}

void QtTextBox::setText(const std::string& text) {
    alive(widget_).setText(QString::fromStdString(text));
}

int QtCheckBox::value() const {
    return alive(widget_).isChecked() ? 1 : 0;
}

void QtCheckBox::setValue(int value) {
    if (value != 0 && value != 1)
        throw RuntimeError(ErrorCode::InvalidPropertyValue, "check box value must be 0 or 1");
    alive(widget_).setChecked(value == 1);
}

}  // namespace talvorin
