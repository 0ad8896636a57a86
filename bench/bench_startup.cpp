// Start-up as a user sees it: the time from launching a program to its first window being
// mapped on the X server, for the trainer and for a bare Qt window of the same size, launched
// in turn; then the trainer's peak memory with an exam on screen.
//
//   bench_startup [--runs=N] [--program=PATH] [--bare=PATH]
//
// Runs on the display in DISPLAY, or starts an Xvfb of its own when there is none. Needs
// xdotool for the exam (keypad keys as on the exam terminal).

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string option(int argc, char **argv, const std::string &name, const std::string &fallback)
{
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
            return argv[i] + prefix.size();
    return fallback;
}

pid_t spawn(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Watches the root window for top-level windows being mapped.
class MapWatch
{
public:
    MapWatch()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_root = screen->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_ok = true;
    }
    ~MapWatch() { xcb_disconnect(m_connection); }
    bool ok() const { return m_ok; }

    void drain()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_connection))
            std::free(e);
    }

    // Waits for the next map of a top-level window; nothing when `timeout` passes first.
    std::optional<Clock::time_point> nextMap(std::chrono::milliseconds timeout)
    {
        const auto end = Clock::now() + timeout;
        while (Clock::now() < end) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_connection)) {
                const bool map = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(e);
                if (map)
                    return Clock::now();
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return std::nullopt;
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    bool m_ok = false;
};

std::optional<double> launchToMap(MapWatch &watch, const std::string &program)
{
    watch.drain();
    const auto start = Clock::now();
    const pid_t pid = spawn({program});
    if (pid < 0)
        return std::nullopt;
    const auto mapped = watch.nextMap(std::chrono::seconds(20));
    stop(pid);
    if (!mapped)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*mapped - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

long peakMemoryKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// The trainer's peak memory once the exam window of a new paper is on screen: keypad *,
// Enter in the vehicle-class chooser, Enter on the exam notice.
long examPeakMemory(MapWatch &watch, const std::string &program)
{
    watch.drain();
    const pid_t pid = spawn({program});
    long peak = -1;
    if (watch.nextMap(std::chrono::seconds(20))) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const char *steps[] = {"KP_Multiply", "Return", "Return"};
        bool shown = true;
        for (const char *key : steps) {
            const pid_t k = spawn({"/usr/bin/xdotool", "key", key});
            waitpid(k, nullptr, 0);
            shown = shown && watch.nextMap(std::chrono::seconds(10)).has_value();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (shown)
            peak = peakMemoryKib(pid);
    }
    stop(pid);
    return peak;
}

// A copy of the program folder, so that the exam drawn for the memory figure leaves the
// folder's own answer sheet alone; the pictures and pages are linked.
std::string copyProgramFolder(const std::string &program)
{
    namespace fs = std::filesystem;
    const fs::path from = fs::absolute(program).parent_path();
    char pattern[] = "/tmp/bench-startup-XXXXXX";
    const fs::path to = mkdtemp(pattern);
    const fs::path executable = fs::path(program).filename();
    for (const fs::path &name :
         {executable, fs::path("data.mdb"), fs::path("Security.mdw"), fs::path("system.ini")})
        if (fs::exists(from / name))
            fs::copy_file(from / name, to / name);
    for (const char *folder : {"upload", "html", "fonts"})
        if (fs::exists(from / folder))
            fs::create_directory_symlink(from / folder, to / folder);
    return (to / executable).string();
}

// An X server of our own when the environment has none.
pid_t startXvfb()
{
    for (int n = 120; n < 160; ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        if (access(socket.c_str(), F_OK) == 0)
            continue;
        const std::string display = ":" + std::to_string(n);
        const pid_t pid = spawn({"/usr/bin/Xvfb", display, "-screen", "0", "1024x768x24",
                                 "-nolisten", "tcp", "-noreset"});
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        setenv("DISPLAY", display.c_str(), 1);
        return pid;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string here = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
    const int runs = std::max(1, std::atoi(option(argc, argv, "runs", "9").c_str()));
    const std::string program = copyProgramFolder(option(argc, argv, "program", here + "../exam"));
    const std::string bare = option(argc, argv, "bare", here + "bare_window");
    pid_t xvfb = -1;
    if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY"))
        xvfb = startXvfb();
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        char runtime[] = "/tmp/bench-runtime-XXXXXX";
        setenv("XDG_RUNTIME_DIR", mkdtemp(runtime), 1);
    }

    int status = 0;
    {
        MapWatch watch;
        if (!watch.ok()) {
            std::fprintf(stderr, "bench_startup: no X display\n");
            return 2;
        }
        // One launch of each first, so that both start from a warm file cache.
        launchToMap(watch, program);
        launchToMap(watch, bare);
        std::vector<double> trainer, reference;
        for (int i = 0; i < runs; ++i) {
            const auto a = launchToMap(watch, program);
            const auto b = launchToMap(watch, bare);
            if (!a || !b) {
                std::fprintf(stderr, "bench_startup: a window did not appear\n");
                status = 1;
                break;
            }
            trainer.push_back(*a);
            reference.push_back(*b);
        }
        if (status == 0) {
            const double mt = median(trainer), mb = median(reference);
            std::printf("launch to the first mapped window, median of %d runs each:\n", runs);
            std::printf("  trainer         %8.1f ms\n", mt);
            std::printf("  bare Qt window  %8.1f ms\n", mb);
            std::printf("  ratio           %8.2f\n", mt / mb);
            const long peak = examPeakMemory(watch, program);
            if (peak > 0)
                std::printf("peak memory with an exam on screen (VmHWM): %.1f MiB\n",
                            peak / 1024.0);
            else
                std::printf(
                    "peak memory with an exam on screen: not measured (is xdotool there?)\n");
        }
    }
    if (xvfb > 0)
        stop(xvfb);
    std::filesystem::remove_all(std::filesystem::path(program).parent_path());
    return status;
}
