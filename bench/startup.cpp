// The program against a floor (a bare Qt Widgets window with one label in the program's
// font, its own executable), run by run in turn:
// - start-up: process start to the end of the first complete paint of the start window,
//   and the peak memory then;
// - a keypad click in each exercise window to the entry box repainted, against the
//   floor's button click to its label repainted;
// - the processor time of an exercise window left alone, beside the floor left alone and
//   the floor blinking a mark as the window blinks its hand.
// Usage: bench_startup [runs] [idle seconds]    (default 9 and 10; offscreen unless
// QT_QPA_PLATFORM says otherwise)
#include "Median.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using bench::median;

// One run of a child, started now; what it reports, read as it comes.
class Child {
  public:
    explicit Child(std::vector<std::string> args) : start_(Clock::now()) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        stream_ = fdopen(out[0], "r");
    }
    ~Child() {
        if (stream_ != nullptr) fclose(stream_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }

    // The value of the first line "<what> <value>", and when it arrived (ms since start).
    bool read(const char* what, double& value, double& atMs) {
        char line[256];
        const std::string prefix = std::string(what) + " %lf";
        while (stream_ != nullptr && std::fgets(line, sizeof line, stream_) != nullptr) {
            if (std::sscanf(line, prefix.c_str(), &value) == 1) {
                atMs = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
                return true;
            }
        }
        return false;
    }

  private:
    Clock::time_point start_;
    pid_t pid_ = -1;
    FILE* stream_ = nullptr;
};

struct Startup {
    std::vector<double> ms, kib;
};

void startup(const std::string& exe, Startup& into) {
    Child c({exe});
    double kib = -1, at = -1;
    if (c.read("painted", kib, at)) {
        into.ms.push_back(at);
        into.kib.push_back(kib);
    }
}

double measure(std::vector<std::string> args, const char* what) {
    Child c(std::move(args));
    double value = -1, at = -1;
    return c.read(what, value, at) ? value : -1;
}

struct Window {
    const char* name;
    const char* startButton;
};

void row(const char* what, double program, double floor, const char* unit, double limit) {
    const double ratio = program / floor;
    std::printf("%-36s %10.3f %10.3f %-4s %7.2fx  (at most %.1fx: %s)\n", what, program, floor, unit, ratio,
                limit, ratio <= limit ? "ok" : "OVER");
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int idleSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string program = BENCH_PROGRAM;
    const std::string floor = BENCH_FLOOR;
    const Window windows[] = {{"frmAdd2", "CmdAddizione1"}, {"frmDivCompatta", "cmdDivisione2"}};
    const std::string clicks = "200";

    Startup ours, bare;
    startup(program, ours); // warm the disk cache
    startup(floor, bare);
    ours = bare = {};
    std::map<std::string, std::vector<double>> click;
    for (int i = 0; i < runs; ++i) {
        startup(program, ours);
        startup(floor, bare);
        for (const Window& w : windows)
            click[w.name].push_back(measure({program, "--click", w.name, w.startButton, clicks}, "click"));
        click["floor"].push_back(measure({floor, "--click", clicks}, "click"));
    }
    // Idle runs side by side: each counts only its own processor time.
    std::map<std::string, std::vector<double>> idle;
    {
        std::vector<std::pair<std::string, std::unique_ptr<Child>>> children;
        for (int i = 0; i < runs; ++i) {
            for (const Window& w : windows)
                children.emplace_back(
                    w.name, std::make_unique<Child>(std::vector<std::string>{
                                program, "--idle", w.name, w.startButton, std::to_string(idleSeconds)}));
            for (const char* floorMode : {"--idle", "--blink"})
                children.emplace_back(floorMode, std::make_unique<Child>(std::vector<std::string>{
                                                     floor, floorMode, std::to_string(idleSeconds)}));
        }
        for (auto& [name, child] : children) {
            double value = -1, at = -1;
            if (child->read("idle", value, at)) idle[name].push_back(value);
        }
    }

    std::printf("medians of %d runs, program and floor in turn (%s platform)\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-36s %10s %10s %-4s %8s\n", "", "program", "floor", "", "ratio");
    row("first complete paint", median(ours.ms), median(bare.ms), "ms", 1.5);
    row("peak memory", median(ours.kib), median(bare.kib), "KiB", 1.3);
    for (const Window& w : windows)
        row((std::string("keypad click, ") + w.name).c_str(), median(click[w.name]), median(click["floor"]),
            "us", 2.0);
    // The floor idle, and the floor blinking a mark as the hand blinks.
    for (const Window& w : windows) {
        const double cpu = median(idle[w.name]);
        std::printf("%-36s %10.1f %10.1f ms of CPU a minute  (under 20: %s)\n",
                    (std::string("idle, ") + w.name).c_str(), cpu, median(idle["--idle"]),
                    cpu < 20 ? "ok" : "OVER");
    }
    std::printf("%-36s %10s %10.1f ms of CPU a minute\n", "idle, floor blinking a mark", "",
                median(idle["--blink"]));
    const bool complete =
        ours.ms.size() == static_cast<std::size_t>(runs) && bare.ms.size() == static_cast<std::size_t>(runs);
    return complete ? 0 : 1;
}
