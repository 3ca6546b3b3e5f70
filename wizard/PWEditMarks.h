#ifndef PWEDITMARKS_H
#define PWEDITMARKS_H

#include <QList>

// Whether the widgets of a list position hold changes the device model lacks.
// A position may carry several kinds of mark (one per editor tab, say).
class PWEditMarks
{
public:
    enum Mark { Clean = 0, Edited = 1, Stored = 2 };
    static constexpr int Positions = 100;

    explicit PWEditMarks(int kinds = 1);

    // Out-of-range positions or kinds read as Clean and ignore writes.
    int mark(int pos, int kind = 0) const;
    void setMark(int pos, int mark, int kind = 0);
    // The first position whose mark of this kind is Edited, -1 when none is.
    int firstEdited(int kind = 0) const;
    // Moves the marks behind a removed position up by one.
    void removePosition(int pos);
    // The same for the marks of one kind only.
    void removePosition(int pos, int kind);
    // Moves the marks of the kinds behind a removed kind down by one.
    void removeKind(int kind);
    void clear();
    int kinds() const { return m_kinds; }

private:
    int index(int pos, int kind) const;

    int m_kinds;
    QList<int> m_marks;
};

#endif
