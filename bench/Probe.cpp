// Measures a Qt program under the X server of $DISPLAY:
//   probe start PROGRAM      milliseconds from start until its window is mapped and
//                            painted, then its peak resident memory in KiB
//   probe cpu PROGRAM SECONDS [X Y]
//                            CPU milliseconds it uses over SECONDS, after a click at
//                            X, Y of its window (when given) and a second to settle

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Painted: a pixel in the middle of the window is no longer the black of the empty screen.
bool painted(Display* display, Window window) {
    XWindowAttributes a;
    XGetWindowAttributes(display, window, &a);
    XImage* image = XGetImage(display, window, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel != 0;
}

// Waits for the program's window to be mapped and painted, and returns it. The probe
// sleeps on the X server's events meanwhile: it learns of the mapping from the root
// window and of each drawing from the Damage extension, so that it takes neither the
// CPU nor the X server from the program it measures.
std::optional<Window> waitForPaintedWindow(Display* display, Clock::time_point deadline) {
    int damageEvent = 0;
    int damageError = 0;
    int major = 1;
    int minor = 1;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XDamageQueryVersion(display, &major, &minor)) {
        std::fprintf(stderr, "the X server has no Damage extension\n");
        return std::nullopt;
    }
    std::optional<Window> window;
    Damage damage = 0; // freed with the connection
    while (Clock::now() < deadline) {
        if (XPending(display) == 0) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !window) {
            XWindowAttributes a;
            if (XGetWindowAttributes(display, event.xmap.window, &a) && a.width > 100) {
                window = event.xmap.window;
                damage = XDamageCreate(display, *window, XDamageReportNonEmpty);
                if (painted(display, *window)) { // drawn before the damage was watched
                    break;
                }
            }
        } else if (window && event.type == damageEvent + XDamageNotify) {
            XDamageSubtract(display, damage, None, None);
            if (painted(display, *window)) {
                break;
            }
        }
    }
    return Clock::now() < deadline ? window : std::nullopt;
}

long procField(pid_t pid, const std::string& key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

// CPU time of all the program's threads, as the scheduler counts it: to the nanosecond,
// where the clock-tick counts of /proc/PID/stat charge a whole tick to whoever runs
// when it falls, which for a program that wakes for a millisecond five times a second
// is a lottery.
double cpuMilliseconds(pid_t pid) {
    long long nanoseconds = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu) {
            nanoseconds += onCpu;
        }
    }
    return static_cast<double>(nanoseconds) / 1e6;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: probe start|cpu PROGRAM [SECONDS [X Y]]\n");
        return 2;
    }
    const std::string mode = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    char* child[] = {argv[2], nullptr};
    const auto started = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, child, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }
    const std::optional<Window> window = waitForPaintedWindow(display, started + 30s);
    if (!window) {
        stop(pid);
        return 1;
    }
    const double startMs =
        std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    if (mode == "start") {
        std::this_thread::sleep_for(2s);
        std::printf("%.1f %ld\n", startMs, procField(pid, "VmHWM"));
    } else {
        const int seconds = argc > 3 ? std::atoi(argv[3]) : 60;
        if (argc > 5) {
            int x = 0;
            int y = 0;
            Window unused = 0;
            XTranslateCoordinates(display, *window, DefaultRootWindow(display), std::atoi(argv[4]),
                                  std::atoi(argv[5]), &x, &y, &unused);
            XTestFakeMotionEvent(display, -1, x, y, 0);
            XTestFakeButtonEvent(display, 1, True, 0);
            XTestFakeButtonEvent(display, 1, False, 30);
            XFlush(display);
        }
        std::this_thread::sleep_for(1s);
        const double before = cpuMilliseconds(pid);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::printf("%.1f\n", cpuMilliseconds(pid) - before);
    }
    stop(pid);
    XCloseDisplay(display);
    return 0;
}
