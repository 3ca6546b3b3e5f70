#ifndef PWVOCABULARY_H
#define PWVOCABULARY_H

#include "LxLibTypes.h"

#include <QString>
#include <QStringList>

#include <functional>

// Keyword tables indexed by the model library's codes; row 0 is the empty string.
extern const QString SignalTypeNames[lxlib::ST_COUNT];
extern const QString PackagePinTypeNames[lxlib::PPT_COUNT];
extern const QString PackageDiePinTypeNames[lxlib::DPT_COUNT];
extern const QString PassiveComponentTypeNames[lxlib::PCT_COUNT];

// The same coded tables as choice lists, row 0 included.
QStringList PackagePinTypeChoices();
QStringList SignalTypeChoices();

const QStringList& ReservedPatternNames();
const QStringList& DisableSignalTypeList();
const QStringList& StuckAtTypeNames();
const QStringList& MonthNames();
const QStringList& MonthNames30Days();
const QStringList& MonthNames31Days();
const QStringList& MonthNamesFebruary();
// "1".."28", "1".."29", "1".."30", "1".."31".
const QList<QStringList>& DayLists();

// How a package pin type drives: the three groups of the pin type table.
enum PackagePinDirection { NoDirection, InputPin, OutputPin, InoutPin };
PackagePinDirection packagePinDirection(int packagePinType);

// The signal types a package pin of the given type may carry in a pin list,
// sorted, with an empty first entry. The memory categories also admit MUX types.
QStringList AllowedSignalTypes(int packagePinType, bool memoryCategory);

// Case-insensitive whole-string comparison, no trimming.
bool isReservedPatternName(const QString& name);

bool isGregorianLeapYear(int year);
// The day list that fits a month name; an unknown month gets 31 days.
const QStringList& dayListFor(const QString& monthName, int year);

// " 0n" below 10, " n" from 10 on.
QString defaultNameNumber(int n);
// base + defaultNameNumber(n) for the first n from 1 that isTaken refuses.
QString firstFreeDefaultName(const QString& base, const std::function<bool(const QString&)>& isTaken);

#endif
