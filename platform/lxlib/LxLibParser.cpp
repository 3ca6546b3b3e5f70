#include "LxLibParser.h"

#include "LxLibInfo.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace lxlib {

namespace {

// Keywords are looked up by length and first letter: a model names a signal
// type or stuck-at code on every diagnostic rule.
constexpr int kBucketLengths = 16;
int bucketOf(int length, char first)
{
    if (first >= 'a' && first <= 'z')
        first = static_cast<char>(first - 'a' + 'A');
    return std::min(length, kBucketLengths - 1) * 64 + (static_cast<unsigned char>(first) & 63);
}

struct CodeTableDef
{
    const char* what;
    QList<QByteArray> keywords; // upper case, index = code
    QList<std::pair<QByteArray, int>> extra;
    QString hint;
    // Every keyword and extra spelling with its code, in the order they are tried.
    std::vector<std::vector<std::pair<QByteArray, int>>> buckets;

    CodeTableDef& indexed()
    {
        buckets.assign(kBucketLengths * 64, {});
        const auto add = [this](const QByteArray& word, int code) {
            if (!word.isEmpty())
                buckets[size_t(bucketOf(int(word.size()), word[0]))].emplace_back(word, code);
        };
        for (int code = 1; code < keywords.size(); ++code)
            add(keywords[code], code);
        for (const auto& [word, code] : extra)
            add(word, code);
        return *this;
    }
};

CodeTableDef makeTable(const char* what, QString (*keyword)(int), int count)
{
    CodeTableDef def{what, {}, {}, {}, {}};
    QStringList shown;
    for (int i = 0; i < count; ++i) {
        def.keywords.append(keyword(i).toUpper().toLatin1());
        if (i > 0 && shown.size() < 3)
            shown.append(keyword(i));
    }
    def.hint = QStringLiteral("%1 (%2, ...)").arg(QLatin1String(what), shown.join(QStringLiteral(", ")));
    return def;
}

CodeTableDef makeFixed(const char* what, std::initializer_list<const char*> words)
{
    CodeTableDef def{what, {QByteArray()}, {}, {}, {}};
    QStringList shown;
    for (const char* w : words) {
        def.keywords.append(QByteArray(w).toUpper());
        shown.append(QLatin1String(w));
    }
    def.hint = QStringLiteral("%1 (%2)").arg(QLatin1String(what), shown.join(QStringLiteral(", ")));
    return def;
}

const CodeTableDef& table(LxLibParser::CodeTable t)
{
    static const CodeTableDef tables[] = {
        makeTable("a signal type", signalTypeKeyword, ST_COUNT).indexed(),
        makeTable("a pin type", packagePinTypeKeyword, PPT_COUNT).indexed(),
        makeTable("a die pin type", diePinTypeKeyword, DPT_COUNT).indexed(),
        [] {
            CodeTableDef d = makeTable("a passive type", passiveTypeKeyword, PCT_COUNT);
            d.extra.append({QByteArray("BOARDCONTACT"), PCT_BOARD_CONTACT});
            return d.indexed();
        }(),
        makeTable("a time unit", timeUnitKeyword, TU_COUNT).indexed(),
        makeTable("a stuck-at type", stuckAtKeyword, SA_COUNT).indexed(),
        makeFixed("a header type", {"general", "history", "warning", "note"}).indexed(),
        makeFixed("a break mode", {"no-error", "error"}).indexed(),
    };
    return tables[t];
}

bool equalsUpper(const LxLibToken& token, const QByteArray& upper)
{
    if (upper.size() != token.length || upper.isEmpty())
        return false;
    for (int k = 0; k < token.length; ++k) {
        char c = token.text[k];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[k])
            return false;
    }
    return true;
}

// Parses an optionally negative decimal integer; false when it is not one or overflows.
bool parseInteger(const LxLibToken& token, qint64& out, bool& overflow)
{
    overflow = false;
    const char* p = token.text;
    const char* end = p + token.length;
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    if (p == end)
        return false;
    quint64 v = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        const unsigned d = static_cast<unsigned>(*p - '0');
        if (v > (static_cast<quint64>(std::numeric_limits<qint64>::max()) - d) / 10)
            overflow = true;
        else
            v = v * 10 + d;
    }
    if (!overflow)
        out = negative ? -static_cast<qint64>(v) : static_cast<qint64>(v);
    return true;
}

} // namespace

LxLibParser::LxLibParser(LxLibInfo& info, const QByteArray& data, const QString& sourceName, bool reportWarnings,
                         bool stopAtFirstError)
    : m_info(info), m_tokenizer(data), m_source(sourceName), m_warnings(reportWarnings),
      m_stopAtFirst(stopAtFirstError)
{
}

LxLibParser::LxLibParser(LxLibInfo& info, QIODevice& source, qint64 maxBytes, const QString& sourceName,
                         bool reportWarnings, bool stopAtFirstError)
    : m_info(info), m_tokenizer(source, maxBytes), m_source(sourceName), m_warnings(reportWarnings),
      m_stopAtFirst(stopAtFirstError)
{
}

bool LxLibParser::nextLine()
{
    if (m_stopped)
        return false;
    if (m_tokenizer.next(m_line))
        return true;
    // A file that cannot be read to its end is one error, not a cascade of missing "}".
    if (!m_tokenizer.sourceError().isEmpty()) {
        error(m_tokenizer.endLine() + 1, 1, m_tokenizer.sourceError());
        m_stopped = true;
    }
    return false;
}

void LxLibParser::message(int kind, int line, int column, const QString& text)
{
    Message m;
    m.kind = kind;
    m.text = QStringLiteral("%1:%2:%3: %4").arg(m_source).arg(line).arg(column).arg(text);
    emit m_info.message(m);
}

void LxLibParser::error(int line, int column, const QString& text)
{
    if (m_stopped)
        return;
    ++m_errors;
    message(Message::Error, line, column, text);
    if (m_stopAtFirst)
        m_stopped = true;
}

void LxLibParser::warning(int line, int column, const QString& text)
{
    if (m_warnings && !m_stopped)
        message(Message::Warning, line, column, text);
}

int LxLibParser::columnOf(const LxLibLine& line, int i) const
{
    return atEnd(line, i) ? line.endColumn : line.tokens[static_cast<size_t>(i)].column;
}

QString LxLibParser::found(const LxLibLine& line, int i) const
{
    return atEnd(line, i) ? QStringLiteral("end of line") : LxLibTokenizer::describe(line.tokens[static_cast<size_t>(i)]);
}

void LxLibParser::errorAtToken(const LxLibLine& line, int index, const QString& text)
{
    error(line.number, columnOf(line, index), text);
}

void LxLibParser::unexpected(const LxLibLine& line, const QString& expected)
{
    errorAtToken(line, 0, QStringLiteral("expected %1 but found %2").arg(expected, found(line, 0)));
    abandon(line);
}

void LxLibParser::abandon(const LxLibLine& line)
{
    if (line.opensBlock && (line.tokens.empty() || line.tokens.front().kind != LxLibToken::Close))
        skipBlock();
}

void LxLibParser::skipBlock()
{
    int depth = 1;
    while (depth > 0 && nextLine()) {
        if (m_line.hasError()) {
            if (m_line.opensBlock)
                ++depth;
            continue;
        }
        if (m_line.tokens.front().kind == LxLibToken::Close)
            --depth;
        else if (m_line.opensBlock)
            ++depth;
    }
}

void LxLibParser::missingClose(const char* what, int line, int column)
{
    error(endOfFileLine(), 1,
          QStringLiteral("expected '}' closing the %1 opened at %2:%3 but found end of file")
              .arg(QLatin1String(what))
              .arg(line)
              .arg(column));
}

bool LxLibParser::takeString(const LxLibLine& line, int& i, const char* what, QString& out)
{
    if (atEnd(line, i) || line.tokens[static_cast<size_t>(i)].kind != LxLibToken::String) {
        errorAtToken(line, i,
                     QStringLiteral("expected %1 (a quoted string) but found %2").arg(QLatin1String(what), found(line, i)));
        return false;
    }
    out = LxLibTokenizer::stringValue(line.tokens[static_cast<size_t>(i)]);
    ++i;
    return true;
}

bool LxLibParser::takeString(const LxLibLine& line, int& i, const char* what, LxLibCompactText& out)
{
    const auto at = static_cast<size_t>(i);
    if (atEnd(line, i) || line.tokens[at].kind != LxLibToken::String || line.tokens[at].escaped) {
        QString text;
        if (!takeString(line, i, what, text))
            return false;
        out.assign(text);
        return true;
    }
    const LxLibToken& token = line.tokens[at];
    if (token.ascii)
        out.assignAscii(token.text, token.length);
    else
        out.assign(LxLibTokenizer::stringValue(token));
    ++i;
    return true;
}

bool LxLibParser::takeInteger(const LxLibLine& line, int& i, const char* what, qint64 min, qint64 max, qint64& out)
{
    bool overflow = false;
    if (atEnd(line, i) || line.tokens[static_cast<size_t>(i)].kind != LxLibToken::Word ||
        !parseInteger(line.tokens[static_cast<size_t>(i)], out, overflow)) {
        errorAtToken(line, i, QStringLiteral("expected %1 (a whole number) but found %2").arg(QLatin1String(what), found(line, i)));
        return false;
    }
    if (overflow || out < min || out > max) {
        errorAtToken(line, i, QStringLiteral("%1 is out of range for %2 (%3 to %4)")
                                  .arg(LxLibTokenizer::wordValue(line.tokens[static_cast<size_t>(i)]), QLatin1String(what))
                                  .arg(min)
                                  .arg(max));
        return false;
    }
    ++i;
    return true;
}

bool LxLibParser::takeBit(const LxLibLine& line, int& i, int& out)
{
    qint64 v = 0;
    if (!takeInteger(line, i, "a bit number", -1, MaxBit, v))
        return false;
    out = static_cast<int>(v);
    return true;
}

bool LxLibParser::takeCode(const LxLibLine& line, int& i, CodeTable t, int& out)
{
    const CodeTableDef& def = table(t);
    if (!atEnd(line, i) && line.tokens[static_cast<size_t>(i)].kind == LxLibToken::Word) {
        const LxLibToken& token = line.tokens[static_cast<size_t>(i)];
        const char c = token.text[0];
        if ((c >= '0' && c <= '9') || (c == '-' && token.length > 1)) {
            qint64 v = 0;
            if (!takeInteger(line, i, def.what, 0, MaxCode, v))
                return false;
            out = static_cast<int>(v);
            return true;
        }
        for (const auto& [word, code] : def.buckets[size_t(bucketOf(token.length, c))]) {
            if (equalsUpper(token, word)) {
                out = code;
                ++i;
                return true;
            }
        }
    }
    errorAtToken(line, i, QStringLiteral("expected %1 but found %2").arg(def.hint, found(line, i)));
    return false;
}

bool LxLibParser::nextIs(const LxLibLine& line, int i, const char* keyword) const
{
    return !atEnd(line, i) && line.tokens[static_cast<size_t>(i)].is(keyword);
}

bool LxLibParser::takeWord(const LxLibLine& line, int& i, const char* keyword)
{
    if (!nextIs(line, i, keyword)) {
        errorAtToken(line, i, QStringLiteral("expected \"%1\" but found %2").arg(QLatin1String(keyword), found(line, i)));
        return false;
    }
    ++i;
    return true;
}

bool LxLibParser::takeEnd(const LxLibLine& line, int i)
{
    if (atEnd(line, i))
        return true;
    errorAtToken(line, i, QStringLiteral("expected end of line but found %1").arg(found(line, i)));
    return false;
}

bool LxLibParser::takeOpen(const LxLibLine& line, int i)
{
    if (!atEnd(line, i) && line.tokens[static_cast<size_t>(i)].kind == LxLibToken::Open &&
        atEnd(line, i + 1))
        return true;
    errorAtToken(line, i, QStringLiteral("expected '{' at the end of the line but found %1").arg(found(line, i)));
    return false;
}

bool LxLibParser::roomFor(const LxLibLine& line, int count, int limit, const char* what)
{
    if (count < limit)
        return true;
    errorAtToken(line, 0, QStringLiteral("too many %1 (the limit is %2); reading stops here")
                              .arg(QLatin1String(what))
                              .arg(limit));
    m_stopped = true;
    return false;
}

void LxLibParser::place(LxLibObject& object, const LxLibLine& line)
{
    object.setSourcePosition(line.number, line.tokens.empty() ? 1 : line.tokens.front().column);
}

} // namespace lxlib
