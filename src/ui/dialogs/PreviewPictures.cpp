#include "PreviewPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lw {
namespace {

const QColor kInk(0, 0, 128);
const QColor kPaper(255, 255, 255);

void page(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void triangle(QPainter& p, qreal x, bool pointsLeft)
{
    QPainterPath path;
    const qreal tip = pointsLeft ? x : x + 7;
    const qreal base = pointsLeft ? x + 7 : x;
    path.moveTo(tip, 10);
    path.lineTo(base, 4);
    path.lineTo(base, 16);
    path.closeSubpath();
    p.fillPath(path, kInk);
}

void magnifier(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 10, 10));
    p.drawLine(QPointF(12, 12), QPointF(17, 17));
}

} // namespace

QIcon PreviewIcon(PreviewPicture picture)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = p.font();
    small.setPixelSize(7);
    small.setBold(true);
    switch (picture) {
    case PreviewPicture::Zoom100:
        magnifier(p);
        p.setFont(small);
        p.drawText(QRectF(3, 3, 10, 10), Qt::AlignCenter, QStringLiteral("1"));
        break;
    case PreviewPicture::ZoomToFit:
        page(p, QRectF(5.5, 2.5, 9, 15));
        p.setPen(QPen(kInk, 1.5));
        p.drawRect(QRectF(2.5, 1.5, 15, 17));
        break;
    case PreviewPicture::ZoomToWidth:
        page(p, QRectF(2.5, 4.5, 15, 13));
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(2, 2), QPointF(18, 2));
        p.drawLine(QPointF(2, 2), QPointF(5, 0));
        p.drawLine(QPointF(18, 2), QPointF(15, 0));
        break;
    case PreviewPicture::First:
        p.fillRect(QRectF(4, 4, 2, 12), kInk);
        triangle(p, 7, true);
        break;
    case PreviewPicture::Previous:
        triangle(p, 6, true);
        break;
    case PreviewPicture::Next:
        triangle(p, 7, false);
        break;
    case PreviewPicture::Last:
        triangle(p, 6, false);
        p.fillRect(QRectF(14, 4, 2, 12), kInk);
        break;
    case PreviewPicture::Print:
        page(p, QRectF(5.5, 1.5, 9, 7));
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(190, 190, 200));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 8), 1.5, 1.5);
        page(p, QRectF(5.5, 12.5, 9, 6));
        break;
    case PreviewPicture::SavePdf:
        page(p, QRectF(3.5, 1.5, 13, 17));
        p.setFont(small);
        p.setPen(QColor(180, 0, 0));
        p.drawText(QRectF(2, 6, 16, 8), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace lw
