#include "ui/widgets/PictureButton.h"

#include <QEnterEvent>
#include <QPainter>

namespace lw {

namespace {
constexpr int kGap = 2; // between the picture and the caption
constexpr int kMargin = 2; // around the contents
} // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureButton::setUpPicture(const QPixmap& picture)
{
    m_up = picture;
    pictureChanged();
}

void PictureButton::setDownPicture(const QPixmap& picture)
{
    m_down = picture;
    pictureChanged();
}

void PictureButton::setDisabledPicture(const QPixmap& picture)
{
    m_disabled = picture;
    pictureChanged();
}

void PictureButton::setCaptionPlace(CaptionPlace place)
{
    m_place = place;
    pictureChanged();
}

void PictureButton::pictureChanged()
{
    updateGeometry();
    repaint();
}

QPixmap PictureButton::currentPicture() const
{
    if (!isEnabled() && !m_disabled.isNull())
        return m_disabled;
    if (isDown() && !m_down.isNull())
        return m_down;
    return m_up;
}

QSize PictureButton::captionSize() const
{
    if (text().isEmpty())
        return {0, 0};
    return fontMetrics().size(Qt::TextShowMnemonic, text());
}

QSize PictureButton::sizeHint() const
{
    const QSize picture = m_up.deviceIndependentSize().toSize();
    const QSize caption = captionSize();
    const int gap = caption.isEmpty() || picture.isEmpty() ? 0 : kGap;
    QSize size = m_place == CaptionPlace::Below
                     ? QSize(qMax(picture.width(), caption.width()), picture.height() + gap + caption.height())
                     : QSize(picture.width() + gap + caption.width(), qMax(picture.height(), caption.height()));
    return size + QSize(2 * kMargin, 2 * kMargin);
}

// Below: the caption sits on the bottom of the button and the picture is
// centred in the room above it, so that buttons of one height in a row have
// their captions on one line. Beside: both centred side by side.
void PictureButton::placeContents(QRect& pictureRect, QRect& captionRect) const
{
    const QSize ps = currentPicture().deviceIndependentSize().toSize();
    const QSize cs = captionSize();
    const int gap = cs.isEmpty() || ps.isEmpty() ? 0 : kGap;
    // Without a pressed picture, a held-down button nudges its contents.
    const int nudge = isDown() && m_down.isNull() ? 1 : 0;
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin).translated(nudge, nudge);

    if (m_place == CaptionPlace::Below) {
        const int captionTop = area.bottom() + 1 - cs.height();
        const int room = captionTop - gap - area.top();
        pictureRect =
            QRect(QPoint(area.left() + (area.width() - ps.width()) / 2, area.top() + (room - ps.height()) / 2), ps);
        captionRect = QRect(area.left(), captionTop, area.width(), cs.height());
    } else {
        const int left = area.left() + (area.width() - ps.width() - gap - cs.width()) / 2;
        pictureRect = QRect(QPoint(left, area.top() + (area.height() - ps.height()) / 2), ps);
        captionRect = QRect(left + ps.width() + gap, area.top(), cs.width(), area.height());
    }
}

QRect PictureButton::pictureRect() const
{
    QRect picture, caption;
    placeContents(picture, caption);
    return picture;
}

QRect PictureButton::captionRect() const
{
    QRect picture, caption;
    placeContents(picture, caption);
    return caption;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap picture = currentPicture();
    QRect pictureRect, captionRect;
    placeContents(pictureRect, captionRect);
    if (!picture.isNull())
        p.drawPixmap(pictureRect, picture);
    if (text().isEmpty())
        return;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::ButtonText));
    } else { // engraved, so that it stays legible on a grey toolbar
        p.setPen(palette().color(QPalette::Light));
        p.drawText(captionRect.translated(1, 1), flags, text());
        p.setPen(QColor(128, 128, 128));
    }
    p.drawText(captionRect, flags, text());
}

// Qt delivers Enter and Leave to disabled widgets as well (only input events
// are withheld from them), so these run in both states.
void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    emit mouseEntered();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    emit mouseLeft();
}

void PictureButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

} // namespace lw
