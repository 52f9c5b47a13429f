// Starts the built program as a real X11 client under its own Xvfb server, finds its
// window, checks title and size, clicks "Нова игра" where it shows on the screen, and
// ends the program through the "Изход" menu item, expecting exit status 0.
// With "lists": the program started with a list file as its argument, and again with the
// list in the user's folder of lists, shows the list's menu item after "Щат-столица",
// before "Списъци…";
// chosen, the list plays: its answer "А", entered by the letter key, is "Браво!".
//
// Usage: x11_program_test PATH-TO-PROGRAM [lists]

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

const std::string expectedTitle = "   География -  столици, общини, реки, острови";
constexpr int clientWidth = 623;  // 9345 twips at 15 twips a pixel
constexpr int clientHeight = 356; // 5340 twips, below the menu bar

int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    failures += ok ? 0 : 1;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(50ms);
    }
    return condition();
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    // The given variables replace those of this environment.
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& given : extraEnv) {
            replaced = replaced || given.rfind(name, 0) == 0;
        }
        if (!replaced) {
            env.push_back(entry);
        }
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) {
        return -1;
    }
    return pid;
}

std::optional<int> waitExit(pid_t pid, std::chrono::milliseconds limit) {
    int status = 0;
    const bool ended = waitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, limit);
    if (!ended) {
        return std::nullopt;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string windowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

// The first viewable top-level window whose title mentions the game.
std::optional<Window> findGameWindow(Display* display) {
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<Window> found;
    if (XQueryTree(display, root, &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable &&
                windowTitle(display, children[i]).find("География") != std::string::npos) {
                found = children[i];
            }
        }
        XFree(children);
    }
    return found;
}

struct Place {
    int x;
    int y;
    int width;
    int height;
};

Place placeOf(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

unsigned long pixelAt(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 0;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFFul;
    XDestroyImage(image);
    return pixel;
}

void click(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, -1, x, y, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 30);
    XFlush(display);
}

// The menu bar's captions: the right end of the last one (the rightmost dark pixel of the
// bar) and its left end, past which the bar is light for a gap between items; 0 for none.
struct Captions {
    int end = 0;
    int lastStart = 0;
};
Captions captions(Display* display, const Place& place, int menuHeight) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), place.x, place.y, place.width,
                              menuHeight, AllPlanes, ZPixmap);
    std::vector<bool> dark(static_cast<std::size_t>(std::max(place.width, 0)), false);
    for (int y = menuHeight / 4; image != nullptr && y < menuHeight * 3 / 4; ++y) {
        for (int x = 0; x < place.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            if ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF) < 300) {
                dark[static_cast<std::size_t>(x)] = true;
            }
        }
    }
    if (image != nullptr) {
        XDestroyImage(image);
    }
    Captions found;
    for (int x = 0; x < place.width; ++x) {
        if (dark[static_cast<std::size_t>(x)]) {
            found.end = x;
        }
    }
    // Letters of one caption lie closer together than two items of the bar.
    constexpr int itemGap = 8;
    found.lastStart = found.end;
    for (int x = found.end, light = 0; x >= 0 && light < itemGap; --x) {
        if (dark[static_cast<std::size_t>(x)]) {
            found.lastStart = x;
            light = 0;
        } else {
            ++light;
        }
    }
    return found;
}

// Starts Xvfb on a display number of its own choosing; returns its pid and the name
// of that display, which it announces once it takes connections.
std::pair<pid_t, std::string> startXvfb() {
    int fds[2];
    if (pipe(fds) != 0) {
        return {-1, {}};
    }
    const pid_t pid = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                             "1024x768x24", "-nolisten", "tcp", "-dpi", "96"},
                            {});
    close(fds[1]);
    std::string number;
    pollfd readable{fds[0], POLLIN, 0};
    const auto end = std::chrono::steady_clock::now() + 15s;
    while (pid > 0 && std::chrono::steady_clock::now() < end) {
        if (poll(&readable, 1, 100) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n') {
                break;
            }
            number += c;
        }
    }
    close(fds[0]);
    return {pid, number.empty() ? std::string() : ":" + number};
}

struct Started {
    pid_t pid;
    std::optional<Window> window;
    Place place{};
    int menuHeight = 0;
};

Started start(Display* display, const std::vector<std::string>& args,
              const std::vector<std::string>& env) {
    Started program{spawn(args, env), std::nullopt};
    waitFor([&] { return (program.window = findGameWindow(display)).has_value(); }, 20s);
    if (program.window) {
        program.place = placeOf(display, *program.window);
        program.menuHeight = program.place.height - clientHeight;
        // Drawn once the rules show.
        waitFor(
            [&] {
                return pixelAt(display, program.place.x + 10,
                               program.place.y + program.menuHeight + 236) == 0xE0E0E0;
            },
            5s);
    }
    return program;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    if (!waitExit(pid, 5s)) {
        kill(pid, SIGKILL);
        waitExit(pid, 5s);
    }
}

// The list's item after the built-in ones ending at `builtInEnd`, clicked, then "Нова игра"
// and the letter key "А": the banner shows, in its orange.
void playList(Display* display, const std::vector<std::string>& args,
              const std::vector<std::string>& env, const Captions& builtIn,
              const std::string& how) {
    const Started program = start(display, args, env);
    check(program.window.has_value(), how + ": its window appears");
    if (!program.window) {
        stop(program.pid);
        return;
    }
    const Place& place = program.place;
    const int top = place.y + program.menuHeight;
    // The list's item comes after "Щат-столица", before the last item, "Списъци…".
    const Captions shown = captions(display, place, program.menuHeight);
    check(shown.lastStart > builtIn.lastStart + 20 &&
              shown.end - shown.lastStart == builtIn.end - builtIn.lastStart,
          how + ": a menu item follows \"Щат-столица\", before \"Списъци…\"");
    click(display, place.x + (builtIn.lastStart + shown.lastStart) / 2,
          place.y + program.menuHeight / 2);
    std::this_thread::sleep_for(300ms);
    click(display, place.x + 8 + 60, top + 64 + 16);
    std::this_thread::sleep_for(300ms);
    click(display, place.x + 8 + 4 + 35, top + 136 + 4 + 24);
    const auto orange = [](unsigned long p) {
        return (p >> 16 & 0xFF) > 220 && (p >> 8 & 0xFF) > 90 && (p >> 8 & 0xFF) < 170 &&
               (p & 0xFF) < 60;
    };
    check(waitFor([&] { return orange(pixelAt(display, place.x + 156, top + 117)); }, 5s),
          how + ": its list plays to \"Браво!\"");
    click(display, place.x + 25, place.y + program.menuHeight / 2);
    const std::optional<int> status = waitExit(program.pid, 10s);
    check(status == 0, how + ": \"Изход\" ends it");
    if (!status) {
        stop(program.pid);
    }
}

int listsTest(Display* display, const std::string& program, const std::string& displayName) {
    char folder[] = "/tmp/geografia-x11-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return 1;
    }
    const std::string root = folder;
    const std::string lists = root + "/home/geografia/lists";
    // Both questions have the answer "А", so its key wins whichever the list asks first.
    const std::string list =
        "Възможно име на връх;Най-високият връх на планина\nа;буква\nа;първа буква\n";
    std::system(("mkdir -p '" + lists + "'").c_str());
    std::ofstream(root + "/Върхове.csv") << list;
    const std::vector<std::string> env{"DISPLAY=" + displayName, "QT_QPA_PLATFORM=xcb",
                                       "XDG_DATA_HOME=" + root + "/empty",
                                       "XDG_DATA_DIRS=" + root + "/none"};

    const Started plain = start(display, {program}, env);
    check(plain.window.has_value(), "without lists: its window appears");
    const Captions builtIn =
        plain.window ? captions(display, plain.place, plain.menuHeight) : Captions{};
    check(builtIn.end > 300 && builtIn.lastStart > 250,
          "without lists: the menu bar shows its captions");
    stop(plain.pid);

    playList(display, {program, root + "/Върхове.csv"}, env, builtIn, "a list as argument");
    std::ofstream(lists + "/Върхове.csv") << list;
    std::vector<std::string> home = env;
    home[2] = "XDG_DATA_HOME=" + root + "/home";
    playList(display, {program}, home, builtIn, "a list in the user's folder");
    std::system(("rm -rf '" + root + "'").c_str());
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "lists") == 0)) {
        std::fprintf(stderr, "usage: %s PROGRAM [lists]\n", argv[0]);
        return 2;
    }
    const auto [xvfb, displayName] = startXvfb();
    if (xvfb < 0 || displayName.empty()) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        if (xvfb > 0) {
            kill(xvfb, SIGTERM);
        }
        return 1;
    }
    Display* display = nullptr;
    waitFor([&] { return (display = XOpenDisplay(displayName.c_str())) != nullptr; }, 10s);
    if (display == nullptr) {
        std::fprintf(stderr, "Xvfb did not answer on %s\n", displayName.c_str());
        kill(xvfb, SIGTERM);
        return 1;
    }

    if (argc == 3) {
        const int status = listsTest(display, argv[1], displayName);
        XCloseDisplay(display);
        kill(xvfb, SIGTERM);
        waitExit(xvfb, 5s);
        std::printf("%d failed\n", failures);
        return status;
    }

    // Without the lists that this computer may hold.
    const pid_t program = spawn({argv[1]}, {"DISPLAY=" + displayName, "QT_QPA_PLATFORM=xcb",
                                            "XDG_DATA_HOME=/nonexistent/geografia-test",
                                            "XDG_DATA_DIRS=/nonexistent/geografia-test"});
    check(program > 0, "the program starts");
    std::optional<Window> window;
    waitFor([&] { return (window = findGameWindow(display)).has_value(); }, 20s);
    check(window.has_value(), "its window appears");

    if (window) {
        check(windowTitle(display, *window) == expectedTitle, "the title reads the fixed caption");
        const Place place = placeOf(display, *window);
        const int menuHeight = place.height - clientHeight;
        check(place.width == clientWidth,
              "the window is 623 pixels wide, it is " + std::to_string(place.width));
        check(menuHeight >= 15 && menuHeight <= 60,
              "below a menu bar the client area is 356 pixels high (window " +
                  std::to_string(place.height) + ")");

        // A point inside the rules box, left of where its text begins: grey while the
        // rules show, the window's own colour once "Нова игра" has hidden them.
        const int probeX = place.x + 10;
        const int probeY = place.y + menuHeight + 136 + 100;
        waitFor([&] { return pixelAt(display, probeX, probeY) == 0xE0E0E0; }, 5s);
        check(pixelAt(display, probeX, probeY) == 0xE0E0E0, "the rules show at start-up");

        click(display, place.x + 8 + 60, place.y + menuHeight + 64 + 16);
        const bool hidden =
            waitFor([&] { return pixelAt(display, probeX, probeY) == 0xC0C0FF; }, 5s);
        check(hidden, "a click on \"Нова игра\" hides the rules");

        // The letter keys lie where the rules were. The key "А" turns from the orange of
        // the letter button to grey once clicked, its letter entered.
        const int keyX = place.x + 8 + 4 + 6;
        const int keyY = place.y + menuHeight + 136 + 4 + 6;
        const auto orange = [](unsigned long p) {
            return (p >> 16 & 0xFF) > (p & 0xFF) + 30; // red well above blue
        };
        const auto grey = [](unsigned long p) {
            const int r = static_cast<int>((p >> 16) & 0xFF);
            const int g = static_cast<int>((p >> 8) & 0xFF);
            const int b = static_cast<int>(p & 0xFF);
            return std::abs(r - g) < 16 && std::abs(g - b) < 16 && r > 150;
        };
        check(orange(pixelAt(display, keyX, keyY)), "the letter key \"А\" shows");
        click(display, place.x + 8 + 4 + 35, place.y + menuHeight + 136 + 4 + 24);
        check(waitFor([&] { return grey(pixelAt(display, keyX, keyY)); }, 5s),
              "a click on the letter key \"А\" enters it");

        click(display, place.x + 25, place.y + menuHeight / 2);
        const std::optional<int> status = waitExit(program, 10s);
        check(status.has_value(), "a click on \"Изход\" ends the program");
        check(status == 0, "with exit status 0");
        if (!status) {
            kill(program, SIGKILL);
            waitExit(program, 5s);
        }
    } else {
        kill(program, SIGKILL);
        waitExit(program, 5s);
    }

    XCloseDisplay(display);
    kill(xvfb, SIGTERM);
    waitExit(xvfb, 5s);
    std::printf("%d passed, %d failed\n", failures == 0 ? 1 : 0, failures == 0 ? 0 : 1);
    return failures == 0 ? 0 : 1;
}
