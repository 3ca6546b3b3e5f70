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

void ScriptedPrompter::record(const QString& kind, const QString& caption, const QString& text,
                              const QString& initial)
{
    m_shown.append({kind, caption, text, initial});
}

void ScriptedPrompter::information(QWidget*, const QString& caption, const QString& text)
{
    record(QStringLiteral("information"), caption, text);
}

bool ScriptedPrompter::yesNo(QWidget*, const QString& caption, const QString& text)
{
    record(QStringLiteral("yesNo"), caption, text);
    if (m_yesNo.isEmpty()) {
        m_unexpected << QStringLiteral("yesNo: ") + text;
        return false;
    }
    return m_yesNo.dequeue();
}

LxPrompter::Answer ScriptedPrompter::yesNoCancel(QWidget*, const QString& caption, const QString& text)
{
    record(QStringLiteral("yesNoCancel"), caption, text);
    if (m_yesNoCancel.isEmpty()) {
        m_unexpected << QStringLiteral("yesNoCancel: ") + text;
        return Cancel;
    }
    return m_yesNoCancel.dequeue();
}

QString ScriptedPrompter::getText(QWidget*, const QString& caption, const QString& label, const QString& text,
                                  bool* ok)
{
    record(QStringLiteral("getText"), caption, label, text);
    if (m_texts.isEmpty()) {
        m_unexpected << QStringLiteral("getText: ") + label;
        if (ok)
            *ok = false;
        return QString();
    }
    const TextAnswer a = m_texts.dequeue();
    if (ok)
        *ok = a.ok;
    return a.ok ? a.text : QString();
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& caption, const QString&, const QString& filter)
{
    record(QStringLiteral("open"), caption, filter);
    if (m_files.isEmpty()) {
        m_unexpected << QStringLiteral("open: ") + caption;
        return QString();
    }
    return m_files.dequeue().name;
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& caption, const QString& start, const QString& filter,
                                       QString* selectedFilter)
{
    record(QStringLiteral("save"), caption, filter, start);
    if (m_files.isEmpty()) {
        m_unexpected << QStringLiteral("save: ") + caption;
        return QString();
    }
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
        record(QStringLiteral("dialog"), dialog->windowTitle(), prompt->text(), entry->text());
    else
        record(QStringLiteral("dialog"), dialog->windowTitle(), dialog->objectName());
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
