// Drives the real program as a user would, loaded into it as a Qt generic plugin
// ("-plugin brivatenzo_driver:N"): N times the start window's "da te", "Info" and the
// first exercise button, then back to the start window; at last "Esci". Each press is
// a mouse press and release posted to the widget, a few random milliseconds apart, so
// that other events can be pending when a handler runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Step {
    const char* window;
    const char* control;
};

const Step kRound[] = {
    {"frmStart", "cmdTe"}, {"frmStart", "cmdInfo"}, {"frmStart", "CmdAddizione1"}, {"frmAdd2", "CmdEnd"}};

class Driver : public QObject {
  public:
    explicit Driver(int rounds) {
        for (int r = 0; r < rounds; ++r)
            steps_.insert(steps_.end(), std::begin(kRound), std::end(kRound));
        steps_.push_back({"frmStart", "cmdEsci"});
        waited_.start();
        QTimer::singleShot(0, this, [this] { next(); });
    }

  private:
    static QWidget* shown(const char* window, const char* control) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(window) && top->isVisible())
                if (auto* w = top->findChild<QWidget*>(QLatin1String(control));
                    w && w->isVisible() && w->isEnabled())
                    return w;
        return nullptr;
    }

    // Presses the next control once it is on screen; gives up after 10 s.
    void next() {
        const Step& s = steps_[done_];
        QWidget* w = shown(s.window, s.control);
        if (!w) {
            if (waited_.elapsed() > 10000) {
                std::fprintf(stderr, "driver: %s.%s never appeared (step %zu)\n", s.window, s.control, done_);
                std::_Exit(3);
            }
            QTimer::singleShot(5, this, [this] { next(); });
            return;
        }
        const QPointF at(w->width() / 2, w->height() / 2);
        const QPointF global = w->mapToGlobal(at);
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
        if (++done_ == steps_.size()) return; // "Esci" ends the program
        waited_.restart();
        QTimer::singleShot(QRandomGenerator::global()->bounded(20), this, [this] { next(); });
    }

    std::vector<Step> steps_;
    std::size_t done_ = 0;
    QElapsedTimer waited_;
};

} // namespace

class ProgramDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
  public:
    QObject* create(const QString&, const QString& rounds) override { return new Driver(rounds.toInt()); }
};

#include "ProgramDriver.moc"
