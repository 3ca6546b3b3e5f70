#include "ScriptedPrompter.h"

#include <QLabel>
#include <QLineEdit>

ScriptedPrompter::ScriptedPrompter() : m_previous(setLxPrompter(this)) {}

ScriptedPrompter::~ScriptedPrompter()
{
    setLxPrompter(m_previous);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList list;
    for (const Shown& s : m_shown)
        list << s.text;
    return list;
}

int ScriptedPrompter::pendingAnswers() const
{
    return static_cast<int>(m_yesNo.size() + m_yesNoCancel.size() + m_texts.size() + m_files.size()
                            + m_dialogs.size());
}

template <typename T>
bool ScriptedPrompter::ask(const QQueue<T>& answers, const QString& kind, const QString& caption,
                           const QString& text, const QString& initial, const QString& what)
{
    m_shown.append({kind, caption, text, initial});
    if (answers.isEmpty())
        m_unexpected << kind + QStringLiteral(": ") + what;
    return !answers.isEmpty();
}

void ScriptedPrompter::information(QWidget*, const QString& caption, const QString& text)
{
    m_shown.append({QStringLiteral("information"), caption, text, QString()});
}

bool ScriptedPrompter::yesNo(QWidget*, const QString& caption, const QString& text)
{
    return ask(m_yesNo, QStringLiteral("yesNo"), caption, text, QString(), text) && m_yesNo.dequeue();
}

LxPrompter::Answer ScriptedPrompter::yesNoCancel(QWidget*, const QString& caption, const QString& text)
{
    return ask(m_yesNoCancel, QStringLiteral("yesNoCancel"), caption, text, QString(), text) ? m_yesNoCancel.dequeue()
                                                                                            : Cancel;
}

QString ScriptedPrompter::getText(QWidget*, const QString& caption, const QString& label, const QString& text,
                                  bool* ok)
{
    const TextAnswer a = ask(m_texts, QStringLiteral("getText"), caption, label, text, label) ? m_texts.dequeue()
                                                                                            : TextAnswer{QString(), false};
    if (ok)
        *ok = a.ok;
    return a.ok ? a.text : QString();
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& caption, const QString&, const QString& filter)
{
    return ask(m_files, QStringLiteral("open"), caption, filter, QString(), caption) ? m_files.dequeue().name : QString();
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& caption, const QString& start, const QString& filter,
                                       QString* selectedFilter)
{
    if (!ask(m_files, QStringLiteral("save"), caption, filter, start, caption))
        return QString();
    const FileAnswer a = m_files.dequeue();
    if (selectedFilter)
        *selectedFilter = a.filter;
    return a.name;
}

int ScriptedPrompter::execDialog(QDialog* dialog)
{
    // A name dialog is recorded by what the user reads: its prompt and proposal.
    const auto* prompt = dialog->findChild<QLabel*>(QStringLiteral("NameLabel"));
    const auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NameLineEdit"));
    if (prompt && entry)
        m_shown.append({QStringLiteral("dialog"), dialog->windowTitle(), prompt->text(), entry->text()});
    else
        m_shown.append({QStringLiteral("dialog"), dialog->windowTitle(), dialog->objectName(), QString()});
    if (!m_dialogs.isEmpty())
        return m_dialogs.dequeue()(dialog);
    // A name dialog answered by answerText(): fill its first line edit.
    if (!m_texts.isEmpty()) {
        const TextAnswer a = m_texts.dequeue();
        if (auto* edit = dialog->findChild<QLineEdit*>())
            edit->setText(a.text);
        return a.ok ? QDialog::Accepted : QDialog::Rejected;
    }
    m_unexpected << QStringLiteral("dialog: ") + dialog->objectName();
    return QDialog::Rejected;
}
