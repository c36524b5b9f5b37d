#pragma once

#include <QApplication>
#include <QMetaObject>
#include <functional>
#include <memory>

namespace lw::test {

// Acts on the next modal window of type T from inside the modal loop that
// shows it: the action is posted to the event queue and looks again at each
// pass until the window is on screen. Destroying the object withdraws an
// action that has not run.
template <class T> class WhenModal {
public:
    explicit WhenModal(std::function<void(T*)> action) : state_(std::make_shared<State>())
    {
        state_->action = std::move(action);
        post(state_, 100000);
    }
    ~WhenModal() { state_->withdrawn = true; }
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

    bool ran() const { return state_->ran; }

private:
    struct State {
        std::function<void(T*)> action;
        bool ran = false;
        bool withdrawn = false;
    };

    static void post(std::shared_ptr<State> state, int passesLeft)
    {
        QMetaObject::invokeMethod(
            qApp,
            [state, passesLeft] {
                if (state->withdrawn || state->ran)
                    return;
                T* window = qobject_cast<T*>(QApplication::activeModalWidget());
                if (window && window->isVisible()) {
                    state->ran = true;
                    state->action(window);
                } else if (passesLeft > 0) {
                    post(state, passesLeft - 1);
                }
            },
            Qt::QueuedConnection);
    }

    std::shared_ptr<State> state_;
};

} // namespace lw::test
