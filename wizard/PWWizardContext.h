#ifndef PWWIZARDCONTEXT_H
#define PWWIZARDCONTEXT_H

#include "CLogic.h"
#include "PWEditMarks.h"

#include <QHash>
#include <QStringList>

#include <memory>

class PWEditState;
class QWidget;

// What the logic editor pages share: the device model being edited, how it may
// be edited, the signal pin names of the packages and the edit marks.
class PWWizardContext
{
public:
    // The same codes as the wizard's device categories.
    enum { MemoryTestCategory = 3, MemoryProgramCategory = 4 };

    PWWizardContext(QWidget* dialog, PWEditState* editState);

    CLogic& logic() { return *m_logic; }
    // A freshly converted model takes the place of the edited one.
    void replaceLogic(std::unique_ptr<CLogic> logic) { m_logic = std::move(logic); }
    const CLogic& logic() const { return *m_logic; }
    QWidget* dialog() const { return m_dialog; }
    PWEditState* editState() const { return m_editState; }

    int category = 0;
    bool viewOnly = false;
    bool loading = false;
    int currentLogicPart = 0;
    // The operators an enable equation and connection may use in the file loaded last.
    QStringList enableEqualChoices;
    QStringList enableConnectionChoices;
    PWEditMarks packageMarks;
    // Position: pin list; kind: logic part.
    PWEditMarks pinListMarks{PWEditMarks::Positions};

    bool memoryCategory() const { return category == MemoryTestCategory || category == MemoryProgramCategory; }

    // The empty string first, then the signal pin names every package has.
    const QStringList& pinNames() const { return m_pinNames; }
    // The position of a name in pinNames(); 0, the empty entry, for a name not there.
    int pinNameIndex(const QString& name) const { return m_pinNameIndex.value(name, 0); }
    void rebuildPinNames();

    void showInformation(const QString& text) const;
    bool askYesNo(const QString& question) const;
    // False on Cancel; *answer is stripped and never null.
    bool askName(const QString& prompt, const QString& initial, QString* answer) const;

private:
    QWidget* m_dialog;
    PWEditState* m_editState;
    std::unique_ptr<CLogic> m_logic;
    QStringList m_pinNames;
    QHash<QString, int> m_pinNameIndex;
};

#endif
