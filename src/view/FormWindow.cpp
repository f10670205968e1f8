#include "view/FormWindow.h"

#include "forms/FormRegistry.h"
#include "view/ControlWidgets.h"
#include "view/Pictures.h"
#include "view/Units.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPaintEvent>
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
    setAttribute(Qt::WA_OpaquePaintEvent); // paintEvent fills what it repaints
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
            t->setObjectName(QString::fromStdString(c->name())); // found by name, as a widget is
            t->setInterval(c->interval);
            connect(t, &QTimer::timeout, this, [this, c] {
                if (c->onTimer) dispatch(c->onTimer);
            });
            timers_[c] = t;
            continue;
        }
        case ControlKind::Line:
        case ControlKind::Shape:
            marks_.emplace_back(c, markOf(*c)); // painted by the window
            continue;
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
    if (caption_ != form_.caption) {
        caption_ = form_.caption;
        setWindowTitle(QString::fromStdString(caption_));
    }
    for (ControlView* v : views_)
        v->refresh();
    for (auto& [c, t] : timers_) {
        const bool run = c->enabled && c->interval > 0 && registry_ != nullptr;
        if (run && !t->isActive()) t->start();
        if (!run && t->isActive()) t->stop();
    }
    // Giving the focus to the widget that has it already is a no-op.
    if (Control* f = form_.focus())
        if (QWidget* w = widgetOf(*f); w != nullptr && isActiveWindow()) w->setFocus();
    refreshBackdrop();
    refreshMarks();
}

bool FormWindow::Backdrop::shows(const forms::Form& f) const {
    return colour == f.backColor && picture == f.picture && lines == f.printedLines && font == f.font &&
           textColour == f.foreColor;
}

void FormWindow::refreshBackdrop() {
    if (backdropShown_ && backdrop_.shows(form_)) return;
    backdrop_ = {form_.backColor, form_.picture, form_.printedLines, form_.font, form_.foreColor};
    backdropShown_ = true;
    backdropPrepared_ = false;
    update();
}

// At the first paint after a change: a window built but never shown draws nothing.
void FormWindow::prepareBackdrop() {
    const std::string& pic = backdrop_.picture;
    picture_ = pictures::exists(pic) ? pictures::cropped(pic, size()) : QImage();
    printFont_ = qfont(backdrop_.font);
    printLineHeight_ = QFontMetrics(printFont_).height();
    printed_.clear();
    for (const std::string& line : backdrop_.lines)
        printed_.append(QString::fromStdString(line));
    backdropPrepared_ = true;
}

FormWindow::Mark FormWindow::markOf(const Control& c) {
    Mark m;
    m.shown = c.isShown();
    m.shape = c.kind() == ControlKind::Shape;
    const QLine line = pxLine(c);
    m.place = m.shape ? pxRect(c) : QRect(line.p1(), line.p2());
    m.width = c.borderWidth;
    m.colour = c.foreColor;
    m.fill = c.fillColor;
    return m;
}

QRect FormWindow::Mark::bounds() const {
    const int margin = width + 1; // the pen reaches half its width beyond the geometry
    return place.normalized().adjusted(-margin, -margin, margin, margin);
}

// Only the area of a line or shape that changed is painted again.
void FormWindow::refreshMarks() {
    for (auto& [control, shown] : marks_) {
        const Mark now = markOf(*control);
        if (now == shown) continue;
        QRect dirty = now.bounds();
        if (shown.shown) dirty |= shown.bounds();
        shown = now;
        update(dirty);
    }
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

void FormWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paintBackdrop(p, e->rect());
}

// The controls' widgets in their stacking order, each over its frame: what the screen shows.
static void paintChildren(QPainter& p, const QWidget& parent) {
    for (QObject* child : parent.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        auto* view = dynamic_cast<ControlView*>(w);
        if (view == nullptr || w->isHidden()) continue;
        p.save();
        p.translate(w->pos());
        p.setClipRect(w->rect(), Qt::IntersectClip);
        p.setFont(w->font());
        p.setPen(w->palette().color(w->foregroundRole()));
        view->paint(p, w->rect());
        paintChildren(p, *w);
        p.restore();
    }
}

void FormWindow::paint(QPainter& p) {
    ensurePolished();
    p.save();
    paintBackdrop(p, rect());
    p.restore();
    paintChildren(p, *this);
}

void FormWindow::paintBackdrop(QPainter& p, const QRect& exposed) {
    if (!backdropPrepared_) prepareBackdrop();
    p.fillRect(exposed, qcolor(backdrop_.colour));
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [control, m] : marks_) {
        if (!m.shown || !m.bounds().intersects(exposed)) continue; // stroking costs even when clipped
        if (m.shape) {
            p.setPen(QPen(Qt::black, m.width));
            p.setBrush(qcolor(m.fill));
            p.drawRoundedRect(QRectF(m.place).adjusted(1, 1, -1, -1), 10, 10);
        } else {
            p.setPen(QPen(qcolor(m.colour), m.width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(m.place.topLeft(), m.place.bottomRight());
        }
    }
    if (!printed_.isEmpty()) {
        p.setFont(printFont_);
        p.setPen(qcolor(backdrop_.textColour));
        int y = 0;
        for (const QString& line : printed_) {
            p.drawText(QRect(0, y, width(), printLineHeight_), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += printLineHeight_;
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
