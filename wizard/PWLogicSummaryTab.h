#ifndef PWLOGICSUMMARYTAB_H
#define PWLOGICSUMMARYTAB_H

#include "PWLogicTab.h"

class QPlainTextEdit;

// A read-only account of the truth table, test sequences, enable, disable or
// latch patterns of a logic part, for the tabs whose editor this version does
// not have. The model keeps what was loaded and writes it back unchanged.
class PWLogicSummaryTab : public PWLogicTab
{
    Q_OBJECT
public:
    enum Kind { TruthTable, TestSequences, EnablePatterns, DisablePatterns, LatchSequences };

    PWLogicSummaryTab(Kind kind, PWWizardContext* context, QWidget* parent);

    void storeTab(int) override {}
    void showTab(int part) override;
    void clearTab() override;

    QString summary() const;

private:
    QStringList itemNames(int part) const;

    Kind m_kind;
    QPlainTextEdit* m_text;
};

#endif
