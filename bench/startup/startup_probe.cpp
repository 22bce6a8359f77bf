// Measures programs side by side on the X display named by DISPLAY: the time from launch to the
// first map of a top-level window, and the resident memory once the window is up.
// Usage: startup_probe RUNS PROGRAM...   Runs alternate between the programs; one warm-up run of
// each is left out. Prints a Markdown table of medians and each program's ratio to the last one.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto mapTimeout = std::chrono::seconds(10);
// Time for the first paint and the settling of lazily made things before memory is read.
constexpr auto settle = std::chrono::milliseconds(500);

struct Sample {
    double mapMs;
    double rssMiB;
};

struct Connection {
    xcb_connection_t* connection;
    ~Connection() { xcb_disconnect(connection); }
};

bool waitForMap(xcb_connection_t* connection, xcb_window_t root, Clock::time_point deadline) {
    const int fd = xcb_get_file_descriptor(connection);
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped =
                (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                reinterpret_cast<xcb_map_notify_event_t*>(event)->event == root &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped) {
                return true;
            }
        }
        pollfd wait{fd, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&wait, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    }
    return false;
}

std::optional<double> residentMiB(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "r"), &std::fclose);
    if (!file) {
        return std::nullopt;
    }
    char line[256];
    constexpr std::string_view key = "VmRSS:";
    while (std::fgets(line, sizeof line, file.get()) != nullptr) {
        std::string_view text(line);
        if (!text.starts_with(key)) {
            continue;
        }
        text.remove_prefix(key.size());
        text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
        long kib = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), kib).ec == std::errc{}) {
            return static_cast<double>(kib) / 1024.0;
        }
    }
    return std::nullopt;
}

std::optional<Sample> launchOnce(xcb_connection_t* connection, xcb_window_t root,
                                 const char* program) {
    char* argv[] = {const_cast<char*>(program), nullptr};
    // The programs' own chatter would break up the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, program, &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        return std::nullopt;
    }
    std::optional<Sample> sample;
    if (waitForMap(connection, root, start + mapTimeout)) {
        const double mapMs =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::this_thread::sleep_for(settle);
        if (const auto rss = residentMiB(pid)) {
            sample = Sample{mapMs, *rss};
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

std::string fixed(double value, int digits) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits).ptr;
    return std::string(buffer, end);
}

void put(const std::string& text) {
    std::fputs(text.c_str(), stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 0;
    if (argc < 3 ||
        std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), runs).ec !=
            std::errc{} ||
        runs < 1) {
        std::fputs("usage: startup_probe RUNS PROGRAM...\n", stderr);
        return 2;
    }
    Connection x{xcb_connect(nullptr, nullptr)};
    if (xcb_connection_has_error(x.connection) != 0) {
        std::fputs("startup_probe: no X display; run it under xvfb-run\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x.connection);

    const std::vector<const char*> programs(argv + 2, argv + argc);
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const auto sample = launchOnce(x.connection, root, programs[p]);
            if (!sample) {
                std::fputs(
                    (std::string("startup_probe: no window from ") + programs[p] + "\n").c_str(),
                    stderr);
                return 1;
            }
            if (run > 0) {  // run 0 warms the caches
                samples[p].push_back(*sample);
            }
        }
    }

    std::vector<double> mapMedians;
    std::vector<double> rssMedians;
    for (const auto& taken : samples) {
        std::vector<double> maps;
        std::vector<double> rss;
        for (const Sample& s : taken) {
            maps.push_back(s.mapMs);
            rss.push_back(s.rssMiB);
        }
        mapMedians.push_back(median(maps));
        rssMedians.push_back(median(rss));
    }
    put("| program | launch to map, ms (median of " + std::to_string(runs) +
        ") | resident memory, MiB (median) | time / last | memory / last |\n");
    put("|---|---|---|---|---|\n");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        put("| " + std::string(programs[p]) + " | " + fixed(mapMedians[p], 1) + " | " +
            fixed(rssMedians[p], 1) + " | " + fixed(mapMedians[p] / mapMedians.back(), 3) + " | " +
            fixed(rssMedians[p] / rssMedians.back(), 3) + " |\n");
    }
    return 0;
}
