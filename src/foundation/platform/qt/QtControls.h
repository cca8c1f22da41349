// The core's passive controls over Qt widgets. The widgets belong to their
// form's window; these adapters only forward values in and out.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "platform/Controls.h"

namespace talvorin {

class QtLabel final : public Label {
  public:
    explicit QtLabel(QLabel& widget) : widget_(&widget) {}
    void setCaption(const std::string& text) override;
    void setFontSize(double points) override;
    double textWidth(const std::string& text, double points) const override;

  private:
    QPointer<QLabel> widget_;
};

class QtTextBox final : public TextBox {
  public:
    explicit QtTextBox(QLineEdit& widget) : widget_(&widget) {}
    std::string text() const override;
    void setText(const std::string& text) override;

  private:
    QPointer<QLineEdit> widget_;
};

class QtCheckBox final : public CheckBox {
  public:
    explicit QtCheckBox(QCheckBox& widget) : widget_(&widget) {}
    int value() const override;
    void setValue(int value) override;

  private:
    QPointer<QCheckBox> widget_;
};

}  // namespace talvorin
