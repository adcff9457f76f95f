// Launch to first frame: starts a program, finds its window by the process id the
// window carries (_NET_WM_PID) and reads one pixel of it with XGetImage until it
// shows the expected colour. Reports the milliseconds from the spawn, once per run,
// then ends the program with SIGTERM (SDL turns it into a quit). A pixel read is a
// round trip to the X server, far cheaper than a screenshot, so it can be polled
// every fraction of a millisecond.
//
// Usage: launch-probe RUNS X Y RRGGBB PROGRAM [ARGUMENT...]   (on $DISPLAY)
// Prints one line per run: "launch N: T ms"; exit code 1 when a run timed out.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace {

constexpr double TimeLimitMs = 10000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A window that is not mapped yet, or went away, answers with an error: not fatal here.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

bool OwnedBy(Display* display, Window window, Atom pidAtom, pid_t pid) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) != Success)
        return false;
    const bool owned = data != nullptr && format == 32 && count == 1 && pid_t(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data != nullptr) XFree(data);
    return owned;
}

// The program's top-level window: without a window manager, a child of the root.
Window FindWindowOf(Display* display, Atom pidAtom, pid_t pid) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i)
        if (OwnedBy(display, children[i], pidAtom, pid)) found = children[i];
    if (children != nullptr) XFree(children);
    return found;
}

bool ShowsColour(Display* display, Window window, int x, int y, unsigned long rgb) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) == rgb;
}

void Pause(long microseconds) {
    timespec pause{0, microseconds * 1000};
    nanosleep(&pause, nullptr);
}

void EndProgram(pid_t pid) {
    kill(pid, SIGTERM);
    const double deadline = NowMs() + 5000;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (NowMs() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        Pause(1000);
    }
}

// Milliseconds from the spawn to the pixel's colour on screen; negative on failure.
double MeasureOnce(Display* display, char** argv, int x, int y, unsigned long rgb) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    pid_t pid = 0;
    const double start = NowMs();
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return -1;
    Window window = 0;
    double shown = -1;
    while (NowMs() - start < TimeLimitMs) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return -1;  // it ended before showing anything
        if (window == 0) window = FindWindowOf(display, pidAtom, pid);
        if (window != 0 && ShowsColour(display, window, x, y, rgb)) {
            shown = NowMs() - start;
            break;
        }
        Pause(200);
    }
    EndProgram(pid);
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s RUNS X Y RRGGBB PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]), x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    const unsigned long rgb = std::strtoul(argv[4], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    int status = 0;
    for (int run = 1; run <= runs; ++run) {
        const double ms = MeasureOnce(display, argv + 5, x, y, rgb);
        if (ms < 0) {
            std::printf("launch %d: no frame\n", run);
            status = 1;
        } else {
            std::printf("launch %d: %.1f ms\n", run, ms);
        }
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return status;
}
