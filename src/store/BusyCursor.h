#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace lw {

// Shows the hourglass for its lifetime; does nothing without a GUI application.
class BusyCursor {
public:
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (active_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool active_;
};

// Lets the user interface handle what is waiting, when there is one.
inline void ProcessPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace lw
