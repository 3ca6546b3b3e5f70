#ifndef LXPASSIVECONDITIONDLG_H
#define LXPASSIVECONDITIONDLG_H

#include "ui_PassiveConditionForm.h"

#include <QDialog>

// Asks for the name of a new condition of a connection.
//
// getConditionName runs the dialog through lxPrompter().execDialog (widgets/LxPrompter.h):
// a test installs a prompter whose handler fills ConditionalLEdit and clicks OkButton
// or CancelButton (or returns a result code) instead of a modal loop.
class lxPassiveConditionDlg : public QDialog, public Ui::PassiveConditionForm
{
    Q_OBJECT

public:
    explicit lxPassiveConditionDlg(QWidget* parent = nullptr, const char* name = nullptr);

    // The typed name on Ok, empty on Cancel.
    QString getConditionName(const QString& defaultName);
    QString answer() const { return m_answer; }

public slots:
    void slotOkClicked();
    void slotCancelClicked();

private:
    QString m_answer;
};

#endif
