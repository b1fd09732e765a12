// Times a program's start on an X server without a window manager: from the fork to the first
// drawing of its first top-level window (or, with --until map, to that window's map). The
// program is then killed, and its CPU time and peak memory are taken from the kernel's account
// of it.
//
// Why the first drawing: a user sees a window when its content is drawn, not when an empty
// frame is mapped. Qt does part of its start-up (the font system, above all) only when it first
// paints, and a program may do that work before its map or after it; ending the clock at the
// map would count it for one program and not for the other. The drawing is seen through the X
// DAMAGE extension: the first damage the program makes to its window after the server has told
// it the window is visible (the Expose). Damage before that, such as the server clearing a window
// that has a background on its map, is not the program's drawing and does not count.
//
//   hcn-startup-probe [--timeout SECONDS] [--title-prefix TEXT] [--until paint|map]
//                     [--show-output] -- PROGRAM ARGS...
//
// Prints one line: wall_ms=... cpu_ms=... peak_rss_kib=... map_ms=... title=...
// (wall_ms to the chosen end, map_ms to the map).
// Exit status: 0 measured, 1 usage or X trouble, 2 no window (or no drawing into it) in time, or
// the program ended first, 3 the first window's title does not start with TEXT (a message box,
// say).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const Usage = "usage: hcn-startup-probe [--timeout SECONDS] [--title-prefix TEXT] "
                          "[--until paint|map] [--show-output] -- PROGRAM [ARGUMENTS...]\n";

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double millis(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

// A window may be gone by the time its properties are asked for; that only means "no answer".
// Only one client may map windows in a window manager's stead; a refusal is remembered.
bool refused = false;
int ignoreXError(Display*, XErrorEvent* error)
{
    if (error->error_code == BadAccess)
        refused = true;
    return 0;
}

// The pid the window's owner wrote into _NET_WM_PID, or 0 when it wrote none.
long windowPid(Display* display, Window window)
{
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1)
        pid = *reinterpret_cast<long*>(data); // Xlib hands 32-bit items over as longs
    if (data)
        XFree(data);
    return pid;
}

// _NET_WM_NAME (UTF-8) if set, else WM_NAME.
std::string windowTitle(Display* display, Window window)
{
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        type == utf8 && format == 8)
        title.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// Kills the program if it still runs and collects its account; false if it cannot be reaped.
bool reap(pid_t pid, int& status, rusage& usage)
{
    kill(pid, SIGKILL);
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("hcn-startup-probe: wait4");
            return false;
        }
    }
    return true;
}

std::string describe(int status)
{
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("signal ") + strsignal(WTERMSIG(status));
    return "status " + std::to_string(status);
}

} // namespace

int main(int argc, char** argv)
{
    double timeoutSeconds = 20;
    std::string titlePrefix;
    bool showOutput = false;
    bool untilPaint = true;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string option = argv[first];
        if (option == "--") {
            ++first;
            break;
        }
        if (option == "--timeout" && first + 1 < argc) {
            timeoutSeconds = std::atof(argv[++first]);
        } else if (option == "--title-prefix" && first + 1 < argc) {
            titlePrefix = argv[++first];
        } else if (option == "--until" && first + 1 < argc &&
                   (argv[first + 1] == std::string("paint") ||
                    argv[first + 1] == std::string("map"))) {
            untilPaint = argv[++first] == std::string("paint");
        } else if (option == "--show-output") {
            showOutput = true;
        } else if (option.rfind("--", 0) == 0) {
            std::fputs(Usage, stderr);
            return 1;
        } else {
            break;
        }
    }
    if (first >= argc || !(timeoutSeconds > 0)) {
        std::fputs(Usage, stderr);
        return 1;
    }
    char** program = argv + first;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "hcn-startup-probe: cannot open the X display \"%s\"\n",
                     XDisplayName(nullptr));
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    int damageEvents = 0, damageErrors = 0;
    if (untilPaint && !XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
        std::fputs("hcn-startup-probe: the X server has no DAMAGE extension (try --until map)\n",
                   stderr);
        return 1;
    }
    // Without a window manager every top-level window is a child of the root window, so its
    // map is reported here; the selection is in force before the fork, so no map is missed.
    const Window root = DefaultRootWindow(display);
    // Until the first drawing, the probe also takes the part of a window manager that maps the
    // program's windows and places them as asked: the map comes to the probe first, which sets
    // up its watch for drawing before it maps the window, however soon the program draws. (A
    // program makes and maps its window in one go, faster than any watch set up when the probe
    // hears of the window.)
    XSelectInput(display, root,
                 SubstructureNotifyMask | (untilPaint ? SubstructureRedirectMask : NoEventMask));
    XInternAtom(display, "_NET_WM_PID", False); // asked for now, not on the clock
    XInternAtom(display, "_NET_WM_NAME", False);
    XInternAtom(display, "UTF8_STRING", False);
    XSync(display, False);
    if (refused) {
        std::fputs("hcn-startup-probe: another client manages this display's windows (a window "
                   "manager?); the probe needs a display of its own\n",
                   stderr);
        return 1;
    }
    const int xfd = ConnectionNumber(display);
    fcntl(xfd, F_SETFD, FD_CLOEXEC); // the program makes its own connection
    std::fflush(nullptr);

    const pid_t probe = getpid();
    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("hcn-startup-probe: fork");
        return 1;
    }
    if (child == 0) {
        // The program must not outlive an interrupted probe.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != probe)
            _exit(127);
        // The probe's own error stream stays at hand, for a program that cannot be started.
        const int errors = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            if (!showOutput) {
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
        }
        execvp(program[0], program);
        const char failed[] = "hcn-startup-probe: cannot start the program\n";
        [[maybe_unused]] const ssize_t written = write(errors, failed, sizeof failed - 1);
        _exit(127);
    }

    // Readable once the program has ended, so an early end is noticed without waiting it out.
    // (A raw call: glibc 2.36's <sys/pidfd.h> declares pidfd_open without C linkage.)
    const int ended = int(syscall(SYS_pidfd_open, child, 0));
    const double deadline = start + timeoutSeconds * 1e3;
    Window shown = None;
    double mapped = 0, painted = 0;
    std::set<Window> exposed;
    bool childEnded = false;
    // Done at the map, or at the first drawing into the mapped window.
    const auto done = [&] { return shown != None && (!untilPaint || painted > 0); };
    while (!done()) {
        while (!done() && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapRequest) {
                // Watched before it is mapped, so no drawing is missed however soon it comes.
                // Each drawing is reported as it happens, in order with the Expose below.
                const Window window = event.xmaprequest.window;
                XSelectInput(display, window, ExposureMask);
                XDamageCreate(display, window, XDamageReportRawRectangles);
                XMapWindow(display, window);
                XFlush(display);
                continue;
            }
            if (event.type == ConfigureRequest) { // done as asked, as no window manager is here
                const XConfigureRequestEvent& request = event.xconfigurerequest;
                XWindowChanges changes{request.x,
                                       request.y,
                                       request.width,
                                       request.height,
                                       request.border_width,
                                       request.above,
                                       request.detail};
                XConfigureWindow(display, request.window, unsigned(request.value_mask), &changes);
                XFlush(display);
                continue;
            }
            if (untilPaint && event.type == Expose) {
                exposed.insert(event.xexpose.window);
                continue;
            }
            if (untilPaint && event.type == damageEvents + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                // Only the program's own drawing, which comes once it knows it can be seen.
                if (shown != None && damage.drawable == shown && exposed.count(shown))
                    painted = nowMs();
                continue;
            }
            if (event.type != MapNotify || event.xmap.event != root || shown != None)
                continue;
            // Menus and tool tips bypass window management; they are not what a user waits for.
            if (event.xmap.override_redirect)
                continue;
            const double at = nowMs();
            const long pid = windowPid(display, event.xmap.window);
            if (pid != 0 && pid != long(child))
                continue; // another client's window
            shown = event.xmap.window;
            mapped = at;
        }
        if (done() || childEnded) // a map that came with the end was still read above
            break;
        const double left = deadline - nowMs();
        if (left <= 0)
            break;
        pollfd waits[2] = {{xfd, POLLIN, 0}, {ended, POLLIN, 0}};
        const int ready = poll(waits, ended >= 0 ? 2 : 1, int(left) + 1);
        if (ready < 0 && errno != EINTR) {
            std::perror("hcn-startup-probe: poll");
            break;
        }
        if (ready > 0 && ended >= 0 && (waits[1].revents & POLLIN))
            childEnded = true;
        if (ready > 0 && (waits[0].revents & (POLLERR | POLLHUP))) {
            std::fputs("hcn-startup-probe: lost the X server\n", stderr);
            break;
        }
    }
    const std::string title = shown != None ? windowTitle(display, shown) : std::string();

    int status = 0;
    rusage usage{};
    if (!reap(child, status, usage))
        return 1;
    if (shown != None && untilPaint && painted == 0) {
        std::fprintf(stderr, "hcn-startup-probe: %s mapped a window but drew nothing into it %s\n",
                     program[0],
                     childEnded ? ("before it ended (" + describe(status) + ")").c_str()
                                : "in time");
        return 2;
    }
    if (shown == None) {
        if (childEnded)
            std::fprintf(stderr, "hcn-startup-probe: %s ended (%s) before showing a window\n",
                         program[0], describe(status).c_str());
        else
            std::fprintf(stderr, "hcn-startup-probe: %s showed no window within %g s\n", program[0],
                         timeoutSeconds);
        return 2;
    }
    if (title.rfind(titlePrefix, 0) != 0) {
        std::fprintf(stderr,
                     "hcn-startup-probe: the first window of %s is \"%s\", not a window whose "
                     "title starts with \"%s\"\n",
                     program[0], title.c_str(), titlePrefix.c_str());
        return 3;
    }
    std::printf("wall_ms=%.2f cpu_ms=%.2f peak_rss_kib=%ld map_ms=%.2f title=%s\n",
                (untilPaint ? painted : mapped) - start,
                millis(usage.ru_utime) + millis(usage.ru_stime), usage.ru_maxrss, mapped - start,
                title.c_str());
    XCloseDisplay(display);
    return 0;
}
