#include "LxPrompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

class QtPrompter : public LxPrompter
{
public:
    void information(QWidget* parent, const QString& caption, const QString& text) override
    {
        QMessageBox::information(parent, caption, text, QMessageBox::Ok);
    }

    bool yesNo(QWidget* parent, const QString& caption, const QString& text) override
    {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
               == QMessageBox::Yes;
    }

    Answer yesNoCancel(QWidget* parent, const QString& caption, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, caption, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Yes;
        case QMessageBox::No:
            return No;
        default:
            return Cancel;
        }
    }

    QString getText(QWidget* parent, const QString& caption, const QString& label, const QString& text,
                    bool* ok) override
    {
        return QInputDialog::getText(parent, caption, label, QLineEdit::Normal, text, ok);
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                         QString* selectedFilter) override
    {
        // The wizard asks about replacing files itself.
        return QFileDialog::getSaveFileName(parent, caption, start, filter, selectedFilter,
                                            QFileDialog::DontConfirmOverwrite);
    }

    int execDialog(QDialog* dialog) override { return dialog->exec(); }
};

QtPrompter& defaultPrompter()
{
    static QtPrompter prompter;
    return prompter;
}

LxPrompter*& installed()
{
    static LxPrompter* prompter = nullptr;
    return prompter;
}

} // namespace

LxPrompter& lxPrompter()
{
    LxPrompter* p = installed();
    return p ? *p : defaultPrompter();
}

LxPrompter* setLxPrompter(LxPrompter* prompter)
{
    LxPrompter* previous = installed();
    installed() = prompter;
    return previous;
}
