#include "platform/qt/FormAccessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

#include "platform/qt/FormWindow.h"

namespace talvorin {

namespace {

class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window)
        : QAccessibleWidget(window, window->design().role == FormRole::Dialog
                                        ? QAccessible::Dialog
                                        : QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* window = static_cast<const FormWindow*>(widget());
        const std::string& from = window->design().accessibleNameFrom;
        if (!from.empty())
            if (const auto* label = window->findChild<QLabel*>(QString::fromStdString(from)))
                return label->text();
        return window->windowTitle();
    }
};

// A label of a form: its text, in the box that can be seen of it. The
// clock's time label is made for the widest digits and reaches far past the
// window; a screen reader outlines only what shows. (Its geometry stays: a
// narrower label would wrap its text anew.)
class FormLabelAccessible final : public QAccessibleWidget {
  public:
    explicit FormLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return static_cast<const QLabel*>(widget())->text();
    }
    QRect rect() const override {
        const QWidget* window = widget()->window();
        return QAccessibleWidget::rect() & QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    }
};

QAccessibleInterface* formFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel")) {
        // Asked for while the label is being made: its parent is all there is to go by.
        auto* label = qobject_cast<QLabel*>(object);
        const bool ofForm = label && qobject_cast<FormWindow*>(label->parentWidget());
        return ofForm ? new FormLabelAccessible(label) : nullptr;
    }
    if (className != QLatin1String(FormWindow::staticMetaObject.className())) return nullptr;
    auto* window = qobject_cast<FormWindow*>(object);
    return window ? new FormAccessible(window) : nullptr;
}

class EnterPresses final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (!key->isAutoRepeat()) static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

}  // namespace

void installFormAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(formFactory);
        return true;
    }();
    (void)installed;
}

void nameByLabels(FormWindow& window) {
    for (const ControlDesign& c : window.design().controls) {
        if (c.labelledBy.empty()) continue;
        auto* control = window.findChild<QWidget*>(QString::fromStdString(c.name));
        auto* label = window.findChild<QLabel*>(QString::fromStdString(c.labelledBy));
        if (!control || !label) continue;
        control->setAccessibleName(label->text());
        label->setBuddy(control);
    }
}

void pressOnEnter(QPushButton& button) {
    button.installEventFilter(new EnterPresses(&button));
}

}  // namespace talvorin
