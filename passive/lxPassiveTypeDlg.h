#ifndef LXPASSIVETYPEDLG_H
#define LXPASSIVETYPEDLG_H

#include "ui_PassiveTypeForm.h"

#include <QDialog>

// Asks for the type and the name of a new passive part.
//
// getPassiveType runs the dialog through lxPrompter().execDialog (widgets/LxPrompter.h):
// a test installs a prompter whose handler fills cbPassiveType and PartNameLineEdit,
// clicks OkButton or CancelButton (or returns a result code) instead of a modal loop.
class lxPassiveTypeDlg : public QDialog, public Ui::PassiveTypeForm
{
    Q_OBJECT

public:
    explicit lxPassiveTypeDlg(QWidget* parent = nullptr, const char* name = nullptr);

    // With passiveType not 0 only that type can be chosen; otherwise "Connection"
    // is proposed. On Ok passiveType receives the chosen type and the name is
    // returned; on Cancel the result is empty and passiveType is left alone.
    QString getPassiveType(const QString& defaultName, int& passiveType);
    // The type stored by the last Ok or activated entry; 0 at first.
    int passiveType() const { return m_passiveType; }
    // The code of an entry's text, 0 for an unknown text.
    static int passiveTypeCode(const QString& text);

public slots:
    void slotPassiveTypeActivated(const QString& text);
    void slotOkClicked();
    void slotCancelClicked();

private:
    int m_passiveType = 0;
};

#endif
