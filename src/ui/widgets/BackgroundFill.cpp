#include "ui/widgets/BackgroundFill.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <vector>

namespace lw {

namespace {

using Draw = std::function<void(QPainter&, int size)>;

struct Texture {
    const char* name;
    QColor ground;
    QColor ink;
    int size; // of the square tile the pattern repeats on
    Draw draw;
};

// Each texture is a pale ground with a slightly darker pattern repeated on a
// small square tile, quiet enough for the labels on top to stay readable.
const std::vector<Texture>& textures()
{
    static const std::vector<Texture> all = {
        {"Adobe",
         {236, 214, 190},
         {222, 194, 166},
         24,
         [](QPainter& p, int) {
             for (QPoint d : {QPoint(3, 5), QPoint(15, 2), QPoint(9, 13), QPoint(20, 17), QPoint(4, 20)})
                 p.drawEllipse(d, 1, 1);
         }},
        {"Alcatraz",
         {214, 216, 218},
         {182, 186, 190},
         16,
         [](QPainter& p, int s) {
             p.drawLine(4, 0, 4, s);
             p.drawLine(5, 0, 5, s);
         }},
        {"ElPaso",
         {240, 224, 196},
         {222, 196, 158},
         16,
         [](QPainter& p, int s) {
             p.drawPolyline(QPolygon({{0, 12}, {s / 4, 4}, {s / 2, 12}, {3 * s / 4, 4}, {s, 12}}));
         }},
        {"Hanoi",
         {218, 234, 214},
         {192, 216, 186},
         20,
         [](QPainter& p, int s) {
             p.drawLine(6, 0, 6, s);
             p.drawLine(3, 10, 9, 10);
         }},
        {"Holes",
         {226, 226, 226},
         {196, 196, 196},
         12,
         [](QPainter& p, int) {
             p.setBrush(p.pen().color());
             p.drawEllipse(QPoint(6, 6), 2, 2);
         }},
        {"Hollywood",
         {244, 234, 204},
         {226, 204, 144},
         24,
         [](QPainter& p, int) {
             QPolygon star;
             for (int i = 0; i < 10; ++i) {
                 const double r = i % 2 ? 2.0 : 5.0, a = i * M_PI / 5 - M_PI / 2;
                 star << QPoint(12 + qRound(r * std::cos(a)), 12 + qRound(r * std::sin(a)));
             }
             p.setBrush(p.pen().color());
             p.drawPolygon(star);
         }},
        {"Honolulu",
         {212, 236, 240},
         {182, 216, 226},
         24,
         [](QPainter& p, int s) {
             QPainterPath wave(QPointF(0, 12));
             wave.cubicTo(s / 4.0, 6, s / 4.0, 6, s / 2.0, 12);
             wave.cubicTo(3 * s / 4.0, 18, 3 * s / 4.0, 18, s, 12);
             p.drawPath(wave);
         }},
        {"London",
         {220, 222, 230},
         {196, 200, 214},
         8,
         [](QPainter& p, int s) {
             p.drawLine(0, 0, s, s);
             p.drawLine(0, s, s, 0);
         }},
        {"Manhattan",
         {228, 228, 222},
         {204, 204, 192},
         16,
         [](QPainter& p, int) {
             p.drawRect(2, 2, 4, 6);
             p.drawRect(10, 2, 4, 6);
             p.drawRect(2, 10, 4, 4);
             p.drawRect(10, 10, 4, 4);
         }},
        {"Orleans",
         {230, 220, 236},
         {212, 196, 222},
         16,
         [](QPainter& p, int s) {
             p.setBrush(p.pen().color());
             p.drawPolygon(QPolygon({{s / 2, 0}, {s, s / 2}, {s / 2, s}, {0, s / 2}}));
         }},
        {"Oshawa",
         {222, 230, 242},
         {204, 216, 234},
         16,
         [](QPainter& p, int s) {
             p.fillRect(0, 0, s / 2, s / 2, p.pen().color());
             p.fillRect(s / 2, s / 2, s / 2, s / 2, p.pen().color());
         }},
        {"Philadelphia",
         {238, 222, 214},
         {214, 184, 170},
         16,
         [](QPainter& p, int s) {
             p.drawLine(0, 0, s, 0);
             p.drawLine(0, s / 2, s, s / 2);
             p.drawLine(0, 0, 0, s / 2);
             p.drawLine(s / 2, s / 2, s / 2, s);
         }},
        {"Pittsburg",
         {210, 212, 214},
         {188, 190, 194},
         12,
         [](QPainter& p, int s) {
             p.setPen(QPen(p.pen().color(), 3));
             p.drawLine(0, s, s, 0);
             p.drawLine(-s / 2, s / 2, s / 2, -s / 2);
             p.drawLine(s / 2, s + s / 2, s + s / 2, s / 2);
         }},
        {"Sahara",
         {244, 232, 204},
         {230, 212, 170},
         32,
         [](QPainter& p, int s) {
             p.drawArc(QRect(-8, 8, s + 16, 32), 30 * 16, 120 * 16);
             p.drawArc(QRect(-s / 2 - 8, -8, s + 16, 32), 30 * 16, 120 * 16);
             p.drawArc(QRect(s / 2 - 8, -8, s + 16, 32), 30 * 16, 120 * 16);
         }},
    };
    return all;
}

QPixmap makeTile(const Texture& t)
{
    QPixmap tile(t.size, t.size);
    tile.fill(t.ground);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(t.ink, 1));
    t.draw(p, t.size);
    return tile;
}

} // namespace

BackgroundFill::BackgroundFill(QWidget* parent) : QWidget(parent)
{
}

const QStringList& BackgroundFill::styleNames()
{
    static const QStringList names = {
        "Adobe",     "Alcatraz", "ElPaso",  "Hanoi",  "Holes",        "Hollywood", "Honolulu", "London",
        "Manhattan", "None",     "Orleans", "Oshawa", "Philadelphia", "Pittsburg", "Sahara",
    };
    return names;
}

void BackgroundFill::setStyleName(const QString& name)
{
    m_name = QStringLiteral("None");
    m_tile = QPixmap();
    for (const Texture& t : textures()) {
        if (name == QLatin1String(t.name)) {
            m_name = name;
            m_tile = makeTile(t);
        }
    }
    update();
}

void BackgroundFill::paintEvent(QPaintEvent* event)
{
    if (m_tile.isNull())
        return;
    QPainter p(this);
    p.drawTiledPixmap(event->rect(), m_tile, event->rect().topLeft());
}

} // namespace lw
