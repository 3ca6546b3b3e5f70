#include "lxResistor.h"

#include "LxLibTypes.h"
#include "PWImages.h"

lxResistor::lxResistor(lxListBox* list, LxLibTable* table, int passiveType)
    : lxPassiveItem(list, table, passiveType, ResistorItemType)
{
    const QString name = imageName(passiveType);
    if (!name.isEmpty())
        setImage(lxImage(name));
}

QString lxResistor::imageName(int passiveType)
{
    switch (passiveType) {
    case lxlib::PCT_CAPACITOR:
        return QStringLiteral("PWCapacitor.png");
    case lxlib::PCT_INDUCTOR:
        return QStringLiteral("PWInductor.png");
    case lxlib::PCT_RESISTOR:
        return QStringLiteral("PWResistor.png");
    case lxlib::PCT_RESONATOR:
        return QStringLiteral("PWResonator.png");
    default:
        return QString();
    }
}
