#ifndef LXLIBINPUDLGFORM_H
#define LXLIBINPUDLGFORM_H

#include "ui_LxLibInpuDlgForm.h"

#include <QDialog>

// The name input form: a prompt, a one-line entry, "Keep Contents", Ok and Cancel.
class LxLibInpuDlgForm : public QDialog, public Ui::LxLibInpuDlgForm
{
    Q_OBJECT

public:
    explicit LxLibInpuDlgForm(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    virtual void slotOk();
    virtual void slotCancel();
    virtual void slotKeepContentes(int state);
    virtual void slotNameTextChange(const QString& text);
};

#endif
