#include "ui/DialogPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace lw {

namespace {

// Whether BeginBusy put an hourglass on the override cursor stack.
bool busy = false;

QRect outerRect(const QWidget* w)
{
    if (w->isWindow())
        return w->frameGeometry();
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

void CenterOver(QWidget* owner, QWidget* dialog)
{
    if (!dialog)
        return;
    QRect area;
    if (owner) {
        area = outerRect(owner);
    } else if (QScreen* screen = dialog->screen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    const QSize size = dialog->frameGeometry().size();
    dialog->move(area.left() + area.width() / 2 - size.width() / 2, area.top() + area.height() / 2 - size.height() / 2);
}

void BeginBusy()
{
    if (busy || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    busy = true;
}

void EndBusy()
{
    if (!busy)
        return;
    QGuiApplication::restoreOverrideCursor();
    busy = false;
}

bool IsBusy()
{
    return busy;
}

} // namespace lw
