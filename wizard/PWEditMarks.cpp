#include "PWEditMarks.h"

#include "LxTableHistory.h"

#include <QUndoStack>

#include <memory>

PWEditMarks::PWEditMarks(int kinds)
{
    m_marks.reserve(qMax(1, kinds));
}

int PWEditMarks::mark(int pos, int kind) const
{
    if (pos < 0 || kind < 0 || kind >= m_marks.size())
        return Clean;
    return m_marks[kind].value(pos, Clean);
}

void PWEditMarks::setMark(int pos, int mark, int kind)
{
    if (pos < 0 || kind < 0)
        return;
    if (kind >= m_marks.size()) {
        if (mark == Clean)
            return;
        m_marks.resize(kind + 1);
    }
    QList<int>& marks = m_marks[kind];
    if (pos >= marks.size()) {
        if (mark == Clean)
            return;
        if (marks.capacity() < Positions)
            marks.reserve(Positions);
        marks.insert(marks.size(), pos + 1 - marks.size(), Clean);
    }
    marks[pos] = mark;
}

int PWEditMarks::firstEdited(int kind) const
{
    if (kind < 0 || kind >= m_marks.size())
        return -1;
    return static_cast<int>(m_marks[kind].indexOf(Edited));
}

void PWEditMarks::removePosition(int pos)
{
    for (int kind = 0; kind < m_marks.size(); ++kind)
        removePosition(pos, kind);
}

void PWEditMarks::removePosition(int pos, int kind)
{
    if (pos < 0 || kind < 0 || kind >= m_marks.size())
        return;
    if (pos < m_marks[kind].size())
        m_marks[kind].remove(pos);
}

void PWEditMarks::insertPosition(int pos, int mark, int kind)
{
    if (pos < 0 || kind < 0)
        return;
    if (kind < m_marks.size() && pos < m_marks[kind].size())
        m_marks[kind].insert(pos, mark);
    else
        setMark(pos, mark, kind);
}

void PWEditMarks::insertKind(int kind, const QList<int>& marks)
{
    if (kind < 0)
        return;
    if (kind < m_marks.size())
        m_marks.insert(kind, marks);
    else if (!marks.isEmpty()) {
        m_marks.resize(kind);
        m_marks.append(marks);
    }
}

void PWEditMarks::removeKind(int kind)
{
    if (kind >= 0 && kind < m_marks.size())
        m_marks.remove(kind);
}

void PWEditMarks::clear() { m_marks.clear(); }

void PWEditMarks::followHistory(LxTableHistory* history, std::function<std::pair<int, int>()> shown)
{
    auto shownMark = std::make_shared<int>(Clean);
    QObject::connect(history, &LxTableHistory::historyReset, history, [this, shownMark, shown] {
        const auto [pos, kind] = shown();
        *shownMark = mark(pos, kind);
    });
    QObject::connect(history->stack(), &QUndoStack::cleanChanged, history, [this, history, shownMark, shown](bool clean) {
        if (history->isResetting())
            return;
        const auto [pos, kind] = shown();
        setMark(pos, clean ? *shownMark : int(Edited), kind);
    });
}
