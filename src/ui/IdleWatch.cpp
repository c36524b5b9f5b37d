#include "IdleWatch.h"

#include "store/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

namespace lw {
namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

} // namespace

IdleWatch::IdleWatch(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &IdleWatch::check);
    // Every event of the program passes here first.
    QCoreApplication::instance()->installEventFilter(this);
}

void IdleWatch::setLimit(int minutes)
{
    minutes_ = std::max(minutes, 0);
    lastInput_ = clock_.now();
    told_ = false;
    if (minutes_ == 0)
        timer_.stop();
    else
        timer_.start(int(limitMs()));
}

void IdleWatch::check()
{
    if (minutes_ == 0 || told_)
        return;
    const qint64 idleMs = lastInput_.msecsTo(clock_.now());
    if (idleMs < limitMs()) {
        timer_.start(int(limitMs() - std::max<qint64>(idleMs, 0)));
        return;
    }
    timer_.stop();
    told_ = true;
    emit idle();
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (isInput(event->type())) {
        lastInput_ = clock_.now();
        told_ = false;
        if (minutes_ > 0 && !timer_.isActive())
            timer_.start(int(limitMs()));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lw
