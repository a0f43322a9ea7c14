// Starts a program under the current X display (one without a window manager, such as Xvfb) and
// reports how long it took until its first window was exposed, and its resident memory a moment
// after that:
//
//   first_expose [--settle-ms N] [--timeout-ms N] -- PROGRAM [ARG...]
//
// prints "<milliseconds> <resident KiB>" on stdout, then ends the program (SIGTERM). Exit code 0 on
// success, 1 when no window was exposed within the time-out or the program ended first, 2 on a
// usage error or when the display cannot be opened.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// VmRSS of the process in KiB, 0 when it cannot be read.
long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

// A window that is already gone when its owner is looked up is simply not the program's.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

// The process that owns a window, as the toolkit announces it (_NET_WM_PID); 0 when unknown.
long windowPid(Display* display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                           &data) == Success &&
        data != nullptr) {
        if (format == 32 && items == 1)
            pid = *reinterpret_cast<long*>(data);
        XFree(data);
    }
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    int settleMs = 500;
    int timeoutMs = 30000;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--settle-ms") == 0 && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (std::strcmp(argv[first], "--timeout-ms") == 0 && first + 1 < argc)
            timeoutMs = std::atoi(argv[++first]);
        else {
            std::fprintf(stderr, "usage: first_expose [--settle-ms N] [--timeout-ms N] -- PROGRAM [ARG...]\n");
            return 2;
        }
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr, "first_expose: no program given\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_expose: cannot open the X display (is DISPLAY set?)\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    // Without a window manager (Xvfb) a top-level window is exposed the moment it is mapped, and
    // the root announces every mapping: unlike an Expose, which needs the window selected first,
    // that notice cannot be missed however late this probe looks.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    // The measured program must not inherit this connection.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("first_expose: fork");
        return 2;
    }
    if (pid == 0) {
        execvp(argv[first + 1], argv + first + 1);
        std::fprintf(stderr, "first_expose: cannot start %s: %s\n", argv[first + 1], std::strerror(errno));
        _exit(127);
    }

    double exposedAfter = -1;
    while (exposedAfter < 0) {
        while (XPending(display) > 0 && exposedAfter < 0) {
            XEvent event;
            XNextEvent(display, &event);
            // Other programs may show windows on the same display.
            if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid)
                exposedAfter = millisecondsSince(start);
        }
        if (exposedAfter >= 0)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "first_expose: %s ended before showing a window\n", argv[first + 1]);
            return 1;
        }
        if (millisecondsSince(start) > timeoutMs) {
            std::fprintf(stderr, "first_expose: no window of %s exposed within %d ms\n", argv[first + 1], timeoutMs);
            stop(pid);
            return 1;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 5);
    }
    // The window paints right after its exposure; its memory is read once that has settled.
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKib(pid);
    stop(pid);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", exposedAfter, rss);
    return 0;
}
