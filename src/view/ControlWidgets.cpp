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

bool Look::operator==(const Look& o) const {
    return place == o.place && visible == o.visible && enabled == o.enabled && checked == o.checked &&
           focused == o.focused && listIndex == o.listIndex && text == o.text && picture == o.picture &&
           foreColor == o.foreColor && backColor == o.backColor && sameFont(font, o.font) &&
           transparent == o.transparent && align == o.align;
}

void ControlView::read(Look& into) const {
    const forms::Control& c = control_;
    into.place = pxRect(c);
    into.visible = c.visible;
    into.enabled = c.enabled;
    into.checked = c.checked;
    into.focused = showsFocus() && c.form().focus() == &c;
    into.listIndex = c.listIndex;
    into.text = c.text;
    into.picture = c.checked && !c.pictureChecked.empty() ? c.pictureChecked : c.picture;
    into.foreColor = c.foreColor;
    into.backColor = c.backColor;
    into.font = c.font;
    into.transparent = c.transparent;
    into.align = c.align;
}

void ControlView::refresh() {
    read(next_);
    if (applied_ && next_ == shown_) return;
    std::swap(shown_, next_);
    QWidget* w = widget();
    if (!applied_ || shown_.place != next_.place) w->setGeometry(shown_.place);
    applied_ = true;
    restyle();
    w->setEnabled(shown_.enabled);
    w->setVisible(shown_.visible);
    w->update();
}

void ControlView::applyCommon() {
    QWidget* w = widget();
    w->setObjectName(QString::fromStdString(control_.name()));
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

void PictureButton::restyle() {
    const std::string& pic = look().picture;
    const QSize size = look().place.size();
    const QSize natural = pictures::naturalSize(pic);
    hasPicture_ = pictures::exists(pic);
    // An icon narrower than half the button yet taller than half of it sits on a face.
    onFace_ = hasPicture_ && natural.width() * 2 < size.width() && natural.height() * 2 > size.height();
    if (onFace_) {
        iconPlace_ = QRect(QPoint(0, 0), natural.boundedTo(size));
        iconPlace_.moveCenter(QRect(QPoint(0, 0), size).center());
    } else {
        iconPlace_ = QRect(QPoint(0, 0), size);
    }
    caption_ = QString::fromStdString(control_.name());
    image_ = QImage();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool greyed = !isEnabled();
    if (hasPicture_ && (image_.isNull() || imageGreyed_ != greyed)) {
        image_ = pictures::image(look().picture, iconPlace_.size(), greyed);
        imageGreyed_ = greyed;
    }
    const QColor back = qcolor(look().backColor);
    if (onFace_) {
        // An icon on a button face (the loudspeaker): the face in the button's colour,
        // the icon in its middle at its own size.
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient face(0, 0, 0, height());
        face.setColorAt(0, back.lighter(115));
        face.setColorAt(1, back.darker(110));
        p.setPen(QPen(back.darker(160), 1.5));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
        p.drawImage(iconPlace_.topLeft(), image_);
    } else if (hasPicture_) {
        p.drawImage(0, 0, image_);
    } else {
        p.fillRect(rect(), back);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect(), Qt::AlignCenter, caption_);
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

void TextView::restyle() {
    font_ = qfont(look().font);
    text_ = QString::fromStdString(look().text);
    flags_ = Qt::TextWordWrap;
    switch (look().align) {
    case forms::Align::Left:
        flags_ |= Qt::AlignLeft;
        break;
    case forms::Align::Center:
        flags_ |= Qt::AlignHCenter;
        break;
    case forms::Align::Right:
        flags_ |= Qt::AlignRight;
        break;
    }
    flags_ |= control_.kind() == ControlKind::Label ? Qt::AlignTop : Qt::AlignVCenter;
    lineHeight_ = QFontMetrics(font_).height();
    textWidth_ = QFontMetrics(font_).horizontalAdvance(text_);
}

bool TextView::showsFocus() const {
    return control_.kind() != ControlKind::Label;
}

void TextView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    const bool entry = control_.kind() == ControlKind::TextBox;
    const bool cell = control_.kind() == ControlKind::Cell;
    const QColor fore = qcolor(look().foreColor);
    if (!look().transparent) p.fillRect(r, qcolor(look().backColor));
    if (entry) { // sunken box
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(224, 224, 224));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (cell && look().focused) { // the cell the next keypad digit goes into
        p.setPen(QPen(QColor(0x20, 0x60, 0xFF), 2));
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 5, 5);
    }
    p.setFont(font_);
    p.setPen(isEnabled() ? fore : QColor(150, 150, 150));
    const QRect textRect = entry ? r.adjusted(4, 0, -5, 0) : r;
    p.drawText(textRect, flags_, text_);
    if ((entry || control_.caret) && look().focused && isEnabled()) { // caret after the last digit
        // A centred cell's text ends half its width right of the centre.
        const int right = entry ? textRect.right() : textRect.center().x() + textWidth_ / 2;
        const int top = r.center().y() - lineHeight_ / 2;
        p.setPen(QPen(fore, 2));
        p.drawLine(right + 2, top + 2, right + 2, top + lineHeight_ - 2);
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

void PictureView::restyle() {
    image_ = pictures::image(look().picture, look().place.size());
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

// ---- FrameView

FrameView::FrameView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QWidget(parent), ControlView(window, control) {
    applyCommon();
}

void FrameView::restyle() {
    font_ = qfont(look().font);
    const QFontMetrics fm(font_);
    caption_ = QString::fromStdString(look().text);
    captionWidth_ = fm.horizontalAdvance(caption_) + 8;
    lineHeight_ = fm.height();
}

void FrameView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolor(look().backColor));
    p.setFont(font_);
    const int mid = lineHeight_ / 2;
    p.setPen(QColor(128, 128, 128));
    const QRect box = rect().adjusted(0, mid, -1, -1);
    p.drawLine(box.topLeft(), QPoint(6, box.top()));
    p.drawLine(QPoint(6 + captionWidth_, box.top()), box.topRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.drawLine(box.bottomRight(), box.bottomLeft());
    p.drawLine(box.bottomLeft(), box.topLeft());
    p.setPen(isEnabled() ? qcolor(look().foreColor) : QColor(128, 128, 128));
    p.drawText(QRect(10, 0, captionWidth_, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

// ---- ListView

ListView::ListView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QComboBox(parent), ControlView(window, control) {
    applyCommon();
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

void ListView::restyle() {
    setFont(qfont(look().font));
}

void ListView::refresh() {
    ControlView::refresh();
    // A choice in the open list moves the widget before the form hears of it, and the
    // handler may undo it: compare with the widget, not with what was shown last.
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
