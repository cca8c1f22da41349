#include "platform/qt/FormWidgets.h"

#include <QPushButton>
#include <algorithm>
#include <vector>

#include "platform/ControlGeometry.h"
#include "platform/qt/Colors.h"
#include "platform/qt/FontFallbacks.h"
#include "platform/qt/FormAccessibility.h"
#include "platform/qt/FormWindow.h"

namespace talvorin {

namespace {

QRect qtRect(const ControlDesign& c, double dpi) {
    const PixelRect r = pixelRect(c, dpi);
    return QRect(r.left, r.top, r.width, r.height);
}

void applyFont(QWidget& widget, const FontDesign& design) {
    QFont font = widget.font();
    if (!design.face.empty()) applyFace(font, design);
    if (design.points > 0) font.setPointSizeF(design.points);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(design.weight, 1, 1000)));
    widget.setFont(font);
}

QLabel* makeLabel(FormWindow& window, const ControlDesign& c) {
    auto* label = new QLabel(&window);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromStdString(c.caption));
    // Text starts at the top, as the designs place it; what does not fit is
    // clipped at the label's bounds, never wrapped or elided.
    const Qt::Alignment horizontal = c.align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setMargin(0);
    label->setIndent(0);
    // Clicks on a label belong to the form, which tells clicks from drags.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Opaque labels fill with the form's palette; transparent ones let the
    // form's background, or the desktop under a colour key, show through.
    label->setAutoFillBackground(!c.transparent);
    if (c.foreColor) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colorFromPacked(*c.foreColor));
        label->setPalette(palette);
    }
    return label;
}

QWidget* makeWidget(FormWindow& window, const ControlDesign& c, FormWidgets& built) {
    const QString caption = QString::fromStdString(c.caption);
    switch (c.kind) {
        case ControlKind::Label: {
            QLabel* label = makeLabel(window, c);
            built.labels.emplace(c.name, label);
            return label;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(&window);
            built.textBoxes.emplace(c.name, box);
            return box;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(caption, &window);
            built.checkBoxes.emplace(c.name, box);
            return box;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, &window);
            // No default button: Enter presses the focused button only, as in
            // a Windows dialog, and Escape does nothing.
            button->setAutoDefault(false);
            button->setDefault(false);
            pressOnEnter(*button);
            QObject::connect(button, &QPushButton::clicked, &window,
                             [&window, name = c.name] { window.deliverClick(name); });
            return button;
        }
        case ControlKind::Timer:
            break;
    }
    return nullptr;
}

void applyTabOrder(std::vector<std::pair<int, QWidget*>> ordered, FormWidgets& built) {
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : ordered) {
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            built.firstInTabOrder = widget;
        previous = widget;
    }
}

}  // namespace

FormWidgets buildWidgets(FormWindow& window, double dpi) {
    FormWidgets built;
    std::vector<std::pair<int, QWidget*>> byTabIndex;
    for (const ControlDesign& c : window.design().controls) {
        QWidget* widget = makeWidget(window, c, built);
        if (!widget) continue;
        widget->setObjectName(QString::fromStdString(c.name));
        widget->setGeometry(qtRect(c, dpi));
        if (c.font) applyFont(*widget, *c.font);
        byTabIndex.emplace_back(c.tabIndex, widget);
    }
    applyTabOrder(std::move(byTabIndex), built);
    nameByLabels(window);
    return built;
}

}  // namespace talvorin
