#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace lw {

// Hands the events of one object to a function first; the function returns
// true to stop an event there. Lives as long as the object it watches.
class EventHook : public QObject {
public:
    using Handler = std::function<bool(QEvent*)>;

    static EventHook* install(QObject* watched, Handler handler)
    {
        auto* hook = new EventHook(watched, std::move(handler));
        watched->installEventFilter(hook);
        return hook;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

private:
    EventHook(QObject* watched, Handler handler) : QObject(watched), handler_(std::move(handler)) { }
    Handler handler_;
};

} // namespace lw
