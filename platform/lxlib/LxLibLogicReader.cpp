#include "LxLibLogicReader.h"

#include "LxLibLogic.h"
#include "LxLibParser.h"
#include "LxLibReader.h"

#include <limits>

namespace lxlib {

namespace {

constexpr int MaxEntries = LxLibReader::MaxEntries;

bool isSetEnableKeyword(const LxLibToken& t)
{
    return t.is("chip-enable") || t.is("output-enable") || t.is("power-control") || t.is("plain") ||
           t.is("equation") || t.is("connection") || t.is("output-disable");
}

} // namespace

LxLibLogicReader::LxLibLogicReader(LxLibParser& parser, float formatVersion) : p(parser), m_version(formatVersion) {}

void LxLibLogicReader::read(LxLibLogic& logic)
{
    p.block("part", [&](const LxLibLine& line) { readItem(logic, line); });
}

void LxLibLogicReader::readItem(LxLibLogic& logic, const LxLibLine& line)
{
    const LxLibToken& key = line.tokens.front();
    if (key.is("property")) {
        int i = 1;
        QString name, value;
        if (p.takeString(line, i, "the property name", name) && p.takeString(line, i, "the property value", value) &&
            p.takeEnd(line, i) && p.roomFor(line, logic.GetPropertyList().size(), MaxEntries, "properties"))
            logic.AddProperty(name, value);
        else
            p.abandon(line);
    } else if (key.is("pinlist")) {
        readPinList(logic, line);
    } else if (key.is("truthtable")) {
        readTruthTable(logic, line);
    } else if (key.is("sequence")) {
        readSequence(logic, line);
    } else if (key.is("enable")) {
        readEnable(logic, line);
    } else if (key.is("disable")) {
        readDisable(logic, line);
    } else if (key.is("latch")) {
        readLatch(logic, line);
    } else {
        p.unexpected(line, QStringLiteral("property, pinlist, truthtable, sequence, enable, disable or latch in a part"));
    }
}

// Reads the name and the "{" of a block record.
bool LxLibLogicReader::readName(const LxLibLine& line, int& i, const char* what, QString& name)
{
    if (p.takeString(line, i, what, name) && p.takeOpen(line, i))
        return true;
    p.abandon(line);
    return false;
}

void LxLibLogicReader::readPinList(LxLibLogic& logic, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!readName(line, i, "the pin list name", name) ||
        !p.roomFor(line, logic.GetPinListList().count(), MaxEntries, "pin lists"))
        return;
    auto* list = new LxLibPinList;
    list->SetPartName(name);
    LxLibParser::place(*list, line);
    logic.AddPinList(list);
    p.block("pin list", [&](const LxLibLine& l) {
        if (!l.tokens.front().is("signal")) {
            p.unexpected(l, QStringLiteral("signal in a pin list"));
            return;
        }
        int k = 1;
        int type = 0;
        int bit = -1;
        QString pin;
        if (p.takeCode(l, k, LxLibParser::SignalType, type) && p.takeBit(l, k, bit) &&
            p.takeString(l, k, "the pin name", pin) && p.takeEnd(l, k) &&
            p.roomFor(l, list->GetSignalDefList().count(), MaxEntries, "signals in a pin list")) {
            auto* def = new LxLibPinListSignalDef(type, bit, pin);
            LxLibParser::place(*def, l);
            list->AddPinListSignalDef(def);
        } else {
            p.abandon(l);
        }
    });
}

void LxLibLogicReader::readTruthTable(LxLibLogic& logic, const LxLibLine& line)
{
    if (m_truthTableLine > 0) {
        p.errorAtToken(line, 0, QStringLiteral("duplicate truthtable (a part has one; the first is at line %1)")
                                    .arg(m_truthTableLine));
        p.abandon(line);
        return;
    }
    if (!p.takeOpen(line, 1)) {
        p.abandon(line);
        return;
    }
    m_truthTableLine = line.number;
    p.block("truth table", [&](const LxLibLine& l) {
        if (!l.tokens.front().is("row")) {
            p.unexpected(l, QStringLiteral("row in a truth table"));
            return;
        }
        int k = 1;
        QString vector;
        if (p.takeString(l, k, "the row vector", vector) && p.takeEnd(l, k) &&
            p.roomFor(l, logic.GetTruthTable().count(), MaxEntries, "truth table rows")) {
            auto* record = new LxLibTruthTableRecord(vector);
            LxLibParser::place(*record, l);
            logic.AddTruthTableRecord(record);
        } else {
            p.abandon(l);
        }
    });
}

void LxLibLogicReader::readSequence(LxLibLogic& logic, const LxLibLine& line)
{
    int i = 1;
    QString name;
    const bool named = !p.atEnd(line, i) && line.tokens[1].kind == LxLibToken::String;
    if (named)
        name = LxLibTokenizer::stringValue(line.tokens[static_cast<size_t>(i++)]);
    if (!p.takeOpen(line, i) || !p.roomFor(line, logic.GetStatementListsList().count(), MaxEntries, "test sequences")) {
        p.abandon(line);
        return;
    }
    if (m_version == 1.0f && (named || m_sequenceLine > 0)) {
        p.errorAtToken(line, named ? 1 : 0,
                       named ? QStringLiteral("a version 1.0 model holds one unnamed test sequence per part, "
                                              "but this one is named \"%1\"")
                                   .arg(name)
                             : QStringLiteral("a version 1.0 model holds one test sequence per part "
                                              "(the first is at line %1)")
                                   .arg(m_sequenceLine));
        p.abandon(line);
        return;
    }
    m_sequenceLine = line.number;
    auto* list = new LxLibLogicStatementLists(name);
    LxLibParser::place(*list, line);
    logic.AddStatementLists(list);
    p.block("test sequence", [&](const LxLibLine& l) { readStatement(*list, l); });
}

void LxLibLogicReader::readStatement(LxLibLogicStatementLists& list, const LxLibLine& line)
{
    const LxLibToken& key = line.tokens.front();
    const bool statement = key.is("vector") || key.is("loop") || key.is("wait");
    if (!statement) {
        p.unexpected(line, QStringLiteral("vector, loop or wait in a test sequence"));
        return;
    }
    if (!p.roomFor(line, list.GetStatementList().count(), MaxEntries, "statements in a test sequence"))
        return;
    if (key.is("vector")) {
        if (LxLibLogicStatement_testVector* v = readVector(line))
            list.AddStatement(v);
        return;
    }
    int i = 1;
    if (key.is("wait")) {
        qint64 time = 0;
        int unit = 0;
        if (p.takeInteger(line, i, "the wait time", 0, std::numeric_limits<quint32>::max(), time) &&
            p.takeCode(line, i, LxLibParser::TimeUnit, unit) && p.takeEnd(line, i)) {
            auto* wait = new LxLibLogicStatement_wait(static_cast<uint32_t>(time), unit);
            LxLibParser::place(*wait, line);
            list.AddStatement(wait);
        } else {
            p.abandon(line);
        }
        return;
    }
    qint64 count = 0;
    int mode = BM_NONE;
    bool ok = p.takeInteger(line, i, "the loop count", 0, std::numeric_limits<qint64>::max(), count);
    if (ok && p.nextIs(line, i, "break"))
        ok = p.takeCode(line, ++i, LxLibParser::BreakMode, mode);
    if (!ok || !p.takeOpen(line, i)) {
        p.abandon(line);
        return;
    }
    auto* loop = new LxLibLogicStatement_testLoop(count, mode);
    LxLibParser::place(*loop, line);
    list.AddStatement(loop);
    p.block("loop", [&](const LxLibLine& l) {
        if (!l.tokens.front().is("vector")) {
            p.unexpected(l, QStringLiteral("vector in a loop"));
            return;
        }
        if (!p.roomFor(l, loop->GetTestVectorList().count(), MaxEntries, "vectors in a loop"))
            return;
        if (LxLibLogicStatement_testVector* v = readVector(l))
            loop->AddTestVector(v);
    });
}

LxLibLogicStatement_testVector* LxLibLogicReader::readVector(const LxLibLine& line)
{
    int i = 1;
    LxLibCompactText text;
    if (!p.takeString(line, i, "the vector", text)) {
        p.abandon(line);
        return nullptr;
    }
    const bool withDiagnostics = !p.atEnd(line, i);
    if (withDiagnostics && !p.takeOpen(line, i)) {
        p.abandon(line);
        return nullptr;
    }
    auto* vector = new LxLibLogicStatement_testVector(std::move(text));
    LxLibParser::place(*vector, line);
    if (!withDiagnostics)
        return vector;
    p.block("vector", [&](const LxLibLine& l) {
        if (!l.tokens.front().is("diagnose")) {
            p.unexpected(l, QStringLiteral("diagnose in a vector"));
            return;
        }
        if (!p.takeOpen(l, 1) || !p.roomFor(l, vector->GetDiagnoseList().count(), MaxEntries, "diagnostics")) {
            p.abandon(l);
            return;
        }
        auto* diagnose = new LxLibDiagnose;
        LxLibParser::place(*diagnose, l);
        vector->AddDiagnose(diagnose);
        p.block("diagnose", [&](const LxLibLine& r) {
            if (!r.tokens.front().is("stuck")) {
                p.unexpected(r, QStringLiteral("stuck in a diagnose block"));
                return;
            }
            int k = 1;
            int type = 0;
            int bit = -1;
            int stuck = 0;
            if (p.takeCode(r, k, LxLibParser::SignalType, type) && p.takeBit(r, k, bit) &&
                p.takeCode(r, k, LxLibParser::StuckAt, stuck) && p.takeEnd(r, k) &&
                p.roomFor(r, diagnose->GetRuleList().count(), MaxEntries, "stuck-at rules")) {
                auto* rule = new LxLibDiagRuleStuckAt(type, bit, stuck);
                LxLibParser::place(*rule, r);
                diagnose->AddRule(rule);
            } else {
                p.abandon(r);
            }
        });
    });
    return vector;
}

LxLibSetSignal* LxLibLogicReader::readSetSignal(const LxLibLine& line)
{
    int i = 1;
    int type = 0;
    int bit = -1;
    QString vector;
    bool ok = p.takeCode(line, i, LxLibParser::SignalType, type) && p.takeString(line, i, "the signal vector", vector);
    if (ok && p.nextIs(line, i, "bit")) {
        qint64 b = 0;
        ok = p.takeInteger(line, ++i, "the bit number", 0, LxLibParser::MaxBit, b);
        bit = static_cast<int>(b);
    }
    if (!ok || !p.takeEnd(line, i)) {
        p.abandon(line);
        return nullptr;
    }
    auto* s = new LxLibSetSignal(type, vector, bit);
    LxLibParser::place(*s, line);
    return s;
}

bool LxLibLogicReader::readDifferential(const LxLibLine& line, int& i, int& out)
{
    if (p.nextIs(line, i, "-1")) {
        out = -1;
        ++i;
        return true;
    }
    return p.takeCode(line, i, LxLibParser::SignalType, out);
}

LxLibSetEnable* LxLibLogicReader::readSetEnable(const LxLibLine& line)
{
    const LxLibToken& key = line.tokens.front();
    int i = 1;
    LxLibSetEnable* entry = nullptr;
    if (key.is("chip-enable") || key.is("output-enable") || key.is("power-control")) {
        if (p.takeEnd(line, i))
            entry = new LxLibSetEnable(key.is("chip-enable")     ? ET_CHIP_ENABLE
                                       : key.is("output-enable") ? ET_OUTPUT_ENABLE
                                                                 : ET_POWER_CONTROL);
    } else if (key.is("plain")) {
        qint64 type = 0;
        if (p.takeInteger(line, i, "the enable type", 0, LxLibParser::MaxCode, type) && p.takeEnd(line, i))
            entry = new LxLibSetEnable(static_cast<int>(type));
    } else if (key.is("output-disable")) {
        int type = 0;
        int bit = -1;
        bool ok = p.takeCode(line, i, LxLibParser::SignalType, type);
        if (ok && !p.atEnd(line, i))
            ok = p.takeBit(line, i, bit);
        if (ok && p.takeEnd(line, i))
            entry = new LxLibSetEnableDisable(type, bit);
    } else {
        int s1 = 0, b1 = -1, s2 = 0, b2 = -1, d1 = -1, d2 = -1;
        bool invert = false, latch = false;
        bool ok = p.takeCode(line, i, LxLibParser::SignalType, s1) && p.takeBit(line, i, b1) &&
                  p.takeCode(line, i, LxLibParser::SignalType, s2) && p.takeBit(line, i, b2);
        if (ok && p.nextIs(line, i, "invert")) {
            invert = true;
            ++i;
        }
        if (ok && p.nextIs(line, i, "latch")) {
            latch = true;
            ++i;
        }
        if (ok && p.nextIs(line, i, "diff"))
            ok = readDifferential(line, ++i, d1) && readDifferential(line, i, d2);
        if (ok && p.takeEnd(line, i)) {
            if (key.is("equation"))
                entry = new LxLibSetEnableEqual(s1, s2, b1, b2, invert, latch, d1, d2);
            else
                entry = new LxLibSetEnableConnection(s1, s2, b1, b2, invert, latch, d1, d2);
        }
    }
    if (!entry) {
        p.abandon(line);
        return nullptr;
    }
    LxLibParser::place(*entry, line);
    return entry;
}

void LxLibLogicReader::readEnable(LxLibLogic& logic, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!readName(line, i, "the enable pattern name", name) ||
        !p.roomFor(line, logic.GetEnablePatternList().count(), MaxEntries, "enable patterns"))
        return;
    auto* pattern = new LxLibEnablePattern(name);
    LxLibParser::place(*pattern, line);
    logic.AddEnablePattern(pattern);
    p.block("enable pattern", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        const int entries = pattern->GetSetSignalList().count() + pattern->GetSetEnableList().count();
        if (key.is("set")) {
            if (p.roomFor(l, entries, MaxEntries, "entries in an enable pattern"))
                pattern->GetSetSignalList().append(readSetSignal(l));
        } else if (isSetEnableKeyword(key)) {
            if (p.roomFor(l, entries, MaxEntries, "entries in an enable pattern"))
                pattern->GetSetEnableList().append(readSetEnable(l));
        } else {
            p.unexpected(l, QStringLiteral("set or an enable entry (chip-enable, output-enable, power-control, "
                                           "equation, connection, output-disable, plain) in an enable pattern"));
        }
    });
}

void LxLibLogicReader::readDisable(LxLibLogic& logic, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!readName(line, i, "the disable pattern name", name) ||
        !p.roomFor(line, logic.GetDisablePatternList().count(), MaxEntries, "disable patterns"))
        return;
    auto* pattern = new LxLibDisablePattern(name);
    LxLibParser::place(*pattern, line);
    logic.AddDisablePattern(pattern);
    p.block("disable pattern", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        const int entries = pattern->GetSetSignalList().count() + pattern->GetSetDisableList().count();
        if (!(key.is("set") || key.is("disables"))) {
            p.unexpected(l, QStringLiteral("set or disables in a disable pattern"));
            return;
        }
        if (!p.roomFor(l, entries, MaxEntries, "entries in a disable pattern"))
            return;
        if (key.is("set")) {
            pattern->GetSetSignalList().append(readSetSignal(l));
            return;
        }
        int k = 1;
        int type = 0;
        int bit = -1;
        bool ok = p.takeCode(l, k, LxLibParser::SignalType, type);
        if (ok && !p.atEnd(l, k))
            ok = p.takeBit(l, k, bit);
        if (ok && p.takeEnd(l, k)) {
            auto* d = new LxLibSetDisable(type, bit);
            LxLibParser::place(*d, l);
            pattern->AddSetDisable(d);
        } else {
            p.abandon(l);
        }
    });
}

void LxLibLogicReader::readLatch(LxLibLogic& logic, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!readName(line, i, "the latch sequence name", name) ||
        !p.roomFor(line, logic.GetLatchSequenceList().count(), MaxEntries, "latch sequences"))
        return;
    auto* latch = new LxLibLatchSequence(name);
    LxLibParser::place(*latch, line);
    logic.AddLatchSequence(latch);
    p.block("latch sequence", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        const int entries = latch->GetSetEnableList().count() + latch->GetSetSignalListList().count();
        if (isSetEnableKeyword(key)) {
            if (p.roomFor(l, entries, MaxEntries, "entries in a latch sequence"))
                latch->AddSetEnable(readSetEnable(l));
        } else if (key.is("step")) {
            if (!p.takeOpen(l, 1) || !p.roomFor(l, entries, MaxEntries, "entries in a latch sequence")) {
                p.abandon(l);
                return;
            }
            auto* step = new LxLibSetSignalList;
            latch->AddSetSignalList(step);
            p.block("step", [&](const LxLibLine& s) {
                if (!s.tokens.front().is("set"))
                    p.unexpected(s, QStringLiteral("set in a step"));
                else if (p.roomFor(s, step->count(), MaxEntries, "signals in a step"))
                    step->append(readSetSignal(s));
            });
        } else {
            p.unexpected(l, QStringLiteral("a condition (equation, connection, ...) or step in a latch sequence"));
        }
    });
}

} // namespace lxlib
