// Times a program's start on an X server without a window manager: from the fork to the map of
// its first top-level window. The program is then killed, and its CPU time and peak memory are
// taken from the kernel's account of it.
//
//   hcn-startup-probe [--timeout SECONDS] [--title-prefix TEXT] [--show-output] -- PROGRAM ARGS...
//
// Prints one line: wall_ms=... cpu_ms=... peak_rss_kib=... title=...
// Exit status: 0 measured, 1 usage or X trouble, 2 no window in time (or the program ended
// first), 3 the first window's title does not start with TEXT (a message box, say).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
                          "[--show-output] -- PROGRAM [ARGUMENTS...]\n";

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double millis(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

// A window may be gone by the time its properties are asked for; that only means "no answer".
int ignoreXError(Display*, XErrorEvent*) { return 0; }

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
    // Without a window manager every top-level window is a child of the root window, so its
    // map is reported here; the selection is in force before the fork, so no map is missed.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XInternAtom(display, "_NET_WM_PID", False); // asked for now, not on the clock
    XInternAtom(display, "_NET_WM_NAME", False);
    XInternAtom(display, "UTF8_STRING", False);
    XSync(display, False);
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
    double mapped = 0;
    bool childEnded = false;
    while (shown == None) {
        while (shown == None && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root)
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
        if (shown != None || childEnded) // a map that came with the end was still read above
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
    std::printf("wall_ms=%.2f cpu_ms=%.2f peak_rss_kib=%ld title=%s\n", mapped - start,
                millis(usage.ru_utime) + millis(usage.ru_stime), usage.ru_maxrss, title.c_str());
    XCloseDisplay(display);
    return 0;
}
