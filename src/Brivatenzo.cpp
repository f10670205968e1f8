#include "Brivatenzo.h"

#include "app/Windows.h"
#include "view/FormWindow.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>

static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

// Runs an action once a widget has painted, after the paint and everything queued
// with it, then goes.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

} // namespace

Brivatenzo::Brivatenzo(QString soundModule) : sound_(std::move(soundModule)) {
    // The pictures and sounds live in this static library: pull them in.
    initResources();
    QApplication::setQuitOnLastWindowClosed(false); // only "Esci" ends the program
    app::defineWindows(module_);
}

Brivatenzo::~Brivatenzo() {
    registry_.setObserver(nullptr);
}

void Brivatenzo::start() {
    forms::Form* first = nullptr;
    registry_.run([this, &first] {
        first = &registry_.load("frmStart");
        first->show();
    });
    // A sound asked for sooner loads the player itself.
    if (QWidget* w = first != nullptr ? host_.windowOf(*first) : nullptr)
        new AfterFirstPaint(w, [this] { sound_.open(); });
}
