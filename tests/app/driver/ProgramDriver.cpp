// Drives the real program as a user would, loaded into it as a Qt generic plugin
// ("-plugin brivatenzo_driver:N"): N times the start window's "dal computer", "Info", the first
// exercise button, an operation drawn and printed, and back to the start window; at last "Esci".
// A step waits until its window is shown and the other one hidden. Each press is a mouse press
// and release posted to the widget, a few random milliseconds apart, so that other events can be
// pending when a handler runs.
#include <QApplication>
#include <QGenericPlugin>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>

static const char* const kRound[] = {"frmStart/cmdComputer", "frmStart/cmdInfo",  "frmStart/CmdAddizione1",
                                     "frmAdd2/CmdVai",       "frmAdd2/cmdStampa", "frmAdd2/CmdEnd"};

class ProgramDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
  public:
    QObject* create(const QString&, const QString& rounds) override {
        auto* timer = new QTimer;
        // Each tick presses the next control once it is on screen.
        connect(timer, &QTimer::timeout, timer,
                [timer, steps = int(std::size(kRound)) * rounds.toInt(), done = 0]() mutable {
                    const QString step = done < steps ? kRound[done % std::size(kRound)] : "frmStart/cmdEsci";
                    QWidget* w = nullptr;
                    int shown = 0; // of the start window and the exercise: one at a time
                    for (QWidget* top : QApplication::topLevelWidgets()) {
                        shown += top->isVisible() &&
                                 QStringList{"frmStart", "frmAdd2"}.contains(top->objectName());
                        if (top->isVisible() && top->objectName() == step.section('/', 0, 0))
                            w = top->findChild<QWidget*>(step.section('/', 1));
                    }
                    timer->setInterval(5);
                    if (w == nullptr || shown != 1 || !w->isVisible() || !w->isEnabled()) return;
                    const QPointF at = QRectF(w->rect()).center();
                    for (const bool down : {true, false})
                        QCoreApplication::postEvent(
                            w, new QMouseEvent(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                               at, w->mapToGlobal(at), Qt::LeftButton,
                                               down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
                    timer->setInterval(QRandomGenerator::global()->bounded(20));
                    if (done++ == steps) timer->stop(); // "Esci" ends the program
                });
        timer->start(0);
        return timer;
    }
};

#include "ProgramDriver.moc"
