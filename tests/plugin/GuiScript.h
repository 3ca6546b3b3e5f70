#ifndef GUISCRIPT_H
#define GUISCRIPT_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives modal loops from the outside: a queue of steps, each retried every few
// milliseconds until it reports done. Used where the code under test runs its
// own event loop (the launcher's polling, message boxes inside the plug-in).
class GuiScript : public QObject
{
    Q_OBJECT
public:
    using Step = std::function<bool()>;

    GuiScript();
    void add(const QString& what, Step step) { m_steps.append({what, std::move(step)}); }
    // Adds a step that clicks the named button of the active message box.
    void answerMessageBox(const QString& buttonText);
    bool finished() const { return m_steps.isEmpty(); }
    // The step that never completed, if any.
    QString pending() const { return m_steps.isEmpty() ? QString() : m_steps.first().what; }
    // Texts of the message boxes answered, in order.
    const QStringList& messages() const { return m_messages; }

    // The visible top-level wizards (by class name, across library copies).
    static QList<QWidget*> wizards();

private:
    struct Entry
    {
        QString what;
        Step step;
    };
    void tick();
    QTimer m_timer;
    QList<Entry> m_steps;
    QStringList m_messages;
};

#endif
