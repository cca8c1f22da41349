// The window-manager states Qt has no property for, or cannot change on a
// shown window without re-creating it: "above" (the topmost band) and, for a
// desktop clock, "on every workspace, in no task bar or pager". They are set
// as the EWMH says a client may: written on the window while it is not mapped
// (the window manager drops them when a window is withdrawn, so before every
// map), and asked of the window manager by a client message once it is mapped.
#pragma once

class QWidget;

namespace talvorin {

// NOTE: Qt's own WindowStaysOnTopHint is not used: changing it on an unmapped
// xcb window makes Qt destroy and re-create the native window at the next
// show, which loses these states and changes the window's X id.

// Both do nothing off X11 (the offscreen platform of the tests, for instance).
void setStatesBeforeMap(QWidget& window, bool above, bool desktopAccessory);
void requestAbove(QWidget& window, bool above);
// A window that is to stay in view when the user shows the desktop; Qt
// writes the window's type as it shows it, so this comes after, just before
// the map (from the show event).
void setTypeBeforeMap(QWidget& window, bool dock);

}  // namespace talvorin
