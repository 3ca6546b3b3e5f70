#ifndef PWABOUTFORM_H
#define PWABOUTFORM_H

#include "ui_PWAboutForm.h"

#include <QDialog>

// The about box: picture, title, notice and the version of the wizard.
class PWAboutForm : public QDialog, public Ui::PWAboutForm
{
    Q_OBJECT
public:
    PWAboutForm(QWidget* parent, const QString& name);

    // Version numbers and build date, as "5.0.1.0 - 20200827 ".
    static QString versionText();
};

#endif
