#ifndef LXLIBHEADER_H
#define LXLIBHEADER_H

#include "LxLibTypes.h"

namespace lxlib {

// One header record: a type and its log comment lines. A type-1 header holds, in
// order, the date-and-author text, the copyright, the function and the category.
class LxLibHeader : public LxLibObject
{
public:
    explicit LxLibHeader(int type = HT_GENERAL) : m_type(type) {}

    int GetHeaderType() const { return m_type; }
    void SetHeaderType(int type) { m_type = type; }
    void AddLogComment(const QString& line) { m_lines.append(line); }
    const QStringList& GetLogCommentList() const { return m_lines; }

    QString getDateAuthor() const { return m_lines.value(0); }
    QString getCopyRight() const { return m_lines.value(1); }
    QString getFunction() const { return m_lines.value(2); }
    QString getCategory() const { return m_lines.value(3); }

    LxLibHeader* clone() const { return new LxLibHeader(*this); }

private:
    int m_type;
    QStringList m_lines;
};

} // namespace lxlib

#endif
