#pragma once
// What the program and the floor both use to time themselves: an application that notes
// every paint and tells the moment a window has painted the whole of itself and the
// result has gone to the screen (the event that painted it has returned).
#include "Median.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

inline double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// The line the driver reads, at once.
inline void report(const char* what, double value) {
    std::printf("%s %.3f\n", what, value);
    std::fflush(stdout);
}

class WatchedApplication : public QApplication {
  public:
    WatchedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            if (auto* w = qobject_cast<QWidget*>(receiver)) painted_.insert(w);
        const bool paint = e->type() == QEvent::Paint;
        ++depth_;
        const bool result = QApplication::notify(receiver, e);
        --depth_;
        // Between two events, never between the paints of one repaint.
        if (depth_ == 0 && !paint && until_ && until_()) {
            metAt_ = Clock::now();
            until_ = nullptr;
            if (loop_ != nullptr) loop_->quit();
        }
        return result;
    }

    void forgetPaints() { painted_.clear(); }
    bool painted(QWidget* w) const { return painted_.contains(w); }

    // The window and every widget in it that shows have painted.
    bool paintedWhole(QWidget* window) const {
        if (window == nullptr || !window->isVisible() || !painted(window)) return false;
        const auto children = window->findChildren<QWidget*>();
        return std::all_of(children.begin(), children.end(),
                           [this](QWidget* w) { return !w->isVisible() || w->isWindow() || painted(w); });
    }

    // Runs events until condition holds between two events; returns when it did, or
    // nothing after timeoutMs.
    std::optional<Clock::time_point> runUntil(std::function<bool()> condition, int timeoutMs) {
        if (condition()) return Clock::now();
        QEventLoop loop;
        until_ = std::move(condition);
        loop_ = &loop;
        QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
        const bool met = loop.exec() == 0;
        loop_ = nullptr;
        until_ = nullptr;
        if (!met) return std::nullopt;
        return metAt_;
    }

    // A left click in the middle of the button, as the mouse makes it.
    static void click(QWidget* button) {
        const QPointF at(button->width() / 2.0, button->height() / 2.0);
        const QPointF global = button->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(button, &release);
    }

    // The time from a click's press to the moment the widget `shows` has painted again,
    // in microseconds (negative if it never did).
    double clickToRepainted(QWidget* button, QWidget* shows) {
        forgetPaints();
        const auto start = Clock::now();
        click(button);
        const auto end = runUntil([this, shows] { return painted(shows); }, 2000);
        if (!end) return -1;
        return std::chrono::duration<double, std::micro>(*end - start).count();
    }

    // The median of `clicks` clicks, each on button(i), to `shows` repainted, after ten
    // clicks that warm the caches; negative if one was never repainted.
    double medianClick(const std::function<QWidget*(int)>& button, QWidget* shows, int clicks) {
        std::vector<double> times;
        for (int i = 0; i < clicks + 10; ++i) {
            const double us = clickToRepainted(button(i), shows);
            if (us < 0) return -1;
            if (i >= 10) times.push_back(us);
        }
        return median(times);
    }

    // Runs the measure a mode asks for and reports it; false if it failed.
    bool measure(const std::string& mode, int amount, const std::function<QWidget*(int)>& button,
                 QWidget* shows) {
        if (mode == "--click") {
            const double us = medianClick(button, shows, amount);
            report("click", us);
            return us >= 0;
        }
        if (mode == "--idle") report("idle", idleCpuPerMinute(amount));
        return true;
    }

    // Processor time of the whole process (every thread) over a stretch with no input, in
    // milliseconds per minute.
    double idleCpuPerMinute(int seconds) {
        const double before = cpuMs();
        runUntil([] { return false; }, seconds * 1000);
        return (cpuMs() - before) * 60.0 / seconds;
    }

  private:
    QSet<QWidget*> painted_;
    int depth_ = 0;
    std::function<bool()> until_;
    QEventLoop* loop_ = nullptr;
    Clock::time_point metAt_;
};

} // namespace bench
