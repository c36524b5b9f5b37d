#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace lw::test {

// Acts on modal dialogs as they come up. Each step waits until the top modal
// dialog is of its type and then runs once; the call that opened the dialog
// returns when the step closes it. A step may open a dialog of its own (an
// unlock that shows a reminder): the next step acts on it meanwhile. Record what you see inside a step and
// assert afterwards: an assertion inside the timer cannot stop the test.
class ModalDriver : public QObject {
public:
    ModalDriver()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
        timer_.start();
    }

    template <typename Dialog> void then(std::function<void(Dialog&)> act)
    {
        steps_.push_back({[](QWidget* w) {
                              auto* d = qobject_cast<Dialog*>(w);
                              return d && d->isVisible();
                          },
                          [act](QWidget* w) { act(*qobject_cast<Dialog*>(w)); }});
    }

    int stepsLeft() const { return int(steps_.size()); }

private:
    void poll()
    {
        if (steps_.empty())
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !steps_.front().matches(modal))
            return;
        const Step step = steps_.front();
        steps_.pop_front();
        // Run outside this timer's call: a timer does not fire again while its
        // call is running, and the step may open a dialog the next step needs.
        QTimer::singleShot(0, this, [step, dialog = QPointer<QWidget>(modal)] {
            if (dialog)
                step.act(dialog);
        });
    }

    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    QTimer timer_;
    std::deque<Step> steps_;
};

} // namespace lw::test
