// Start-up of Nixaro against a bare Qt Widgets window, as whole processes, run in turn
// in one session: the wall time from starting the process to the idle, painted first
// window, and the peak memory by then; medians of the runs and their ratios.
//   nixaro_startup <nixaro_firstframe> <bare_firstframe> [runs] [<text_firstframe>]
// The optional third program, a bare window with one line of text, shows what loading
// the fonts alone costs.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run
{
    double ms = 0;
    long kilobytes = 0;
};

long long nowNs()
{
    return static_cast<long long>(
        std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch()).count());
}

bool runOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's notes on the console are no part of the measurement.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long start = nowNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long ready = 0;
    const size_t at = text.find("READY ");
    if (at == std::string::npos || std::sscanf(text.c_str() + at, "READY %lld %ld", &ready, &run.kilobytes) != 2)
        return false;
    run.ms = double(ready - start) / 1e6;
    return true;
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <nixaro_firstframe> <bare_firstframe> [runs]\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "offscreen", 1);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    const char *programs[3] = {argv[1], argv[2], argc > 4 ? argv[4] : nullptr};
    const int count = programs[2] ? 3 : 2;
    std::vector<double> ms[3];
    std::vector<long> kb[3];
    // One warm-up run each, so that both start from the same file cache.
    for (int p = 0; p < count; ++p) {
        const char *program = programs[p];
        Run warm;
        if (!runOnce(program, warm)) {
            std::fprintf(stderr, "%s did not report its first frame\n", program);
            return 1;
        }
    }
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < count; ++p) {
            Run run;
            if (!runOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not report its first frame\n", programs[p]);
                return 1;
            }
            ms[p].push_back(run.ms);
            kb[p].push_back(run.kilobytes);
        }
    const double nixaroMs = median(ms[0]), bareMs = median(ms[1]);
    const long nixaroKb = median(kb[0]), bareKb = median(kb[1]);
    std::printf("Start-up to the idle, painted first window (%d runs each, medians, platform %s)\n", runs,
                getenv("QT_QPA_PLATFORM"));
    std::printf("  %-28s %8.1f ms %8.1f MB\n", "Nixaro (21 pages)", nixaroMs, nixaroKb / 1024.0);
    std::printf("  %-28s %8.1f ms %8.1f MB\n", "bare Qt Widgets window", bareMs, bareKb / 1024.0);
    std::printf("  %-28s %8.2f x    %8.2f x\n", "ratio", nixaroMs / bareMs, double(nixaroKb) / double(bareKb));
    if (count == 3) {
        const double textMs = median(ms[2]);
        const long textKb = median(kb[2]);
        std::printf("  %-28s %8.1f ms %8.1f MB\n", "bare window, one text line", textMs, textKb / 1024.0);
        std::printf("  %-28s %8.2f x    %8.2f x\n", "ratio to it", nixaroMs / textMs, double(nixaroKb) / double(textKb));
    }
    return 0;
}
