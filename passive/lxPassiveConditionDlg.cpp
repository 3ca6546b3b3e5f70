#include "lxPassiveConditionDlg.h"

#include "LxPrompter.h"

lxPassiveConditionDlg::lxPassiveConditionDlg(QWidget* parent, const char* name)
    : QDialog(parent)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("PassiveConditionForm"));
    setModal(true);
    connect(OkButton, &QPushButton::clicked, this, &lxPassiveConditionDlg::slotOkClicked);
    connect(CancelButton, &QPushButton::clicked, this, &lxPassiveConditionDlg::slotCancelClicked);
}

QString lxPassiveConditionDlg::getConditionName(const QString& defaultName)
{
    ConditionalLEdit->setText(defaultName);
    ConditionalLEdit->selectAll();
    ConditionalLEdit->setFocus();
    m_answer.clear();
    if (lxPrompter().execDialog(this) == QDialog::Accepted)
        m_answer = ConditionalLEdit->text();
    return m_answer;
}

void lxPassiveConditionDlg::slotOkClicked()
{
    if (!ConditionalLEdit->text().isEmpty())
        accept();
}

void lxPassiveConditionDlg::slotCancelClicked()
{
    m_answer.clear();
    reject();
}
