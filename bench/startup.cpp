// Start-up benchmark: time from process start to the first paint of the start window,
// and peak memory, beside the same for a bare Qt window built in this tree.
// Usage: bench_startup [runs]   (runs on Qt's offscreen platform)
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms;
    long peakKiB;
};

Run once(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    FILE* child = popen(command.c_str(), "r");
    if (child == nullptr) return {-1, -1};
    std::array<char, 256> line{};
    long peak = -1;
    double ms = -1;
    while (std::fgets(line.data(), line.size(), child) != nullptr) {
        if (std::sscanf(line.data(), "painted %ld", &peak) == 1) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    }
    pclose(child);
    return {ms, peak};
}

Run median(const std::string& command, int runs) {
    std::vector<Run> all;
    for (int i = 0; i < runs; ++i)
        all.push_back(once(command));
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    return all[all.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string app = std::string(BENCH_APP);
    median(app, 1); // warm the disk cache
    const Run program = median(app + " 2>/dev/null", runs);
    const Run bare = median(app + " --bare 2>/dev/null", runs);
    std::printf("%-28s %10s %14s\n", "", "first paint", "peak memory");
    std::printf("%-28s %8.1f ms %10ld KiB\n", "start window", program.ms, program.peakKiB);
    std::printf("%-28s %8.1f ms %10ld KiB\n", "bare Qt window", bare.ms, bare.peakKiB);
    std::printf("%-28s %10.2fx %13.2fx\n", "ratio", program.ms / bare.ms,
                static_cast<double>(program.peakKiB) / static_cast<double>(bare.peakKiB));
    return program.ms > 0 && bare.ms > 0 ? 0 : 1;
}
