#pragma once
// The clock seam: every "today" and "now" of the program is read here, so tests can fix the day.
#include <QDate>
#include <QDateTime>
#include <functional>

namespace seams {

QDateTime now();
QDate today();

// Replaces the clock until the returned guard is destroyed (tests only).
class FixedClock {
public:
    explicit FixedClock(QDateTime at);
    explicit FixedClock(QDate day) : FixedClock(QDateTime(day, QTime(10, 0))) {}
    ~FixedClock();
    FixedClock(const FixedClock &) = delete;
    FixedClock &operator=(const FixedClock &) = delete;
    void set(QDateTime at);

private:
    std::function<QDateTime()> previous_;
};

} // namespace seams
