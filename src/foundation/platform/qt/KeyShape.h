// A colour key over X11 without a compositor. The key's pixels are painted
// transparent, but with no compositor to blend the window the X server shows
// them black; the window is shaped to what is drawn instead, as the window
// system cuts a colour key out on Windows (the pointer too goes through).
#pragma once

class QWidget;

namespace talvorin {

// Shapes the window to its drawn pixels while `keyCutsBackground` holds and
// no compositor runs, and gives it back its whole rectangle otherwise. Called
// after what the window draws changed, and at each tick, which also notices
// a compositor that came or went.
void followKeyShape(QWidget& window, bool keyCutsBackground);

}  // namespace talvorin
