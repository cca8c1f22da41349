#include "platform/qt/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/MessageBoxStyle.h"

namespace talvorin {

namespace {

QMessageBox::Icon iconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Prompts come with Windows line ends; a lone CR would show as a glyph.
QString plainText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

int showMessageBox(const std::string& prompt, int style, const std::string& title) {
    const MessageBoxLayout layout = messageBoxLayout(style);
    // No parent: the prompt opens while the clock window is hidden.
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(plainText(prompt));
    box.setIcon(iconFor(layout.icon));
    // Set before the box has a native window, so nothing is re-created.
    if (layout.topmost) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);

    std::map<const QAbstractButton*, int> answers;
    QPushButton* escape = nullptr;
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        const MessageButton& b = layout.buttons[i];
        // One role for all keeps them left to right in the layout's order;
        // the platform's button-box conventions would reorder Yes/No/Cancel.
        QPushButton* button =
            box.addButton(QString::fromStdString(b.label), QMessageBox::ActionRole);
        answers[button] = b.answer;
        if (static_cast<int>(i) == layout.defaultIndex) box.setDefaultButton(button);
        if (b.answer == layout.escapeAnswer) escape = button;
    }
    if (escape) box.setEscapeButton(escape);

    box.exec();
    const auto chosen = answers.find(box.clickedButton());
    if (chosen != answers.end()) return chosen->second;
    return layout.escapeAnswer;
}

}  // namespace talvorin
