#ifndef LXPROMPTER_H
#define LXPROMPTER_H

#include <QString>

class QWidget;
class QDialog;

// Every message box, question, name request and file dialog of the wizard goes
// through the installed prompter, so tests can answer them without a modal loop.
class LxPrompter
{
public:
    enum Answer { Yes, No, Cancel };

    virtual ~LxPrompter() = default;

    virtual void information(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Yes and No; true only for Yes.
    virtual bool yesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Yes (default), No and Cancel (escape), information icon.
    virtual Answer yesNoCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A one-line text request (QInputDialog style); *ok tells whether OK was pressed.
    virtual QString getText(QWidget* parent, const QString& caption, const QString& label,
                            const QString& text, bool* ok) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    // selectedFilter may be null; otherwise it receives the filter the user picked.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& start,
                                 const QString& filter, QString* selectedFilter) = 0;
    // Runs a prepared modal dialog (name dialog, passive type and condition dialogs).
    // A scripted prompter fills the dialog's widgets and returns its result code instead.
    virtual int execDialog(QDialog* dialog) = 0;
};

// The prompter in use; the default one shows the real Qt dialogs.
LxPrompter& lxPrompter();
// Installs a prompter (not owned); null restores the default. Returns the previous one.
LxPrompter* setLxPrompter(LxPrompter* prompter);

#endif
