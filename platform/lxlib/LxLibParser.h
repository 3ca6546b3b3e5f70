#ifndef LXLIBPARSER_H
#define LXLIBPARSER_H

#include "LxLibCompactText.h"
#include "LxLibTokenizer.h"

#include <QtGlobal>

class QIODevice;

namespace lxlib {

class LxLibInfo;
class LxLibObject;

// The line-by-line machinery shared by the readers of the model file: the current
// line, field extraction with "expected ... but found ..." messages, block
// iteration with recovery, and the limits.
class LxLibParser
{
public:
    enum CodeTable { SignalType, PinType, DieType, PassiveType, TimeUnit, StuckAt, HeaderType, BreakMode };

    static constexpr int MaxCode = 9999;
    static constexpr int MaxBit = 999999;

    LxLibParser(LxLibInfo& info, const QByteArray& data, const QString& sourceName, bool reportWarnings,
                bool stopAtFirstError);
    // Reads the text from source, at most maxBytes of it.
    LxLibParser(LxLibInfo& info, QIODevice& source, qint64 maxBytes, const QString& sourceName, bool reportWarnings,
                bool stopAtFirstError);

    bool stopped() const { return m_stopped; }
    // The line past the last one read: where "found end of file" points.
    int endOfFileLine() const { return m_tokenizer.endLine() + 1; }
    int errorCount() const { return m_errors; }

    // Moves to the next line; false at end of input or once reading has stopped.
    bool nextLine();
    const LxLibLine& line() const { return m_line; }

    void error(int line, int column, const QString& text);
    void warning(int line, int column, const QString& text);
    void errorAtToken(const LxLibLine& line, int index, const QString& text);
    // Reports that the line's first token is not what was expected and skips the
    // line, with the block it opens.
    void unexpected(const LxLibLine& line, const QString& expected);
    void skipBlock();
    // After a bad record: skips the block the record's line opens, if any.
    void abandon(const LxLibLine& line);

    // Field readers: each takes token i of the line, advances i and returns true,
    // or reports what it found instead and returns false.
    bool takeString(const LxLibLine& line, int& i, const char* what, QString& out);
    // The same into the pool, for the many vectors of a large model.
    bool takeString(const LxLibLine& line, int& i, const char* what, LxLibCompactText& out);
    bool takeInteger(const LxLibLine& line, int& i, const char* what, qint64 min, qint64 max, qint64& out);
    bool takeBit(const LxLibLine& line, int& i, int& out);
    bool takeCode(const LxLibLine& line, int& i, CodeTable table, int& out);
    bool takeWord(const LxLibLine& line, int& i, const char* keyword);
    bool atEnd(const LxLibLine& line, int i) const { return i >= static_cast<int>(line.tokens.size()); }
    bool nextIs(const LxLibLine& line, int i, const char* keyword) const;
    // The line must end here; with opens, it must end with "{" here.
    bool takeEnd(const LxLibLine& line, int i);
    bool takeOpen(const LxLibLine& line, int i);

    // false (and reading stops) when a list already holds limit entries.
    bool roomFor(const LxLibLine& line, int count, int limit, const char* what);
    static void place(LxLibObject& object, const LxLibLine& line);

    // Calls handler(line) for every line of the block opened by the current line,
    // up to its "}"; what names the block in messages.
    template <typename F>
    void block(const char* what, F handler)
    {
        const int openLine = m_line.number;
        const int openColumn = m_line.tokens.empty() ? 1 : m_line.tokens.front().column;
        while (nextLine()) {
            if (m_line.hasError()) {
                error(m_line.number, m_line.errorColumn, m_line.error);
                if (m_line.opensBlock)
                    skipBlock();
                continue;
            }
            if (m_line.tokens.front().kind == LxLibToken::Close) {
                takeEnd(m_line, 1);
                return;
            }
            handler(m_line);
        }
        if (!m_stopped)
            missingClose(what, openLine, openColumn);
    }

private:
    void missingClose(const char* what, int line, int column);
    QString found(const LxLibLine& line, int i) const;
    int columnOf(const LxLibLine& line, int i) const;
    void message(int kind, int line, int column, const QString& text);

    LxLibInfo& m_info;
    LxLibTokenizer m_tokenizer;
    QString m_source;
    LxLibLine m_line;
    bool m_warnings;
    bool m_stopAtFirst;
    bool m_stopped = false;
    int m_errors = 0;
};

} // namespace lxlib

#endif
