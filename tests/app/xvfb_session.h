#pragma once
// A private X server (Xvfb) for a test, and what a window manager or a user
// would do to its top-level windows: notice them appear and go, press a key
// in one, ask one to close. Waiting is driven by X events; the deadline only
// ends a test whose program hangs.

#include <chrono>
#include <string>

#include <sys/types.h>

using Display = struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name
using XWindowId = unsigned long;

class XvfbSession {
public:
    // Starts Xvfb on a free display and connects to it; ok() tells.
    XvfbSession();
    ~XvfbSession();  // disconnects and ends the server

    bool ok() const { return display_ != nullptr; }
    // ":N", for the DISPLAY of the programs under test.
    const std::string& displayName() const { return displayName_; }

    // The next top-level window that is mapped with this title (UTF-8); 0
    // when none came before the deadline.
    XWindowId WaitForMappedWindow(const std::string& title, std::chrono::seconds deadline);
    // True once the window is unmapped or destroyed.
    bool WaitForUnmapped(XWindowId window, std::chrono::seconds deadline);

    // A key press and release of the key with this keysym, sent to the window.
    void PressKey(XWindowId window, unsigned long keysym);
    // What the close box does: WM_DELETE_WINDOW through WM_PROTOCOLS.
    void RequestClose(XWindowId window);

private:
    struct Event;
    // The next event about a top-level window, false at the deadline.
    bool NextEvent(Event& event, std::chrono::steady_clock::time_point until);
    std::string Title(XWindowId window);

    pid_t server_ = -1;
    Display* display_ = nullptr;
    std::string displayName_;
};
