#include "view/ControlWidgets.h"

#include "forms/Form.h"
#include "view/FormWindow.h"
#include "view/Pictures.h"
#include "view/Units.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace view {

using forms::ControlKind;

void ControlView::fire(std::function<void()> forms::Control::*handler) {
    if (window_.isDetached()) return; // the form, and this control with it, are gone
    std::function<void()> h = control_.*handler;
    if (h) window_.dispatch(h);
}

// The window drops the action once its form is gone.
void ControlView::fire(const std::function<void()>& action) {
    window_.dispatch(action);
}

bool ControlView::isFocused() const {
    return control_.form().focus() == &control_;
}

void ControlView::applyCommon() {
    QWidget* w = widget();
    w->setObjectName(QString::fromStdString(control_.name()));
    w->setGeometry(pxRect(control_));
    w->setFocusPolicy(Qt::NoFocus); // focus belongs to the form: only handlers move it
    if (control_.handCursor) w->setCursor(Qt::PointingHandCursor);
    if (!control_.tooltip.empty()) w->setToolTip(QString::fromStdString(control_.tooltip));
    w->setAccessibleName(QString::fromStdString(control_.name()));
}

// ---- PictureButton

PictureButton::PictureButton(FormWindow& window, forms::Control& control, QWidget* parent)
    : QAbstractButton(parent), ControlView(window, control) {
    applyCommon();
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] {
        forms::Control& c = control_;
        fire([&c] { c.click(); });
    });
}

void PictureButton::refresh() {
    setVisible(control_.visible);
    setEnabled(control_.enabled);
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const std::string& pic =
        control_.checked && !control_.pictureChecked.empty() ? control_.pictureChecked : control_.picture;
    const QSize natural = pictures::naturalSize(pic);
    if (pictures::exists(pic) && natural.width() * 2 < width() && natural.height() * 2 > height()) {
        // An icon on a button face (the loudspeaker): the face in the button's colour,
        // the icon in its middle at its own size.
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient face(0, 0, 0, height());
        face.setColorAt(0, qcolor(control_.backColor).lighter(115));
        face.setColorAt(1, qcolor(control_.backColor).darker(110));
        p.setPen(QPen(qcolor(control_.backColor).darker(160), 1.5));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
        const QRect icon(QPoint(0, 0), natural.boundedTo(size()));
        p.drawImage(icon.translated(rect().center() - icon.center()),
                    pictures::image(pic, icon.size(), !isEnabled()));
    } else if (pictures::exists(pic)) {
        p.drawImage(0, 0, pictures::image(pic, size(), !isEnabled()));
    } else {
        p.fillRect(rect(), qcolor(control_.backColor));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect(), Qt::AlignCenter, QString::fromStdString(control_.name()));
    }
    if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 40));
}

void PictureButton::mousePressEvent(QMouseEvent* e) {
    // Any mouse button counts as a press; only the left one goes on to make a click.
    fire(&forms::Control::onMouseDown);
    if (e->button() == Qt::LeftButton) QAbstractButton::mousePressEvent(e);
}

void PictureButton::mouseMoveEvent(QMouseEvent* e) {
    fire(&forms::Control::onMouseMove);
    QAbstractButton::mouseMoveEvent(e);
}

// ---- TextView

TextView::TextView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QWidget(parent), ControlView(window, control) {
    applyCommon();
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    if (control_.kind() == ControlKind::Label) setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TextView::refresh() {
    setVisible(control_.visible);
    setEnabled(control_.enabled);
    update();
}

void TextView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    const bool entry = control_.kind() == ControlKind::TextBox;
    const bool cell = control_.kind() == ControlKind::Cell;
    if (!control_.transparent) p.fillRect(r, qcolor(control_.backColor));
    if (entry) { // sunken box
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(224, 224, 224));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (cell && isFocused()) { // the cell the next keypad digit goes into
        p.setPen(QPen(QColor(0x20, 0x60, 0xFF), 2));
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 5, 5);
    }
    p.setFont(qfont(control_.font));
    p.setPen(isEnabled() ? qcolor(control_.foreColor) : QColor(150, 150, 150));
    int flags = Qt::TextWordWrap;
    switch (control_.align) {
    case forms::Align::Left:
        flags |= Qt::AlignLeft;
        break;
    case forms::Align::Center:
        flags |= Qt::AlignHCenter;
        break;
    case forms::Align::Right:
        flags |= Qt::AlignRight;
        break;
    }
    flags |= control_.kind() == ControlKind::Label ? Qt::AlignTop : Qt::AlignVCenter;
    const QRect textRect = entry ? r.adjusted(4, 0, -5, 0) : r;
    const QString text = QString::fromStdString(control_.text);
    p.drawText(textRect, flags, text);
    if ((entry || control_.caret) && isFocused() && isEnabled()) { // caret after the last digit
        // A centred cell's text ends half its width right of the centre.
        const int right =
            entry ? textRect.right() : textRect.center().x() + p.fontMetrics().horizontalAdvance(text) / 2;
        const int h = p.fontMetrics().height();
        const int top = r.center().y() - h / 2;
        p.setPen(QPen(qcolor(control_.foreColor), 2));
        p.drawLine(right + 2, top + 2, right + 2, top + h - 2);
    }
}

void TextView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        fire(&forms::Control::onClick);
}

// ---- PictureView

PictureView::PictureView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QWidget(parent), ControlView(window, control) {
    applyCommon();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureView::refresh() {
    setVisible(control_.visible);
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, pictures::image(control_.picture, size()));
}

// ---- FrameView

FrameView::FrameView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QWidget(parent), ControlView(window, control) {
    applyCommon();
}

void FrameView::refresh() {
    setVisible(control_.visible);
    setEnabled(control_.enabled);
    update();
}

void FrameView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolor(control_.backColor));
    const QFont font = qfont(control_.font);
    p.setFont(font);
    const QFontMetrics fm(font);
    const int mid = fm.height() / 2;
    const QString caption = QString::fromStdString(control_.text);
    const int captionWidth = fm.horizontalAdvance(caption) + 8;
    p.setPen(QColor(128, 128, 128));
    const QRect box = rect().adjusted(0, mid, -1, -1);
    p.drawLine(box.topLeft(), QPoint(6, box.top()));
    p.drawLine(QPoint(6 + captionWidth, box.top()), box.topRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.drawLine(box.bottomRight(), box.bottomLeft());
    p.drawLine(box.bottomLeft(), box.topLeft());
    p.setPen(isEnabled() ? qcolor(control_.foreColor) : QColor(128, 128, 128));
    p.drawText(QRect(10, 0, captionWidth, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

// ---- ListView

ListView::ListView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QComboBox(parent), ControlView(window, control) {
    applyCommon();
    setFont(qfont(control_.font));
    for (const std::string& item : control_.items)
        addItem(QString::fromStdString(item));
    connect(this, &QComboBox::activated, this, [this](int index) {
        forms::Control& c = control_;
        fire([&c, index] {
            c.listIndex = index;
            if (c.onClick) c.onClick();
        });
    });
}

void ListView::refresh() {
    setVisible(control_.visible);
    setEnabled(control_.enabled);
    if (currentIndex() != control_.listIndex) {
        const QSignalBlocker block(this);
        setCurrentIndex(control_.listIndex);
    }
}

void ListView::showPopup() {
    if (window_.isDetached()) return;
    fire(&forms::Control::onDropDown);
    QComboBox::showPopup();
}

void ListView::wheelEvent(QWheelEvent* e) {
    e->accept();
}

void ListView::keyPressEvent(QKeyEvent* e) {
    e->accept();
}

} // namespace view
