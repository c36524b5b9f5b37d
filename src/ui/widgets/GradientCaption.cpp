#include "ui/widgets/GradientCaption.h"

#include <QEvent>
#include <QPainter>

namespace lw {

namespace {
constexpr int kTextIndent = 6;

QColor blend(QColor from, QColor to, int step)
{
    const int last = GradientCaption::kSteps - 1;
    auto mix = [&](int a, int b) { return a + (b - a) * step / last; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}
} // namespace

GradientCaption::GradientCaption(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void GradientCaption::setText(const QString& text)
{
    m_text = text;
    update();
}

QColor GradientCaption::bandColor(int step, bool active)
{
    return active ? blend(Qt::black, QColor(0, 0, 128), step)
                  : blend(QColor(128, 128, 128), QColor(192, 192, 192), step);
}

QSize GradientCaption::sizeHint() const
{
    return {200, fontMetrics().height() + 6};
}

void GradientCaption::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool active = isActiveWindow();
    const int w = width();
    for (int i = 0; i < kSteps; ++i) {
        const int left = i * w / kSteps;
        const int right = (i + 1) * w / kSteps;
        p.fillRect(left, 0, right - left, height(), bandColor(i, active));
    }
    p.setPen(active ? QColor(Qt::white) : QColor(192, 192, 192));
    p.drawText(rect().adjusted(kTextIndent, 0, -kTextIndent, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               m_text);
}

void GradientCaption::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    emit hovered();
}

// A window's activation reaches its child widgets as WindowActivate and
// WindowDeactivate; the strip repaints in the new colours on either.
bool GradientCaption::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        update();
    return QWidget::event(event);
}

} // namespace lw
