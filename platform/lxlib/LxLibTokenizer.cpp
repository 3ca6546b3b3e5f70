#include "LxLibTokenizer.h"

#include <QIODevice>

#include <array>
#include <cstdint>
#include <cstring>

namespace lxlib {

namespace {

// Byte classes, looked up once per byte of the file.
enum ByteClass : unsigned char { OtherByte = 0, WordByte = 1, PlainStringByte = 2 };

constexpr std::array<unsigned char, 256> byteClasses()
{
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
            c == '+' || c == '-')
            t[c] |= WordByte;
        // Printable ASCII that a string holds as it stands.
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            t[c] |= PlainStringByte;
    }
    return t;
}

constexpr std::array<unsigned char, 256> kByteClasses = byteClasses();

inline bool isWordByte(unsigned char c) { return kByteClasses[c] & WordByte; }

constexpr uint64_t kOnes = ~uint64_t(0) / 255;
constexpr uint64_t kHighBits = kOnes * 0x80;

// Eight bytes read at once, in any order: only which bytes match matters.
inline uint64_t eightBytes(const char* p)
{
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Whether any byte of w equals b.
inline bool hasByte(uint64_t w, unsigned char b)
{
    const uint64_t x = w ^ (kOnes * b);
    return ((x - kOnes) & ~x & kHighBits) != 0;
}

// Whether all eight bytes are printable ASCII other than a quote or a
// backslash, so a string run goes on past them unchanged.
inline bool allPlainStringBytes(uint64_t w)
{
    const bool control = ((w - kOnes * 0x20) & ~w & kHighBits) != 0;
    const bool highOrDelete = ((w + kOnes * (0x7F - 0x7E)) | w) & kHighBits;
    return !control && !highOrDelete && !hasByte(w, '"') && !hasByte(w, '\\');
}

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Length of the valid UTF-8 sequence at p, 0 when it is not one.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = p[0];
    int n = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (end - p < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        if (!isContinuation(p[i]))
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

LxLibTokenizer::LxLibTokenizer(const QByteArray& data)
    : m_pos(data.constData()), m_end(data.constData() + data.size())
{
    skipBom();
}

LxLibTokenizer::LxLibTokenizer(QIODevice& source, qint64 maxBytes)
    : m_pos(nullptr), m_end(nullptr), m_source(&source), m_maxBytes(maxBytes), m_sourceDone(false)
{
    refill();
    skipBom();
}

void LxLibTokenizer::skipBom()
{
    if (m_end - m_pos >= 3 && std::memcmp(m_pos, "\xEF\xBB\xBF", 3) == 0)
        m_pos += 3;
}

bool LxLibTokenizer::refill()
{
    if (m_sourceDone)
        return false;
    const qsizetype rest = m_end - m_pos;
    if (rest > 0 && m_pos != m_buffer.constData())
        std::memmove(m_buffer.data(), m_pos, static_cast<size_t>(rest));
    if (m_buffer.size() < rest + ChunkSize)
        m_buffer.resize(rest + ChunkSize);
    const qint64 n = m_source->read(m_buffer.data() + rest, m_buffer.size() - rest);
    if (n < 0) {
        m_sourceError = QStringLiteral("cannot read the file: %1").arg(m_source->errorString());
        m_sourceDone = true;
    } else if (n == 0) {
        m_sourceDone = true;
    } else if ((m_bytesRead += n) > m_maxBytes) {
        m_sourceError = QStringLiteral("the file is larger than the limit of %1 bytes").arg(m_maxBytes);
        m_sourceDone = true;
    }
    // After a source error nothing more is read, not even the rest of the line.
    const qsizetype kept = m_sourceError.isEmpty() ? rest + (m_sourceDone ? 0 : n) : 0;
    m_pos = m_buffer.constData();
    m_end = m_pos + kept;
    return !m_sourceDone;
}

bool LxLibTokenizer::skipLongLine()
{
    char last = 0;
    for (;;) {
        const char* nl = static_cast<const char*>(std::memchr(m_pos, '\n', static_cast<size_t>(m_end - m_pos)));
        const char* stop = nl ? nl : m_end;
        for (const char* q = stop; q > m_pos; --q)
            if (q[-1] != ' ' && q[-1] != '\t' && q[-1] != '\r') {
                last = q[-1];
                break;
            }
        if (nl) {
            m_pos = nl + 1;
            return last == '{';
        }
        m_pos = m_end;
        if (!refill())
            return last == '{';
    }
}

void LxLibTokenizer::fail(LxLibLine& line, int column, const QString& text)
{
    if (!line.hasError()) {
        line.error = text;
        line.errorColumn = column;
    }
}

void LxLibTokenizer::startLine(LxLibLine& line)
{
    line.number = ++m_lineNumber;
    line.tokens.clear();
    line.error.clear();
    line.errorColumn = 0;
    line.opensBlock = false;
}

void LxLibTokenizer::startLongLine(LxLibLine& line)
{
    startLine(line);
    fail(line, MaxLineLength + 1, QStringLiteral("line is longer than the limit of %1 bytes").arg(MaxLineLength));
}

bool LxLibTokenizer::next(LxLibLine& line)
{
    for (;;) {
        const char* nl = static_cast<const char*>(std::memchr(m_pos, '\n', static_cast<size_t>(m_end - m_pos)));
        if (!nl && !m_sourceDone) {
            if (m_end - m_pos > MaxLineLength) {
                startLongLine(line);
                line.opensBlock = skipLongLine();
                return true;
            }
            refill();
            continue;
        }
        if (m_pos >= m_end)
            return false;
        const char* lineEnd = nl ? nl : m_end;
        const char* begin = m_pos;
        m_pos = nl ? nl + 1 : m_end;
        if (lineEnd > begin && lineEnd[-1] == '\r')
            --lineEnd;
        if (lineEnd - begin > MaxLineLength) {
            startLongLine(line);
            // Guess whether the line opened a block so that recovery keeps the nesting.
            const char* q = lineEnd;
            while (q > begin && (q[-1] == ' ' || q[-1] == '\t'))
                --q;
            line.opensBlock = q > begin && q[-1] == '{';
            return true;
        }
        startLine(line);
        if (lexLine(begin, lineEnd, line))
            return true;
    }
}

// Returns true when the line holds a token or an error.
bool LxLibTokenizer::lexLine(const char* begin, const char* end, LxLibLine& line)
{
    int continuations = 0;
    const char* p = begin;
    // Lines are indented by their nesting: pass the spaces eight at a time.
    while (end - p >= 8 && eightBytes(p) == kOnes * ' ')
        p += 8;
    while (p < end) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ' ' || c == '\t') {
            ++p;
            continue;
        }
        if (c == '#')
            break;
        const int column = static_cast<int>(p - begin) - continuations + 1;
        // Filled where it lives: copying a token made on the stack costs more than lexing it.
        LxLibToken& token = line.tokens.emplace_back();
        token.column = column;
        if (c == '{' || c == '}') {
            token.kind = c == '{' ? LxLibToken::Open : LxLibToken::Close;
            token.text = p;
            token.length = 1;
            ++p;
        } else if (c == '"') {
            const char* after = lexString(p, end, begin, continuations, line, token);
            if (!after) {
                line.tokens.pop_back();
                break;
            }
            token.kind = LxLibToken::String;
            token.text = p + 1;
            token.length = static_cast<int>(after - p) - 2;
            p = after;
        } else if (isWordByte(c)) {
            const char* q = p;
            while (q < end && isWordByte(static_cast<unsigned char>(*q)))
                ++q;
            token.kind = LxLibToken::Word;
            token.text = p;
            token.length = static_cast<int>(q - p);
            p = q;
        } else {
            if (c >= 0x20 && c < 0x7F)
                fail(line, column, QStringLiteral("unexpected character '%1'").arg(QChar(c)));
            else
                fail(line, column, QStringLiteral("unexpected byte 0x%1").arg(c, 2, 16, QChar('0')));
            line.tokens.pop_back();
            break;
        }
    }
    if (line.hasError()) {
        const char* q = end;
        while (q > begin && (q[-1] == ' ' || q[-1] == '\t'))
            --q;
        line.opensBlock = q > begin && q[-1] == '{';
    } else {
        line.opensBlock = !line.tokens.empty() && line.tokens.back().kind == LxLibToken::Open;
    }
    line.endColumn = static_cast<int>(end - begin) - continuations + 1;
    return line.hasError() || !line.tokens.empty();
}

// Checks the string starting at the quote p; returns the position after its closing
// quote, or nullptr after recording the error in line.
const char* LxLibTokenizer::lexString(const char* p, const char* end, const char* lineStart, int& continuations,
                                      LxLibLine& line, LxLibToken& token)
{
    const int startColumn = static_cast<int>(p - lineStart) - continuations + 1;
    const char* q = p + 1;
    int units = 0;
    while (q < end) {
        // Most strings are plain ASCII up to the closing quote: eight bytes per step.
        const char* run = q;
        while (end - q >= 8 && allPlainStringBytes(eightBytes(q)))
            q += 8;
        while (q < end && (kByteClasses[static_cast<unsigned char>(*q)] & PlainStringByte))
            ++q;
        units += static_cast<int>(q - run);
        if (q >= end)
            break;
        const unsigned char c = static_cast<unsigned char>(*q);
        const int column = static_cast<int>(q - lineStart) - continuations + 1;
        if (c == '"') {
            if (units > MaxStringLength) {
                fail(line, startColumn,
                     QStringLiteral("string is longer than the limit of %1 characters").arg(MaxStringLength));
                return nullptr;
            }
            return q + 1;
        }
        if (c == '\\') {
            token.escaped = true;
            if (q + 1 >= end) {
                fail(line, column, QStringLiteral("unterminated string: expected '\"' but found end of line"));
                return nullptr;
            }
            const char e = q[1];
            if (e == '"' || e == '\\' || e == 'n' || e == 'r' || e == 't') {
                q += 2;
            } else if (e == 'u' && q + 2 < end && q[2] == '{') {
                const char* h = q + 3;
                int digits = 0;
                while (h < end && hexValue(static_cast<unsigned char>(*h)) >= 0 && digits < 5) {
                    ++h;
                    ++digits;
                }
                if (digits < 1 || digits > 4 || h >= end || *h != '}') {
                    fail(line, column, QStringLiteral("bad escape: expected \\u{ with 1 to 4 hex digits and }"));
                    return nullptr;
                }
                q = h + 1;
            } else {
                fail(line, column,
                     QStringLiteral("bad escape: expected one of \\\" \\\\ \\n \\r \\t \\u{...} after the backslash"));
                return nullptr;
            }
            ++units;
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            fail(line, column, QStringLiteral("control character 0x%1 in a string (write it as \\u{%1})")
                                   .arg(c, 2, 16, QChar('0')));
            return nullptr;
        }
        if (c < 0x80) {
            ++q;
            ++units;
            continue;
        }
        const int n = utf8SequenceLength(reinterpret_cast<const unsigned char*>(q),
                                         reinterpret_cast<const unsigned char*>(end));
        if (n == 0) {
            fail(line, column, QStringLiteral("invalid UTF-8 byte 0x%1 in a string").arg(c, 2, 16, QChar('0')));
            return nullptr;
        }
        token.ascii = false;
        q += n;
        continuations += n - 1;
        units += n == 4 ? 2 : 1;
    }
    fail(line, startColumn, QStringLiteral("unterminated string: expected '\"' but found end of line"));
    return nullptr;
}

QString LxLibTokenizer::stringValue(const LxLibToken& token)
{
    if (!token.escaped)
        return QString::fromUtf8(token.text, token.length);
    QString out;
    out.reserve(token.length);
    const char* p = token.text;
    const char* end = token.text + token.length;
    while (p < end) {
        const char* bs = static_cast<const char*>(std::memchr(p, '\\', static_cast<size_t>(end - p)));
        const char* runEnd = bs ? bs : end;
        if (runEnd > p)
            out.append(QString::fromUtf8(p, static_cast<int>(runEnd - p)));
        if (!bs)
            break;
        // The tokenizer has checked every escape.
        switch (bs[1]) {
        case 'n': out.append(QChar('\n')); p = bs + 2; break;
        case 'r': out.append(QChar('\r')); p = bs + 2; break;
        case 't': out.append(QChar('\t')); p = bs + 2; break;
        case 'u': {
            unsigned v = 0;
            const char* h = bs + 3;
            while (*h != '}')
                v = v * 16 + static_cast<unsigned>(hexValue(static_cast<unsigned char>(*h++)));
            out.append(QChar(static_cast<char16_t>(v)));
            p = h + 1;
            break;
        }
        default: out.append(QChar(bs[1])); p = bs + 2; break;
        }
    }
    return out;
}

QString LxLibTokenizer::wordValue(const LxLibToken& token) { return QString::fromLatin1(token.text, token.length); }

QString LxLibTokenizer::describe(const LxLibToken& token)
{
    switch (token.kind) {
    case LxLibToken::Open: return QStringLiteral("'{'");
    case LxLibToken::Close: return QStringLiteral("'}'");
    case LxLibToken::String: {
        QString s = stringValue(token);
        if (s.size() > 40)
            s = s.left(37) + QStringLiteral("...");
        return QStringLiteral("the string \"%1\"").arg(s);
    }
    case LxLibToken::Word: break;
    }
    QString w = wordValue(token);
    if (w.size() > 40)
        w = w.left(37) + QStringLiteral("...");
    return QStringLiteral("\"%1\"").arg(w);
}

} // namespace lxlib
