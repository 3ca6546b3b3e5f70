#ifndef SCRIPTEDPROMPTER_H
#define SCRIPTEDPROMPTER_H

#include "LxPrompter.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// A prompter for tests: records every text shown and answers from queues.
// Installs itself on construction and restores the previous one on destruction.
// An unanswered question, name request or file dialog records a failure text in
// unexpected() and answers No / Cancel / empty, so a test never blocks.
class ScriptedPrompter : public LxPrompter
{
public:
    struct Shown
    {
        QString kind; // "information", "yesNo", "yesNoCancel", "getText", "open", "save", "dialog"
        QString caption;
        // The message or question; the prompt of a name request; the filter of a
        // file dialog; the object name of any other dialog.
        QString text;
        // The text a name request starts with (the name proposed); the start name of a save dialog.
        QString initial;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // Answers, consumed in order.
    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerYesNoCancel(Answer a) { m_yesNoCancel.enqueue(a); }
    // A text answer for getText or a name dialog; ok false means Cancel.
    void answerText(const QString& text, bool ok = true) { m_texts.enqueue({text, ok}); }
    void answerFile(const QString& name, const QString& filter = QString()) { m_files.enqueue({name, filter}); }
    // For execDialog: the handler may fill the dialog's widgets; it returns the result code.
    void answerDialog(std::function<int(QDialog*)> handler) { m_dialogs.enqueue(std::move(handler)); }

    const QList<Shown>& shown() const { return m_shown; }
    // The texts of every box, question and request shown, in order.
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int count() const { return static_cast<int>(m_shown.size()); }
    void clearShown() { m_shown.clear(); }
    // Requests that found no scripted answer.
    const QStringList& unexpected() const { return m_unexpected; }
    // Answers that were scripted but never asked for.
    int pendingAnswers() const;

    void information(QWidget* parent, const QString& caption, const QString& text) override;
    bool yesNo(QWidget* parent, const QString& caption, const QString& text) override;
    Answer yesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    QString getText(QWidget* parent, const QString& caption, const QString& label, const QString& text,
                    bool* ok) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                         QString* selectedFilter) override;
    int execDialog(QDialog* dialog) override;

private:
    struct TextAnswer
    {
        QString text;
        bool ok;
    };
    struct FileAnswer
    {
        QString name;
        QString filter;
    };

    // Records the request; false, with a failure text, when no answer is queued for it.
    template <typename T>
    bool ask(const QQueue<T>& answers, const QString& kind, const QString& caption, const QString& text,
             const QString& initial, const QString& what);

    LxPrompter* m_previous = nullptr;
    QList<Shown> m_shown;
    QStringList m_unexpected;
    QQueue<bool> m_yesNo;
    QQueue<Answer> m_yesNoCancel;
    QQueue<TextAnswer> m_texts;
    QQueue<FileAnswer> m_files;
    QQueue<std::function<int(QDialog*)>> m_dialogs;
};

#endif
