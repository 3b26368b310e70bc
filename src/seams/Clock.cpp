#include "seams/Clock.h"

namespace seams {
namespace {
std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    return clock;
}
} // namespace

QDateTime now()
{
    return source()();
}
QDate today()
{
    return now().date();
}

FixedClock::FixedClock(QDateTime at) : previous_(source())
{
    set(at);
}
FixedClock::~FixedClock()
{
    source() = previous_;
}
void FixedClock::set(QDateTime at)
{
    source() = [at] { return at; };
}

} // namespace seams
