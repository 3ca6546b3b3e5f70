#include "PWFeatureWarnings.h"

#include "LxLibInfo.h"

namespace {

// Index of a combination of up to three answers: bit 0 first, bit 1 second, bit 2 third.
int combination(bool a, bool b, bool c = false)
{
    return (a ? 1 : 0) | (b ? 2 : 0) | (c ? 4 : 0);
}

} // namespace

QString PWFeatureWarnings::multipleSpecifications(bool enable, bool latch)
{
    switch (combination(enable, latch)) {
    case 1:
        return tr("Some enable patterns have multiple specifications. This is not supported by the Partwright. "
                  "Only one specification will be handled. Others will get lost.");
    case 2:
        return tr("Some latch patterns have multiple specifications. This is not supported by the Partwright. "
                  "Only one specification will be handled. Others will get lost.");
    case 3:
        return tr("Some enable and latch patterns have multiple specifications. This is not supported by the "
                  "Partwright. Only one specification will be handled. Others will get lost.");
    default:
        return QString();
    }
}

QString PWFeatureWarnings::bitValueSpecifications(bool enable, bool latch, bool disable)
{
    switch (combination(enable, latch, disable)) {
    case 1:
        return tr("Some enable patterns have bit value specifications. This is not supported by the Partwright. "
                  "All bit settings will get lost.");
    case 2:
        return tr("Some latch patterns have bit value specifications. This is not supported by the Partwright. "
                  "All bit settings will get lost.");
    case 4:
        return tr("Some disable patterns have bit value specifications. This is not supported by the Partwright. "
                  "All bit settings will get lost.");
    case 3:
        return tr("Some enable and latch patterns have bit value specifications. This is not supported by the "
                  "Partwright. All bit settings will get lost.");
    case 5:
        return tr("Some enable and disable patterns have bit value specifications. This is not supported by the "
                  "Partwright. All bit settings will get lost.");
    case 6:
        return tr("Some latch and disable patterns have bit value specifications. This is not supported by the "
                  "Partwright. All bit settings will get lost.");
    case 7:
        return tr("Some enable, latch and disable patterns have bit value specifications. This is not supported by "
                  "the Partwright. All bit settings will get lost.");
    default:
        return QString();
    }
}

QString PWFeatureWarnings::differentialSpecifications(bool enable, bool latch, bool pins)
{
    switch (combination(enable, latch, pins)) {
    case 1:
        return tr("Some enable patterns have differential specifications. This is not supported by the Partwright. "
                  "All differential settings will get lost.");
    case 2:
        return tr("Some latch patterns have differential specifications. This is not supported by the Partwright. "
                  "All differential settings will get lost.");
    case 4:
        return tr("Some pins have differential specifications. This is not supported by the Partwright. "
                  "All differential settings will get lost.");
    case 3:
        return tr("Some enable and latch patterns have differential specifications. This is not supported by the "
                  "Partwright. All differential settings will get lost.");
    case 5:
        return tr("Some pins and some enable patterns have differential specifications. This is not supported by "
                  "the Partwright. All differential settings will get lost.");
    case 6:
        return tr("Some pins and latch patterns have differential specifications. This is not supported by the "
                  "Partwright. All differential settings will get lost.");
    case 7:
        return tr("Some pins and some enable and latch patterns have differential specifications. This is not "
                  "supported by the Partwright. All differential settings will get lost.");
    default:
        return QString();
    }
}

QStringList PWFeatureWarnings::of(const lxlib::LxLibInfo* document, bool viewOnly)
{
    QStringList warnings;
    if (viewOnly || !document)
        return warnings;
    const QString texts[] = {
        multipleSpecifications(document->hasEnableMultipleSpecifications(),
                               document->hasLatchMultipleSpecifications()),
        bitValueSpecifications(document->hasEnableBitValueSpecifications(), document->hasLatchBitValueSpecifications(),
                               document->hasDisableBitValueSpecifications()),
        differentialSpecifications(document->hasEnableDifferentialSpecifications(),
                                   document->hasLatchDifferentialSpecifications(),
                                   document->hasPinDifferentialSpecifications()),
    };
    for (const QString& text : texts)
        if (!text.isEmpty())
            warnings.append(text);
    return warnings;
}
