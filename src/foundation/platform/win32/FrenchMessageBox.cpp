#include "platform/win32/FrenchMessageBox.h"

#include <algorithm>
#include <vector>

#include "platform/MessageBoxStyle.h"
#include "platform/Runtime.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

struct ButtonText {
    int id;  // the Win32 button id, which is also the program's answer code
    std::wstring text;
};

// The buttons of the box being shown on this thread. A box opened from
// inside another one (a conversion message during an apply) saves and
// restores the outer list.
thread_local const std::vector<ButtonText>* tCurrentButtons = nullptr;
// Whether that box goes into the topmost band. MB_TOPMOST asks for it, but
// not every implementation honours it for a task-modal box (Wine does not),
// so the hook places the box there itself.
thread_local bool tCurrentTopmost = false;

bool hasAnswer(const MessageBoxLayout& layout, int answer) {
    return std::any_of(layout.buttons.begin(), layout.buttons.end(),
                       [answer](const MessageButton& b) { return b.answer == answer; });
}

UINT buttonsType(const MessageBoxLayout& layout) {
    const bool yes = hasAnswer(layout, vbYes), no = hasAnswer(layout, vbNo);
    if (yes && no) return hasAnswer(layout, vbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (hasAnswer(layout, vbOK) && hasAnswer(layout, vbCancel)) return MB_OKCANCEL;
    return MB_OK;
}

UINT iconType(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

UINT defaultButtonType(int index) {
    static constexpr UINT kDefaults[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3,
                                         MB_DEFBUTTON4};
    return index >= 0 && index < 4 ? kDefaults[index] : MB_DEFBUTTON1;
}

// Runs as the box is about to show: the French button texts and, over a
// topmost clock, the topmost band.
LRESULT CALLBACK prepareBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && tCurrentButtons) {
        HWND box = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(box, className, 16);
        if (lstrcmpW(className, L"#32770") == 0) {
            for (const ButtonText& b : *tCurrentButtons) SetDlgItemTextW(box, b.id, b.text.c_str());
            if (tCurrentTopmost)
                SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int showFrenchMessageBox(const std::string& prompt, int style, const std::string& title) {
    const MessageBoxLayout layout = messageBoxLayout(style);
    std::vector<ButtonText> buttons;
    for (const MessageButton& b : layout.buttons) buttons.push_back({b.answer, widen(b.label)});

    const UINT type = buttonsType(layout) | iconType(layout.icon) |
                      defaultButtonType(layout.defaultIndex) | MB_TASKMODAL | MB_SETFOREGROUND |
                      (layout.topmost ? MB_TOPMOST : 0);
    const auto* outer = tCurrentButtons;
    const bool outerTopmost = tCurrentTopmost;
    tCurrentButtons = &buttons;
    tCurrentTopmost = layout.topmost;
    HHOOK hook = SetWindowsHookExW(WH_CBT, prepareBox, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(nullptr, widen(prompt).c_str(), widen(title).c_str(), type);
    if (hook) UnhookWindowsHookEx(hook);
    tCurrentButtons = outer;
    tCurrentTopmost = outerTopmost;
    return answer;
}

}  // namespace talvorin::win32
