#include "LxLibInpuDlgForm.h"

#include <QtDebug>

LxLibInpuDlgForm::LxLibInpuDlgForm(QWidget* parent, const char* name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("LxLibInpuDlgForm"));
    setModal(modal);
    resize(QSize(496, 177).expandedTo(minimumSizeHint()));
}

void LxLibInpuDlgForm::slotOk()
{
    qWarning("LxLibInpuDlgForm::slotOk(): Not implemented yet");
}

void LxLibInpuDlgForm::slotCancel()
{
    qWarning("LxLibInpuDlgForm::slotCancel(): Not implemented yet");
}

void LxLibInpuDlgForm::slotKeepContentes(int)
{
    qWarning("LxLibInpuDlgForm::slotKeepContentes(int): Not implemented yet");
}

void LxLibInpuDlgForm::slotNameTextChange(const QString&)
{
    qWarning("LxLibInpuDlgForm::slotNameTextChange(const QString&): Not implemented yet");
}
