#include "LxMessages.h"

#include "LxLibInpuDlgDlg.h"
#include "LxPrompter.h"

#include <QCoreApplication>

// The wizard dialog owns these texts; it forwards its message operations here.
bool LxMessages::askName(const QString& prompt, const QString& initial, QString* answer)
{
    bool ok = false;
    const QString text = LxLibInpuDlgDlg::getText(QCoreApplication::translate("LxLibInpuDlgDlg", "Partwright Wizard"),
                                                  prompt, initial, &ok, nullptr);
    if (answer)
        *answer = text;
    return ok;
}

void LxMessages::showInformation(QWidget* parent, const QString& message)
{
    lxPrompter().information(parent, QCoreApplication::translate("LxLibTable", "Partwright"), message);
}

bool LxMessages::askYesNo(QWidget* parent, const QString& question)
{
    return lxPrompter().yesNo(parent, QCoreApplication::translate("LxLibTable", "Partwright"), question);
}
