#ifndef CSOURCEPOSITION_H
#define CSOURCEPOSITION_H

#include "LxLibTypes.h"

// Where a record of the device model was read from, so that a check can name
// the line of the model file it is about. Line 0: made in the editor.
class CSourcePosition
{
public:
    CSourcePosition() = default;
    CSourcePosition(int line, int column) : m_line(line), m_column(column) {}
    explicit CSourcePosition(const lxlib::LxLibObject& from)
        : m_line(from.sourceLine()), m_column(from.sourceColumn())
    {
    }

    int sourceLine() const { return m_line; }
    int sourceColumn() const { return m_column; }
    bool hasSourcePosition() const { return m_line > 0; }
    const CSourcePosition& sourcePosition() const { return *this; }
    void setSourcePosition(const CSourcePosition& at) { *this = at; }

private:
    int m_line = 0;
    int m_column = 0;
};

#endif
