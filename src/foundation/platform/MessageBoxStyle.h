// What a message-box style means, as data: its buttons with their French
// labels and answer codes, the default button and the icon. Runtimes draw
// the box from this, so the buttons read the same whatever the system language.
#pragma once

#include <string>
#include <vector>

namespace talvorin {

enum class MessageIcon { None, Exclamation, Information };

struct MessageButton {
    std::string label;  // UTF-8
    int answer;         // vbYes, vbNo, vbCancel, vbOK
};

struct MessageBoxLayout {
    std::vector<MessageButton> buttons;  // left to right
    int defaultIndex = 0;                // into buttons
    int escapeAnswer = 0;                // the answer for Escape or the close box; 0: not closable
    MessageIcon icon = MessageIcon::None;
    bool topmost = false;  // vbSystemModal: in the topmost band, over a topmost clock
};

// Styles other than the ones the program uses fall back to a plain OK box.
MessageBoxLayout messageBoxLayout(int style);

}  // namespace talvorin
