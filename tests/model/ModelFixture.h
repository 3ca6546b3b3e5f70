#ifndef MODELFIXTURE_H
#define MODELFIXTURE_H

#include "CLogic.h"

#include <QList>
#include <QString>

// Short ways to assemble device models in tests.
struct PinSpec
{
    QString name;
    int type;
    int bit;
};

CPackage* addPackage(CLogic& logic, const QString& id, const QList<std::pair<QString, int>>& pins);
CLogicPart* addPart(CLogic& logic, const QString& name);
CPinList* addPinList(CLogicPart& part, const QString& name, const QList<PinSpec>& pins);
// A logic with one package (U1..: name, type) and one part "Part1" with pin list "PL1".
void fillSimpleLogic(CLogic& logic);

#endif
