#ifndef LXCLOCK_H
#define LXCLOCK_H

#include <QDate>
#include <functional>

// "Today" for the header page; tests pin it to a fixed date.
QDate lxToday();
// Installs the source of today's date; an empty function restores the system clock.
void setLxToday(std::function<QDate()> source);

#endif
