// Turns a form's design into child widgets of its window: each control by its
// kind at its twips geometry (converted with the screen's DPI), with its
// caption, alignment, colour and font, in the designed tab order.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <map>
#include <string>

#include "platform/Design.h"

namespace talvorin {

class FormWindow;

struct FormWidgets {
    std::map<std::string, QLabel*, std::less<>> labels;
    std::map<std::string, QLineEdit*, std::less<>> textBoxes;
    std::map<std::string, QCheckBox*, std::less<>> checkBoxes;
    QWidget* firstInTabOrder = nullptr;  // takes the focus when the form opens
};

// Buttons report their clicks through the window. Timers are not widgets.
FormWidgets buildWidgets(FormWindow& window, double dpi);

}  // namespace talvorin
