#include "tests/app/xvfb_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstring>

extern char** environ;

struct XvfbSession::Event {
    int type = 0;  // MapNotify, UnmapNotify or DestroyNotify
    XWindowId window = 0;
};

namespace {

// Xvfb writes the display number it chose to this descriptor once it listens.
pid_t StartServer(int displayFd) {
    const std::string fd = std::to_string(displayFd);
    const char* argv[] = {"Xvfb",    "-displayfd", fd.c_str(),     "-nolisten", "tcp",
                          "-screen", "0",          "1280x1024x24", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

std::string ReadLine(int fd) {
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

}  // namespace

XvfbSession::XvfbSession() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    server_ = StartServer(pipeFds[1]);
    close(pipeFds[1]);
    const std::string number = server_ > 0 ? ReadLine(pipeFds[0]) : std::string();  // EOF if it failed
    close(pipeFds[0]);
    if (number.empty())
        return;
    displayName_ = ":" + number;
    display_ = XOpenDisplay(displayName_.c_str());
    if (display_)
        XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
}

XvfbSession::~XvfbSession() {
    if (display_)
        XCloseDisplay(display_);
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

bool XvfbSession::NextEvent(Event& event, std::chrono::steady_clock::time_point until) {
    const int fd = ConnectionNumber(display_);
    while (true) {
        while (XPending(display_) > 0) {
            XEvent x;
            XNextEvent(display_, &x);
            switch (x.type) {
                case MapNotify:
                    event = {MapNotify, x.xmap.window};
                    return true;
                case UnmapNotify:
                    event = {UnmapNotify, x.xunmap.window};
                    return true;
                case DestroyNotify:
                    event = {DestroyNotify, x.xdestroywindow.window};
                    return true;
                default:
                    break;
            }
        }
        const auto left = until - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return false;
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
        timeval timeout{time_t(micros / 1000000), suseconds_t(micros % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        select(fd + 1, &readable, nullptr, nullptr, &timeout);
    }
}

std::string XvfbSession::Title(XWindowId window) {
    const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display_, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return title;
}

XWindowId XvfbSession::WaitForMappedWindow(const std::string& title, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    Event event;
    while (NextEvent(event, until))
        if (event.type == MapNotify && Title(event.window) == title)
            return event.window;
    return 0;
}

bool XvfbSession::WaitForUnmapped(XWindowId window, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    Event event;
    while (NextEvent(event, until))
        if ((event.type == UnmapNotify || event.type == DestroyNotify) && event.window == window)
            return true;
    return false;
}

void XvfbSession::PressKey(XWindowId window, unsigned long keysym) {
    XKeyEvent key{};
    key.display = display_;
    key.window = window;
    key.root = DefaultRootWindow(display_);
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display_, keysym);
    key.time = CurrentTime;
    for (int type : {KeyPress, KeyRelease}) {
        key.type = type;
        XSendEvent(display_, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                   reinterpret_cast<XEvent*>(&key));
    }
    XFlush(display_);
}

void XvfbSession::RequestClose(XWindowId window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &message);
    XFlush(display_);
}
