#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <functional>

namespace lw {

// Lets a window see every key pressed in it before the control with the
// focus does: the handler gets each key press on the window or any of its
// controls and returns true to keep the key from the control. Lives as long
// as the window.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent*)>;

    static KeyPreview* install(QWidget* window, Handler handler)
    {
        auto* preview = new KeyPreview(window, std::move(handler));
        qApp->installEventFilter(preview);
        return preview;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != window_)
            return false;
        return handler_(static_cast<QKeyEvent*>(event));
    }

private:
    KeyPreview(QWidget* window, Handler handler) : QObject(window), window_(window), handler_(std::move(handler)) { }

    QWidget* window_;
    Handler handler_;
};

} // namespace lw
