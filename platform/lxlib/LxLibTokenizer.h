#ifndef LXLIBTOKENIZER_H
#define LXLIBTOKENIZER_H

#include <QByteArray>
#include <QString>

#include <cstring>

class QIODevice;

#include <vector>

namespace lxlib {

struct LxLibToken
{
    enum Kind { Word, String, Open, Close };
    Kind kind = Word;
    // Words: the word itself; strings: the bytes between the quotes.
    const char* text = nullptr;
    int length = 0;
    int column = 1;
    bool escaped = false;
    // Strings: every byte below 0x80, so the text needs no decoding.
    bool ascii = true;

    // Inline, so that the length of a keyword literal is known when compiling.
    bool is(const char* keyword) const
    {
        return kind == Word && static_cast<size_t>(length) == std::strlen(keyword) &&
               std::memcmp(text, keyword, static_cast<size_t>(length)) == 0;
    }
};

// One line of the model file with its tokens. A line the lexer could not take
// apart carries an error (text and column) and no usable tokens.
struct LxLibLine
{
    int number = 0;
    std::vector<LxLibToken> tokens;
    QString error;
    int errorColumn = 0;
    // The raw line ends with "{": used to skip a block after a bad line.
    bool opensBlock = false;
    int endColumn = 1;

    bool hasError() const { return !error.isEmpty(); }
};

// Splits model file text into lines of tokens, skipping blank and comment lines.
// The tokens of a line point into the tokenizer's text and stay valid only
// until the next call of next().
class LxLibTokenizer
{
public:
    static constexpr int MaxLineLength = 4 * 1024 * 1024;
    static constexpr int MaxStringLength = 1024 * 1024;
    // Streamed text is read in chunks that stay in the processor's cache while
    // they are taken apart, instead of copying the whole file into memory first.
    static constexpr int ChunkSize = 256 * 1024;

    // The whole text is in data, which must outlive the tokenizer.
    explicit LxLibTokenizer(const QByteArray& data);
    // The text is read from source as needed; more than maxBytes is an error.
    LxLibTokenizer(QIODevice& source, qint64 maxBytes);

    // Fills line with the next line that holds anything; false at end of input
    // or when the source failed (see sourceError()).
    bool next(LxLibLine& line);
    // The line number of the end of input, for "found end of file" messages.
    int endLine() const { return m_lineNumber; }
    // Why reading the source stopped early; empty when it did not.
    const QString& sourceError() const { return m_sourceError; }

    static QString stringValue(const LxLibToken& token);
    static QString wordValue(const LxLibToken& token);
    // How a token is quoted in messages: "word", a shortened string, or the brace.
    static QString describe(const LxLibToken& token);

private:
    bool lexLine(const char* begin, const char* end, LxLibLine& line);
    // Also marks the token escaped or not ASCII as it finds out.
    const char* lexString(const char* p, const char* end, const char* lineStart, int& continuations,
                          LxLibLine& line, LxLibToken& token);
    void fail(LxLibLine& line, int column, const QString& text);
    // Counts the next line and empties line for it.
    void startLine(LxLibLine& line);
    // Starts a line that is too long to take apart, with its error.
    void startLongLine(LxLibLine& line);
    void skipBom();
    // Moves the unread rest to the front of the buffer and reads more after it;
    // false when nothing more can come.
    bool refill();
    // Reads past the rest of a line that is too long to hold; true when its last
    // non-blank byte is "{".
    bool skipLongLine();

    const char* m_pos;
    const char* m_end;
    int m_lineNumber = 0;
    QIODevice* m_source = nullptr;
    QByteArray m_buffer;
    qint64 m_maxBytes = 0;
    qint64 m_bytesRead = 0;
    bool m_sourceDone = true;
    QString m_sourceError;
};

} // namespace lxlib

#endif
