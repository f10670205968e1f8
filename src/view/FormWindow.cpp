#include "view/FormWindow.h"

#include "forms/FormRegistry.h"
#include "view/ControlWidgets.h"
#include "view/Pictures.h"
#include "view/Units.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace view {

using forms::Control;
using forms::ControlKind;

FormWindow::FormWindow(forms::Form& form, forms::FormRegistry* registry)
    : QWidget(nullptr), form_(form), registry_(registry) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(QString::fromStdString(form.caption));
    if (pictures::exists(form.icon))
        setWindowIcon(QIcon(QPixmap::fromImage(pictures::image(form.icon, QSize(32, 32)))));
    setFixedSize(px(form.width), px(form.height));
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    refresh();
}

FormWindow::~FormWindow() = default;

void FormWindow::build() {
    for (Control* c : form_.controls()) {
        QWidget* parent = this;
        if (c->container() != nullptr) {
            auto it = widgets_.find(c->container());
            if (it != widgets_.end()) parent = it->second;
        }
        ControlView* v = nullptr;
        switch (c->kind()) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
            v = new PictureButton(*this, *c, parent);
            break;
        case ControlKind::Label:
        case ControlKind::TextBox:
        case ControlKind::Cell:
            v = new TextView(*this, *c, parent);
            break;
        case ControlKind::Picture:
            v = new PictureView(*this, *c, parent);
            break;
        case ControlKind::Frame:
            v = new FrameView(*this, *c, parent);
            break;
        case ControlKind::ComboBox:
            v = new ListView(*this, *c, parent);
            break;
        case ControlKind::Timer: {
            auto* t = new QTimer(this);
            t->setInterval(c->interval);
            connect(t, &QTimer::timeout, this, [this, c] {
                if (c->onTimer) dispatch(c->onTimer);
            });
            timers_[c] = t;
            continue;
        }
        case ControlKind::Line:
        case ControlKind::Shape:
            continue; // painted by the window
        }
        widgets_[c] = v->widget();
        views_.push_back(v);
    }
}

QWidget* FormWindow::widgetOf(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormWindow::refresh() {
    if (detached_) return;
    setWindowTitle(QString::fromStdString(form_.caption));
    for (ControlView* v : views_)
        v->refresh();
    for (auto& [c, t] : timers_) {
        const bool run = c->enabled && c->interval > 0 && registry_ != nullptr;
        if (run && !t->isActive()) t->start();
        if (!run && t->isActive()) t->stop();
    }
    if (Control* f = form_.focus())
        if (QWidget* w = widgetOf(*f); w != nullptr && isActiveWindow()) w->setFocus();
    update();
}

void FormWindow::dispatch(const std::function<void()>& handler) {
    if (detached_ || registry_ == nullptr) return;
    registry_->run(handler);
}

void FormWindow::detach() {
    detached_ = true;
    for (auto& [c, t] : timers_)
        t->stop();
    hide();
}

void FormWindow::present(QWidget* owner) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (form_.closeCommand) flags |= Qt::WindowCloseButtonHint;
    if (form_.topmost) flags |= Qt::WindowStaysOnTopHint;
    if (windowFlags() != flags) setWindowFlags(flags);
    if (!placed_) {
        QRect area = owner != nullptr ? owner->frameGeometry() : QRect();
        if (area.isEmpty()) {
            QScreen* screen = QGuiApplication::primaryScreen();
            area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        }
        move(area.center() - QPoint(width() / 2, height() / 2));
        placed_ = true;
    }
    refresh();
    show();
    raise();
    activateWindow();
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), qcolor(form_.backColor));
    if (pictures::exists(form_.picture))
        p.drawImage(0, 0, pictures::image(form_.picture, pictures::naturalSize(form_.picture)));
    for (const Control* c : form_.controls()) {
        if (!c->isShown()) continue;
        if (c->kind() == ControlKind::Shape) {
            p.setPen(QPen(Qt::black, c->borderWidth));
            p.setBrush(qcolor(c->fillColor));
            const QRectF r = QRectF(pxRect(*c)).adjusted(1, 1, -1, -1);
            p.drawRoundedRect(r, 10, 10);
        } else if (c->kind() == ControlKind::Line) {
            p.setPen(QPen(qcolor(c->foreColor), c->borderWidth));
            p.drawLine(px(c->left), px(c->top), px(c->x2), px(c->y2));
        }
    }
    if (!form_.printedLines.empty()) {
        const QFont font = qfont(form_.font);
        p.setFont(font);
        p.setPen(qcolor(form_.foreColor));
        const int lineHeight = QFontMetrics(font).height();
        int y = 0;
        for (const std::string& line : form_.printedLines) {
            p.drawText(QRect(0, y, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(line));
            y += lineHeight;
        }
    }
}

void FormWindow::closeEvent(QCloseEvent* e) {
    // Without a close command, only the program itself closes its windows.
    if (detached_) {
        e->accept();
        return;
    }
    e->ignore();
    if (form_.closeCommand) {
        forms::Form& f = form_;
        dispatch([&f] { f.unload(); });
    }
}

} // namespace view
