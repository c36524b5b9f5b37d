#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace lw::test {

// Acts on modal dialogs as they come up. Each step waits until the top modal
// dialog is of its type and then runs once; the call that opened the dialog
// returns when the step closes it. Record what you see inside a step and
// assert afterwards: an assertion inside the timer cannot stop the test.
class ModalDriver : public QObject {
public:
    ModalDriver()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
        timer_.start();
    }

    template <typename Dialog>
    void then(std::function<void(Dialog&)> act)
    {
        steps_.push_back([act](QWidget* w) {
            auto* d = qobject_cast<Dialog*>(w);
            if (!d || !d->isVisible())
                return false;
            act(*d);
            return true;
        });
    }

    int stepsLeft() const { return int(steps_.size()); }

private:
    void poll()
    {
        if (steps_.empty() || busy_)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        busy_ = true;
        const auto step = steps_.front();
        if (step(modal))
            steps_.pop_front();
        busy_ = false;
    }

    QTimer timer_;
    std::deque<std::function<bool(QWidget*)>> steps_;
    bool busy_ = false;
};

} // namespace lw::test
