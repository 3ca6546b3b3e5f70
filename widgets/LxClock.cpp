#include "LxClock.h"

namespace {
std::function<QDate()>& todaySource()
{
    static std::function<QDate()> source;
    return source;
}
} // namespace

QDate lxToday()
{
    const auto& source = todaySource();
    return source ? source() : QDate::currentDate();
}

void setLxToday(std::function<QDate()> source)
{
    todaySource() = std::move(source);
}
