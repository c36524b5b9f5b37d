#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace lw {

class Clock;

// Tells when the program has had no keyboard or pointer input in any of its
// windows for a set number of minutes. The time is measured by the clock;
// the timer only says when to look.
class IdleWatch : public QObject {
    Q_OBJECT
public:
    explicit IdleWatch(const Clock& clock, QObject* parent = nullptr);

    // 0 turns the watch off. The spell counts from now.
    void setLimit(int minutes);
    int limit() const { return minutes_; }

    // The timer's call: idle() once the limit has passed since the last
    // input; otherwise it looks again when the rest would have passed. After
    // idle() it waits for the next input before it counts again.
    void check();

    // The milliseconds after which the timer looks next; -1 when it does not.
    int nextLookMs() const { return timer_.isActive() ? timer_.interval() : -1; }

signals:
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint64 limitMs() const { return qint64(minutes_) * 60 * 1000; }

    const Clock& clock_;
    QTimer timer_;
    QDateTime lastInput_;
    int minutes_ = 0;
    bool told_ = false; // idle() went out for the spell since the last input
};

} // namespace lw
