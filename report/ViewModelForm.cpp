#include "ViewModelForm.h"

ViewModelForm::ViewModelForm(QWidget* parent, const char* name) : QDialog(parent)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("ViewModelForm"));
}
