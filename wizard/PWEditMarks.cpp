#include "PWEditMarks.h"

PWEditMarks::PWEditMarks(int kinds) : m_kinds(kinds < 1 ? 1 : kinds), m_marks(Positions * m_kinds, Clean) {}

int PWEditMarks::index(int pos, int kind) const
{
    if (pos < 0 || pos >= Positions || kind < 0 || kind >= m_kinds)
        return -1;
    return pos * m_kinds + kind;
}

int PWEditMarks::mark(int pos, int kind) const
{
    const int i = index(pos, kind);
    return i < 0 ? Clean : m_marks[i];
}

void PWEditMarks::setMark(int pos, int mark, int kind)
{
    const int i = index(pos, kind);
    if (i >= 0)
        m_marks[i] = mark;
}

int PWEditMarks::firstEdited(int kind) const
{
    for (int pos = 0; pos < Positions; ++pos) {
        if (mark(pos, kind) == Edited)
            return pos;
    }
    return -1;
}

void PWEditMarks::removePosition(int pos)
{
    const int i = index(pos, 0);
    if (i < 0)
        return;
    m_marks.remove(i, m_kinds);
    m_marks.append(QList<int>(m_kinds, Clean));
}

void PWEditMarks::removePosition(int pos, int kind)
{
    if (index(pos, kind) < 0)
        return;
    for (int p = pos; p + 1 < Positions; ++p)
        m_marks[index(p, kind)] = m_marks[index(p + 1, kind)];
    m_marks[index(Positions - 1, kind)] = Clean;
}

void PWEditMarks::removeKind(int kind)
{
    if (kind < 0 || kind >= m_kinds)
        return;
    for (int pos = 0; pos < Positions; ++pos) {
        for (int k = kind; k + 1 < m_kinds; ++k)
            m_marks[index(pos, k)] = m_marks[index(pos, k + 1)];
        m_marks[index(pos, m_kinds - 1)] = Clean;
    }
}

void PWEditMarks::clear() { m_marks.fill(Clean); }
