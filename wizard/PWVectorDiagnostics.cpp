#include "PWVectorDiagnostics.h"

#include "LxTableHistory.h"
#include "PWDiagnoseEditor.h"
#include "PWTestSequenceTable.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

PWVectorDiagnostics::PWVectorDiagnostics(PWWizardContext* context, PWTestSequenceTable* rows, PWDiagnoseEditor* editor)
    : m_context(context), m_rows(rows), m_editor(editor)
{
}

void PWVectorDiagnostics::show(int part, int row)
{
    if (!m_rows->isDiagnosed(row)) {
        hide();
        return;
    }
    m_editor->showRules(part, m_rows->rules(row));
    m_row = row;
}

void PWVectorDiagnostics::hide()
{
    m_editor->hide();
    m_row = -1;
}

bool PWVectorDiagnostics::take(bool asStep)
{
    if (m_row < 0 || !m_editor->isEdited())
        return false;
    const PWDiagnoseRules rules = m_editor->rules();
    m_editor->markStored();
    if (rules == m_rows->rules(m_row))
        return false;
    const LxTableHistory::Step step(asStep ? m_rows->table() : nullptr, m_row);
    m_rows->setRules(m_row, rules);
    return true;
}

void PWVectorDiagnostics::switchRow(int part, int row, bool on)
{
    if (on) {
        show(part, row);
        return;
    }
    const PWDiagnoseRules held = m_row == row ? m_editor->rules() : m_rows->rules(row);
    if (!held.isEmpty()) {
        if (!m_context->askYesNo(PartwrightDlg::tr("Do you want to delete this diagnostic?"))) {
            m_rows->setDiagnosed(row, true);
            return;
        }
        m_rows->setRules(row, PWDiagnoseRules());
    }
    hide();
}

void PWVectorDiagnostics::storeRows(CTestSequenceDiagnoseList& diagnostics, int k, CLogicDiagnoseList* rows,
                                    const CTestSequences& sequence)
{
    while (diagnostics.count() < k)
        diagnostics.append(new CLogicDiagnoseList);
    if (k < diagnostics.count())
        diagnostics.replace(k, rows);
    else
        diagnostics.append(rows);
    diagnostics.alignWith(k, sequence);
}
