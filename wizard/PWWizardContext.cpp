#include "PWWizardContext.h"

#include "LxLibTypes.h"
#include "LxMessages.h"

namespace {

// Types that carry a signal: inputs, outputs and bidirectionals, not supplies.
bool isSignalPinType(int type)
{
    return (type >= lxlib::PPT_INPUT && type <= lxlib::PPT_INOUT_OD)
           || (type >= lxlib::PPT_OUTPUT_OS && type <= lxlib::PPT_INOUT_OS_PD);
}

} // namespace

PWWizardContext::PWWizardContext(QWidget* dialog, PWEditState* editState)
    : m_dialog(dialog), m_editState(editState), m_logic(std::make_unique<CLogic>())
{
}

void PWWizardContext::rebuildPinNames()
{
    m_pinNames.clear();
    const CPackageList& packages = m_logic->packages();
    for (int p = 0; p < packages.count(); ++p) {
        const CPackagePinList& pins = packages.at(p)->pins();
        for (int i = 0; i < pins.count(); ++i) {
            const CPackagePin* pin = pins.at(i);
            if (!pin->pinName().isEmpty() && isSignalPinType(pin->pinType()) && !m_pinNames.contains(pin->pinName()))
                m_pinNames.append(pin->pinName());
        }
    }
    m_pinNames.removeIf([&packages](const QString& name) {
        for (int p = 0; p < packages.count(); ++p) {
            if (packages.at(p)->countPinsNamed(name) == 0)
                return true;
        }
        return false;
    });
    m_pinNames.prepend(QString());
}

void PWWizardContext::showInformation(const QString& text) const { LxMessages::showInformation(m_dialog, text); }

bool PWWizardContext::askYesNo(const QString& question) const { return LxMessages::askYesNo(m_dialog, question); }

bool PWWizardContext::askName(const QString& prompt, const QString& initial, QString* answer) const
{
    QString text;
    const bool ok = LxMessages::askName(prompt, initial, &text);
    *answer = text.isNull() ? QString("") : text.trimmed();
    return ok;
}
