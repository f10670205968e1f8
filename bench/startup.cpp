// The program against a floor (a bare Qt Widgets window with one label in the program's
// font, its own executable), run by run in turn, each row a ratio with a limit:
// - start-up: process start to the end of the first complete paint of the start window,
//   and the peak memory then;
// - a keypad click in each of the seven exercise windows to the entry box repainted,
//   against the floor's button click to its label repainted;
// - the processor time of each exercise window left alone, its hand blinking, against the
//   floor blinking a mark at the same rate.
// Exits 1 when a ratio is over its limit or a run gave no measure, 2 on a wrong call.
// Usage: bench_startup [runs] [idle seconds] [--limit <row>=<ratio>]...
//        (default 9 runs and 10 seconds; rows paint, memory, click, idle; offscreen unless
//        QT_QPA_PLATFORM says otherwise)
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

// One value a run, -1 for a run that gave none.
struct Startup {
    std::vector<double> ms, kib;
};

void startup(const std::string& exe, Startup& into) {
    Child c({exe});
    double kib = -1, at = -1;
    if (!c.read("painted", kib, at)) kib = at = -1;
    into.ms.push_back(at);
    into.kib.push_back(kib);
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

// The seven exercise windows, as the start window's buttons open them.
const Window kWindows[] = {
    {"frmAdd2", "CmdAddizione1"},        {"frmAdd3", "CmdAddizione2"},
    {"frmSott1", "CmdSottrazione"},      {"frmMolt1", "CmdMoltiplicazione1"},
    {"frmMolt2", "CmdMoltiplicazione2"}, {"frmDivEstesa", "cmdDivisione1"},
    {"frmDivCompatta", "cmdDivisione2"},
};

// How many times the floor each kind of row may cost.
struct Limits {
    double paint = 1.5;
    double memory = 1.3;
    double click = 2.0;
    // Left alone the windows cost about as much as the floor (0.85x to 1.2x); a hand that
    // blinked twice as often would cost about 2x.
    double idle = 1.5;

    // "<row>=<ratio>"; false when it names no row or gives no positive ratio.
    bool set(const std::string& option) {
        const auto equals = option.find('=');
        if (equals == std::string::npos) return false;
        const std::string name = option.substr(0, equals);
        char* end = nullptr;
        const double ratio = std::strtod(option.c_str() + equals + 1, &end);
        if (end == option.c_str() + equals + 1 || *end != '\0' || !(ratio > 0)) return false;
        for (auto [row, limit] :
             {std::pair{"paint", &paint}, {"memory", &memory}, {"click", &click}, {"idle", &idle}})
            if (name == row) {
                *limit = ratio;
                return true;
            }
        return false;
    }
};

// The rows, printed as they come, and how many failed: over their limit, or short of a
// measure from some run. A row's ratio is the median of the run-by-run ratios, each run of
// the program against the floor's run beside it, so that the load of the moment cancels.
struct Table {
    std::size_t runs;
    int failed = 0;

    void row(const std::string& what, const std::vector<double>& program, const std::vector<double>& floor,
             const char* unit, double limit) {
        bool complete = program.size() == runs && floor.size() == runs;
        std::vector<double> ratios;
        for (std::size_t i = 0; complete && i < runs; ++i) {
            complete = program[i] >= 0 && floor[i] > 0;
            ratios.push_back(program[i] / floor[i]);
        }
        const double ratio = median(ratios);
        const bool ok = complete && ratio <= limit;
        std::printf("%-30s %10.3f %10.3f %-6s %7.2fx %7.2fx  %s\n", what.c_str(), median(program),
                    median(floor), unit, ratio, limit,
                    !complete ? "FAILED (a run gave no measure)"
                    : ok      ? "ok"
                              : "OVER");
        if (!ok) ++failed;
    }
};

} // namespace

int main(int argc, char** argv) {
    Limits limits;
    std::vector<int> numbers;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--limit" && i + 1 < argc && limits.set(argv[i + 1])) {
            ++i;
            continue;
        }
        const int n = std::atoi(arg.c_str());
        if (n < 1 || numbers.size() == 2) {
            std::fprintf(stderr, "usage: bench_startup [runs] [idle seconds] [--limit <row>=<ratio>]...\n"
                                 "       rows: paint, memory, click, idle\n");
            return 2;
        }
        numbers.push_back(n);
    }
    const int runs = numbers.size() > 0 ? numbers[0] : 9;
    const int idleSeconds = numbers.size() > 1 ? numbers[1] : 10;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string program = BENCH_PROGRAM;
    const std::string floor = BENCH_FLOOR;
    const std::string clicks = "200";

    Startup ours, bare;
    startup(program, ours); // warm the disk cache
    startup(floor, bare);
    ours = bare = {};
    std::map<std::string, std::vector<double>> click;
    for (int i = 0; i < runs; ++i) {
        startup(program, ours);
        startup(floor, bare);
        for (const Window& w : kWindows)
            click[w.name].push_back(measure({program, "--click", w.name, w.startButton, clicks}, "click"));
        click["floor"].push_back(measure({floor, "--click", clicks}, "click"));
    }
    // Idle runs side by side, each counting only its own processor time; run by run, in
    // the order they were started.
    std::map<std::string, std::vector<double>> idle;
    {
        std::vector<std::pair<std::string, std::unique_ptr<Child>>> children;
        for (int i = 0; i < runs; ++i) {
            for (const Window& w : kWindows)
                children.emplace_back(
                    w.name, std::make_unique<Child>(std::vector<std::string>{
                                program, "--idle", w.name, w.startButton, std::to_string(idleSeconds)}));
            children.emplace_back("floor", std::make_unique<Child>(std::vector<std::string>{
                                               floor, "--idle", std::to_string(idleSeconds)}));
        }
        for (auto& [name, child] : children) {
            double value = -1, at = -1;
            idle[name].push_back(child->read("idle", value, at) ? value : -1);
        }
    }

    std::printf("medians of %d runs, program and floor in turn, and of their ratios; idle: %d s, all side by "
                "side (%s platform)\n",
                runs, idleSeconds, std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-30s %10s %10s %-6s %8s %8s\n", "", "program", "floor", "", "ratio", "limit");
    Table table{static_cast<std::size_t>(runs)};
    table.row("first complete paint", ours.ms, bare.ms, "ms", limits.paint);
    table.row("peak memory", ours.kib, bare.kib, "KiB", limits.memory);
    for (const Window& w : kWindows)
        table.row(std::string("keypad click, ") + w.name, click[w.name], click["floor"], "us", limits.click);
    // Against the floor blinking its mark as the window blinks its hand.
    for (const Window& w : kWindows)
        table.row(std::string("idle CPU, ") + w.name, idle[w.name], idle["floor"], "ms/min", limits.idle);
    if (table.failed == 0) {
        std::printf("every row within its limit\n");
        return 0;
    }
    std::printf("%d row(s) over the limit or failed\n", table.failed);
    return 1;
}
