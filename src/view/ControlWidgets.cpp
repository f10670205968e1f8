#include "view/ControlWidgets.h"

#include "forms/Form.h"
#include "view/FormWindow.h"
#include "view/Pictures.h"
#include "view/Units.h"

#include <QGlyphRun>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <cmath>

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

void TextBlock::set(const QString& text, const QFont& font, int width) {
    layout_.setText(text);
    layout_.setFont(font);
    layout_.setCacheEnabled(true); // the shaped glyphs are kept for every later paint
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout_.setTextOption(option);
    // Whole-pixel leading and line places, as drawText has them.
    const int leading = QFontMetrics(font).leading();
    height_ = -leading;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        height_ = std::ceil(height_ + leading);
        line.setPosition(QPointF(0, height_));
        height_ += line.height();
    }
    layout_.endLayout();
    height_ = std::max<qreal>(height_, 0);
    ink_.assign(static_cast<std::size_t>(layout_.lineCount()), std::nullopt);
}

const std::vector<TextBlock::Ink>& TextBlock::ink(int line) const {
    std::optional<std::vector<Ink>>& known = ink_[static_cast<std::size_t>(line)];
    if (!known) {
        known.emplace();
        for (const QGlyphRun& run : layout_.lineAt(line).glyphRuns()) {
            Ink& in = known->emplace_back(Ink{run, {}});
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g) // anti-aliasing reaches a pixel beyond
                in.boxes.push_back(
                    run.rawFont().boundingRect(glyphs[g]).translated(at[g]).adjusted(-1, -1, 1, 1));
        }
    }
    return *known;
}

QPointF TextBlock::origin(const QTextLine& line, const QRect& r, int flags) const {
    qreal y = r.y();
    if (flags & Qt::AlignVCenter)
        y += std::round((r.height() - height_) / 2);
    else if (flags & Qt::AlignBottom)
        y += std::round(r.height() - height_);
    const qreal free = r.width() - line.horizontalAdvance();
    qreal x = r.x();
    if (flags & Qt::AlignRight)
        x += free;
    else if (flags & Qt::AlignHCenter)
        x += free / 2;
    return {x, y};
}

void TextBlock::draw(QPainter& p, const QRect& r, int flags, const QRect& exposedArea) const {
    const QRectF exposed(exposedArea);
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        const QPointF at = origin(line, r, flags);
        const QRectF place(at.x(), at.y() + line.y(), line.horizontalAdvance(), line.height());
        if (exposed.isEmpty() || exposed.contains(place)) {
            line.draw(&p, at);
            continue;
        }
        if (!exposed.intersects(place)) continue;
        // A strip along the line's edge (a blinking neighbour) meets few glyphs, often none:
        // only those are worth drawing.
        const QRectF within = exposed.translated(-at);
        for (const Ink& in : ink(i)) {
            QList<quint32> glyphs;
            QList<QPointF> positions;
            for (std::size_t g = 0; g < in.boxes.size(); ++g) {
                if (!in.boxes[g].intersects(within)) continue;
                glyphs.append(in.run.glyphIndexes()[qsizetype(g)]);
                positions.append(in.run.positions()[qsizetype(g)]);
            }
            if (glyphs.isEmpty()) continue;
            QGlyphRun some = in.run;
            some.setGlyphIndexes(glyphs);
            some.setPositions(positions);
            p.drawGlyphRun(at, some);
        }
    }
}

bool TextBlock::reaches(const QRect& r, int flags, const QRect& exposed) const {
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QRectF within = QRectF(exposed).translated(-origin(layout_.lineAt(i), r, flags));
        for (const Ink& in : ink(i))
            for (const QRectF& box : in.boxes)
                if (box.intersects(within)) return true;
    }
    return false;
}

// The picture a control shows: a ticked check box may have a picture of its own.
static const std::string& pictureOf(const forms::Control& c) {
    return c.checked && !c.pictureChecked.empty() ? c.pictureChecked : c.picture;
}

bool Look::shows(const forms::Control& c, bool focus) const {
    return place == pxRect(c) && enabled == c.isEnabled() && checked == c.checked && focused == focus &&
           listIndex == c.listIndex && text == c.text && picture == pictureOf(c) &&
           foreColor == c.foreColor && backColor == c.backColor && font == c.font &&
           transparent == c.transparent && align == c.align;
}

void Look::read(const forms::Control& c, bool focus) {
    place = pxRect(c);
    visible = c.visible;
    // Switched off in a switched-off frame too: the widget greys as the frame does.
    enabled = c.isEnabled();
    checked = c.checked;
    focused = focus;
    listIndex = c.listIndex;
    text = c.text;
    picture = pictureOf(c);
    foreColor = c.foreColor;
    backColor = c.backColor;
    font = c.font;
    transparent = c.transparent;
    align = c.align;
}

void ControlView::refresh() {
    const forms::Control& c = control_;
    const bool focused = showsFocus() && c.form().focus() == &c;
    const bool redraw = !applied_ || !shown_.shows(c, focused);
    const bool toggled = c.visible != shown_.visible;
    // Showing or hiding alone redraws nothing: Qt paints what appears or is uncovered.
    if (!redraw && !toggled) return;
    QWidget* w = widget();
    if (redraw) {
        const QRect was = shown_.place;
        shown_.read(c, focused);
        if (!applied_ || shown_.place != was) w->setGeometry(shown_.place);
        applied_ = true;
        prepared_ = false;
        w->setEnabled(shown_.enabled);
        w->update();
    }
    shown_.visible = c.visible;
    if (!hidesByPainting())
        w->setVisible(shown_.visible);
    else if (toggled)
        w->update();
}

void ControlView::prepareIfChanged() {
    if (prepared_) return;
    prepare();
    prepared_ = true;
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
    : QAbstractButton(parent), ControlView(window, control),
      caption_(QString::fromStdString(control.name())) {
    applyCommon();
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, [this] {
        forms::Control& c = control_;
        fire([&c] { c.click(); });
    });
}

void PictureButton::prepare() {
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
    image_ = hasPicture_ ? pictures::image(pic, iconPlace_.size(), !look().enabled) : QImage();
}

void PictureButton::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paint(p, e->rect());
}

void PictureButton::paint(QPainter& p, const QRect&) {
    prepareIfChanged();
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

void TextView::prepare() {
    flags_ = 0;
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
    const QFont font = qfont(look().font);
    const QString text = QString::fromStdString(look().text);
    lineHeight_ = QFontMetrics(font).height();
    textWidth_ = QFontMetrics(font).horizontalAdvance(text);
    text_.set(text, font, textPlace().width());
}

// Entry boxes keep their digits off the sunken edge.
QRect TextView::textPlace() const {
    const QRect r(QPoint(0, 0), look().place.size());
    return control_.kind() == ControlKind::TextBox ? r.adjusted(4, 0, -5, 0) : r;
}

bool TextView::showsFocus() const {
    return control_.kind() != ControlKind::Label;
}

// A see-through label uncovered along its edge (a blinking neighbour) often has nothing
// to draw there.
bool TextView::drawsNothing(const QRect& exposed) {
    prepareIfChanged();
    const bool marks = control_.kind() == ControlKind::TextBox ||
                       (look().focused && (control_.kind() == ControlKind::Cell || control_.caret));
    return look().transparent && !marks && !exposed.contains(rect()) &&
           !text_.reaches(textPlace(), flags_, exposed);
}

void TextView::paintEvent(QPaintEvent* e) {
    if (drawsNothing(e->rect())) return;
    QPainter p(this);
    paint(p, e->rect());
}

void TextView::paint(QPainter& p, const QRect& exposed) {
    prepareIfChanged();
    const bool entry = control_.kind() == ControlKind::TextBox;
    const bool cell = control_.kind() == ControlKind::Cell;
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
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
    p.setPen(look().enabled ? fore : QColor(150, 150, 150));
    const QRect textRect = textPlace();
    text_.draw(p, textRect, flags_, exposed);
    if ((entry || control_.caret) && look().focused && look().enabled) { // caret after the last digit
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

void PictureView::prepare() {
    image_ = pictures::image(look().picture, look().place.size());
}

void PictureView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paint(p, e->rect());
}

void PictureView::paint(QPainter& p, const QRect&) {
    if (!look().visible) return;
    prepareIfChanged();
    p.drawImage(0, 0, image_);
}

// ---- FrameView

FrameView::FrameView(FormWindow& window, forms::Control& control, QWidget* parent)
    : QWidget(parent), ControlView(window, control) {
    applyCommon();
}

void FrameView::prepare() {
    const QFont font = qfont(look().font);
    const QFontMetrics fm(font);
    const QString caption = QString::fromStdString(look().text);
    captionWidth_ = fm.horizontalAdvance(caption) + 8;
    lineHeight_ = fm.height();
    caption_.set(caption, font, captionWidth_);
}

void FrameView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paint(p, e->rect());
}

void FrameView::paint(QPainter& p, const QRect&) {
    prepareIfChanged();
    p.fillRect(rect(), qcolor(look().backColor));
    const int mid = lineHeight_ / 2;
    p.setPen(QColor(128, 128, 128));
    const QRect box = rect().adjusted(0, mid, -1, -1);
    p.drawLine(box.topLeft(), QPoint(6, box.top()));
    p.drawLine(QPoint(6 + captionWidth_, box.top()), box.topRight());
    p.drawLine(box.topRight(), box.bottomRight());
    p.drawLine(box.bottomRight(), box.bottomLeft());
    p.drawLine(box.bottomLeft(), box.topLeft());
    p.setPen(look().enabled ? qcolor(look().foreColor) : QColor(128, 128, 128));
    caption_.draw(p, QRect(10, 0, captionWidth_, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter);
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

void ListView::refresh() {
    ControlView::refresh();
    prepareIfChanged(); // at once: the font sets the list's own size and its popup's
    // A choice in the open list moves the widget before the form hears of it, and the
    // handler may undo it: compare with the widget, not with what was shown last.
    if (currentIndex() != control_.listIndex) {
        const QSignalBlocker block(this);
        setCurrentIndex(control_.listIndex);
    }
}

void ListView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    paint(p, e->rect());
}

// What QComboBox draws, on any painter.
void ListView::paint(QPainter& p, const QRect&) {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    p.setPen(palette().color(QPalette::Text));
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &p, this);
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &p, this);
}

void ListView::prepare() {
    setFont(qfont(look().font));
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
