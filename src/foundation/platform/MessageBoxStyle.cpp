#include "platform/MessageBoxStyle.h"

#include "platform/Runtime.h"

namespace talvorin {

MessageBoxLayout messageBoxLayout(int style) {
    MessageBoxLayout layout;
    const int buttons = style & 0xF;
    const int icon = style & 0xF0;
    if (buttons == vbYesNoCancel) {
        layout.buttons = {{"Oui", vbYes}, {"Non", vbNo}, {"Annuler", vbCancel}};
        layout.escapeAnswer = vbCancel;
    } else {
        layout.buttons = {{"OK", vbOK}};
        layout.escapeAnswer = vbOK;
    }
    if (icon == vbExclamation) layout.icon = MessageIcon::Exclamation;
    if (icon == vbInformation) layout.icon = MessageIcon::Information;
    layout.topmost = (style & vbSystemModal) != 0;
    return layout;
}

}  // namespace talvorin
