// Measures one start of a windowed program on the X server named by DISPLAY: the time from just
// before fork() until the server maps the program's first top-level window, and the program's
// resident memory and shared libraries at that moment. Prints "<milliseconds> <VmRSS kB>
// <RssAnon kB> <libraries>" and ends the program. RssAnon, the part that is the program's own
// (heap and stacks, not the pages of shared libraries and fonts), tells where a difference in
// VmRSS comes from; the libraries (plugins included) tell what was loaded that need not be.
//
// Watching MapNotify on the root window measures what the user waits for (the window appearing)
// without touching the program under test, so the same probe serves the program and the bare
// Qt dialog it is compared with.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int waitLimitMs = 60'000;

double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Resident {
    long totalKb = -1;
    long anonymousKb = -1;
};

std::optional<Resident> ResidentMemory(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    Resident resident;
    std::string line;
    while (std::getline(status, line)) {
        std::sscanf(line.c_str(), "VmRSS: %ld kB", &resident.totalKb);
        std::sscanf(line.c_str(), "RssAnon: %ld kB", &resident.anonymousKb);
    }
    if (resident.totalKb < 0 || resident.anonymousKb < 0) {
        return std::nullopt;
    }
    return resident;
}

// The shared objects mapped into the process: every file whose name has ".so" in it.
long MappedLibraries(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> libraries;
    std::string line;
    while (std::getline(maps, line)) {
        const std::size_t path = line.find('/');
        if (path != std::string::npos && line.find(".so", path) != std::string::npos) {
            libraries.insert(line.substr(path));
        }
    }
    return static_cast<long>(libraries.size());
}

// Qt and most toolkits tag their windows with _NET_WM_PID; a window without it is accepted,
// because on this private server nothing else maps windows.
bool BelongsTo(Display* display, Window window, pid_t pid) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                          &format, &count, &remaining, &data);
    bool belongs = true;
    if (status == Success && data != nullptr && format == 32 && count == 1) {
        belongs = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    }
    if (data != nullptr) {
        XFree(data);
    }
    return belongs;
}

void EndProgram(pid_t pid) {
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Returns the time at which a top-level window of `pid` was mapped, or nothing when the program
// ended first or took longer than the limit.
std::optional<double> WaitForMap(Display* display, pid_t pid, double startMs) {
    const Window root = DefaultRootWindow(display);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (MonotonicMs() - startMs < waitLimitMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            // Some window managers (fluxbox) make their frames override-redirect too.
            if (event.type == MapNotify && event.xmap.event == root &&
                BelongsTo(display, event.xmap.window, pid)) {
                return MonotonicMs();
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "map_probe: the program ended before mapping a window\n");
            return std::nullopt;
        }
        poll(&connection, 1, 100);
    }
    std::fprintf(stderr, "map_probe: no window mapped within %d ms\n", waitLimitMs);
    EndProgram(pid);
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_probe: cannot open the X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double startMs = MonotonicMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("map_probe: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror("map_probe: exec");
        _exit(127);
    }

    const std::optional<double> mappedMs = WaitForMap(display, pid, startMs);
    const std::optional<Resident> resident = ResidentMemory(pid);
    const long libraries = MappedLibraries(pid);
    if (mappedMs) {
        EndProgram(pid);
    }
    XCloseDisplay(display);
    if (!mappedMs || !resident) {
        return 1;
    }
    std::printf("%.3f %ld %ld %ld\n", *mappedMs - startMs, resident->totalKb, resident->anonymousKb,
                libraries);
    return 0;
}
