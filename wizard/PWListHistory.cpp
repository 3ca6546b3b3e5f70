#include "PWListHistory.h"

#include "LxUndoBinding.h"
#include "PWListStep.h"
#include "PWWizardContext.h"

#include <QWidget>

PWListHistory::PWListHistory(PWWizardContext* context, QObject* parent) : QObject(parent), m_context(context) {}

void PWListHistory::push(PWListStep* step)
{
    step->setMessenger([context = m_context](const QString& message) { context->showInformation(message); });
    m_stack.push(step);
}

void PWListHistory::bind(QWidget* list) { m_bindings.append(new LxUndoBinding(list, &m_stack)); }

void PWListHistory::appendTo(QMenu* menu) const
{
    if (!m_bindings.isEmpty())
        m_bindings.first()->appendTo(menu);
}

bool PWListHistory::undo() { return !m_bindings.isEmpty() && m_bindings.first()->undo(); }

bool PWListHistory::redo() { return !m_bindings.isEmpty() && m_bindings.first()->redo(); }
