// One start-up, measured from inside: prints "painted <peak KiB>" at the first paint of
// the start window (or of a bare window), then quits.
#include "Brivatenzo.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QString window) : window_(std::move(window)) {}

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!done_ && e->type() == QEvent::Paint && o->objectName() == window_) {
            done_ = true;
            std::printf("painted %ld\n", peakKiB());
            std::fflush(stdout);
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QString window_;
    bool done_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    QApplication application(argc, argv);
    FirstPaint watcher(bare ? "bare" : "frmStart");
    application.installEventFilter(&watcher);
    std::unique_ptr<Brivatenzo> program;
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = std::make_unique<QWidget>();
        window->setObjectName("bare");
        window->resize(634, 454);
        window->show();
    } else {
        program = std::make_unique<Brivatenzo>();
        program->start();
    }
    return QApplication::exec();
}
