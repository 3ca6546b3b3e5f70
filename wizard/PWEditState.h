#ifndef PWEDITSTATE_H
#define PWEDITSTATE_H

#include <QList>
#include <QPointer>
#include <QWidget>

// The one place where every editor registers the controls that change the model,
// so the wizard can lock them for read-only views without knowing each editor.
class PWEditState
{
public:
    // Logic: locked in the memory categories and in view-only mode (packages,
    // logic parts and their tabs, header, device id, model name).
    // Passive: locked in view-only mode only.
    enum Group { Logic, Passive };

    // Line edits, text edits, spin boxes and item views: made read-only.
    void addField(QWidget* field, Group group = Logic);
    // Buttons, combo boxes, check boxes: disabled.
    void addControl(QWidget* control, Group group = Logic);

    void apply(bool lockLogic, bool lockPassive);

    bool isLocked(const QWidget* w) const;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        Group group;
        bool field;
    };
    static void setLocked(const Entry& e, bool locked);

    QList<Entry> m_entries;
    bool m_lockLogic = false;
    bool m_lockPassive = false;
};

#endif
