#ifndef PWEDITMARKS_H
#define PWEDITMARKS_H

#include <QList>

#include <functional>
#include <utility>

class LxTableHistory;

// Whether the widgets of a list position hold changes the device model lacks.
// A position may carry several kinds of mark (one per logic part, say). The
// marks follow the positions written to, however many a loaded file brings;
// the editors' limits apply to adding only.
class PWEditMarks
{
public:
    enum Mark { Clean = 0, Edited = 1, Stored = 2 };
    // Room set aside per kind; more positions are taken as they are marked.
    static constexpr int Positions = 100;

    // kinds: how many kinds to set room aside for; more are taken as they are marked.
    explicit PWEditMarks(int kinds = 1);

    // Positions or kinds never marked read as Clean; negative ones ignore writes.
    int mark(int pos, int kind = 0) const;
    void setMark(int pos, int mark, int kind = 0);
    // The first position whose mark of this kind is Edited, -1 when none is.
    int firstEdited(int kind = 0) const;
    // Moves the marks behind a removed position up by one.
    void removePosition(int pos);
    // The same for the marks of one kind only.
    void removePosition(int pos, int kind);
    // Makes room for a position put back: the marks behind it move down by one.
    void insertPosition(int pos, int mark, int kind);
    // Moves the marks of the kinds behind a removed kind down by one.
    void removeKind(int kind);
    // The marks of one kind by position, to put back with insertKind.
    QList<int> kindMarks(int kind) const { return m_marks.value(kind); }
    // Makes room for a kind put back: the kinds behind it move up by one.
    void insertKind(int kind, const QList<int>& marks);
    void clear();

    // Keeps the mark of the item a table shows in step with the table's
    // history: Edited while changes are on the stack, and once they are all
    // undone the mark the item had when it was shown. shown gives the
    // (position, kind) on show; the marks must outlive the history.
    void followHistory(LxTableHistory* history, std::function<std::pair<int, int>()> shown);

private:
    // Per kind, the marks by position.
    QList<QList<int>> m_marks;
};

#endif
