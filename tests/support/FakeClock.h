#pragma once

#include "store/Clock.h"

namespace lw::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime t = QDateTime(QDate(2026, 12, 11), QTime(9, 30))) : time(t) { }
    QDateTime now() const override { return time; }
    QDateTime time;
};

} // namespace lw::test
