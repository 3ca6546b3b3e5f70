#include "PWEditState.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

void PWEditState::addField(QWidget* field, Group group)
{
    if (!field)
        return;
    m_entries.append({field, group, true});
    setLocked(m_entries.last(), group == Logic ? m_lockLogic : m_lockPassive);
}

void PWEditState::addControl(QWidget* control, Group group)
{
    if (!control)
        return;
    m_entries.append({control, group, false});
    setLocked(m_entries.last(), group == Logic ? m_lockLogic : m_lockPassive);
}

void PWEditState::apply(bool lockLogic, bool lockPassive)
{
    m_lockLogic = lockLogic;
    m_lockPassive = lockPassive;
    for (const Entry& e : m_entries)
        setLocked(e, e.group == Logic ? lockLogic : lockPassive);
}

bool PWEditState::isLocked(const QWidget* w) const
{
    for (const Entry& e : m_entries)
        if (e.widget == w)
            return e.group == Logic ? m_lockLogic : m_lockPassive;
    return false;
}

void PWEditState::setLocked(const Entry& e, bool locked)
{
    QWidget* w = e.widget;
    if (!w)
        return;
    if (!e.field) {
        w->setEnabled(!locked);
        return;
    }
    if (auto* le = qobject_cast<QLineEdit*>(w))
        le->setReadOnly(locked);
    else if (auto* te = qobject_cast<QTextEdit*>(w))
        te->setReadOnly(locked);
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
        pe->setReadOnly(locked);
    else if (auto* sb = qobject_cast<QAbstractSpinBox*>(w))
        sb->setReadOnly(locked);
    else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        // The wizard's tables carry their own read-only flag; other views lose their edit triggers.
        if (view->metaObject()->indexOfProperty("readOnly") >= 0)
            view->setProperty("readOnly", locked);
        else
            view->setEditTriggers(locked ? QAbstractItemView::NoEditTriggers
                                         : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                               | QAbstractItemView::AnyKeyPressed);
    }
    else
        w->setEnabled(!locked);
}
