#ifndef VIEWMODELFORM_H
#define VIEWMODELFORM_H

#include "ui_ViewModelForm.h"

#include <QDialog>

// The report form: one read-only text view.
class ViewModelForm : public QDialog, public Ui::ViewModelForm
{
    Q_OBJECT

public:
    explicit ViewModelForm(QWidget* parent = nullptr, const char* name = nullptr);
};

#endif
