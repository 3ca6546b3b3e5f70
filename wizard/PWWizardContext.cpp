#include "PWWizardContext.h"

#include "LxMessages.h"
#include "PWVocabulary.h"

#include <QSet>
#include <vector>

PWWizardContext::PWWizardContext(QWidget* dialog, PWEditState* editState)
    : m_dialog(dialog), m_editState(editState), m_logic(std::make_unique<CLogic>())
{
}

void PWWizardContext::rebuildPinNames()
{
    m_pinNames.clear();
    const CPackageList& packages = m_logic->packages();
    // One name set per package keeps the common-name filter linear in the pin count.
    std::vector<QSet<QString>> namesPerPackage(packages.count());
    QSet<QString> taken;
    for (int p = 0; p < packages.count(); ++p) {
        const CPackagePinList& pins = packages.at(p)->pins();
        for (int i = 0; i < pins.count(); ++i) {
            const CPackagePin* pin = pins.at(i);
            namesPerPackage[p].insert(pin->pinName());
            if (!pin->pinName().isEmpty() && packagePinDirection(pin->pinType()) != NoDirection
                && !taken.contains(pin->pinName())) {
                taken.insert(pin->pinName());
                m_pinNames.append(pin->pinName());
            }
        }
    }
    m_pinNames.removeIf([&namesPerPackage](const QString& name) {
        for (const QSet<QString>& names : namesPerPackage) {
            if (!names.contains(name))
                return true;
        }
        return false;
    });
    m_pinNames.prepend(QString());
    m_pinNameIndex.clear();
    m_pinNameIndex.reserve(m_pinNames.size());
    for (int i = 0; i < m_pinNames.size(); ++i)
        m_pinNameIndex.insert(m_pinNames[i], i);
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
