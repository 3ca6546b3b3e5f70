#include "LxLibInpuDlgDlg.h"

#include "LxPrompter.h"

LxLibInpuDlgDlg::LxLibInpuDlgDlg()
    : LxLibInpuDlgForm()
{
}

QString LxLibInpuDlgDlg::getText(const QString& caption, const QString& prompt, const QString& initial, bool* ok,
                                 bool* keepContents)
{
    LxLibInpuDlgDlg dialog;
    dialog.setWindowTitle(caption);
    dialog.NameLabel->setText(prompt);
    dialog.NameLineEdit->setText(initial);
    dialog.KeepContents->setVisible(ok && *ok);
    const bool accepted = lxPrompter().execDialog(&dialog) == QDialog::Accepted;
    if (keepContents)
        *keepContents = false;
    if (ok)
        *ok = accepted;
    return accepted ? dialog.NameLineEdit->text() : QString();
}

void LxLibInpuDlgDlg::slotKeepContentes(int)
{
}
