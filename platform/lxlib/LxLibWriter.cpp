#include "LxLibWriter.h"

#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibPassive.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace lxlib {

void LxLibWriter::appendString(QByteArray& out, const QString& text)
{
    static const char hex[] = "0123456789ABCDEF";
    out.append('"');
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == '"' || c == '\\')
                out.append('\\');
            out.append(static_cast<char>(c));
        } else if (c == '\n') {
            out.append("\\n", 2);
        } else if (c == '\r') {
            out.append("\\r", 2);
        } else if (c == '\t') {
            out.append("\\t", 2);
        } else if (c < 0x80) {
            out.append("\\u{", 3);
            out.append(hex[(c >> 4) & 0xF]);
            out.append(hex[c & 0xF]);
            out.append('}');
        } else if (c < 0x800) {
            out.append(static_cast<char>(0xC0 | (c >> 6)));
            out.append(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (QChar::isHighSurrogate(c) && p + 1 < end && p[1].isLowSurrogate()) {
            const char32_t cp = QChar::surrogateToUcs4(c, p[1].unicode());
            ++p;
            out.append(static_cast<char>(0xF0 | (cp >> 18)));
            out.append(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.append(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (QChar::isSurrogate(c)) {
            // A lone surrogate has no UTF-8 form; the escape keeps it.
            out.append("\\u{", 3);
            for (int shift = 12; shift >= 0; shift -= 4)
                out.append(hex[(c >> shift) & 0xF]);
            out.append('}');
        } else {
            out.append(static_cast<char>(0xE0 | (c >> 12)));
            out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.append(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    out.append('"');
}

QByteArray LxLibWriter::versionText(float version)
{
    QByteArray text = QByteArray::number(static_cast<double>(version), 'g', 6);
    if (!text.contains('.') && !text.contains('e'))
        text.append(".0");
    return text;
}

QByteArray LxLibWriter::toText(const LxLibInfo& info)
{
    QByteArray out;
    out.reserve(4096);
    LxLibWriter(out).document(info);
    return out;
}

bool LxLibWriter::writeFile(LxLibInfo& info, const QString& path)
{
    auto fail = [&](const QString& reason) {
        Message m;
        m.kind = Message::Error;
        m.text = QStringLiteral("%1: cannot save the model file: %2").arg(path, reason);
        emit info.message(m);
        return false;
    };
    const QFileInfo target(path);
    if (path.isEmpty())
        return fail(QStringLiteral("no file name given"));
    if (target.isDir())
        return fail(QStringLiteral("a folder of that name is in the way"));
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(target.absolutePath())));
    // The permission bits, not access(): a privileged user must not overwrite a read-only model either.
    if (target.exists() &&
        !(target.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)))
        return fail(QStringLiteral("the file is read-only"));
    const QByteArray text = toText(info);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

void LxLibWriter::begin(const char* keyword)
{
    m_out.append(2 * m_depth, ' ');
    m_out.append(keyword);
}

void LxLibWriter::open()
{
    m_out.append(" {\n", 3);
    ++m_depth;
}

void LxLibWriter::close()
{
    --m_depth;
    m_out.append(2 * m_depth, ' ');
    m_out.append("}\n", 2);
}

void LxLibWriter::word(const char* w)
{
    m_out.append(' ');
    m_out.append(w);
}

void LxLibWriter::string(const QString& s)
{
    m_out.append(' ');
    appendString(m_out, s);
}

void LxLibWriter::integer(qint64 v)
{
    m_out.append(' ');
    m_out.append(QByteArray::number(v));
}

void LxLibWriter::code(const QString& keyword, int code)
{
    if (keyword.isEmpty()) {
        integer(code);
    } else {
        m_out.append(' ');
        m_out.append(keyword.toLatin1());
    }
}

void LxLibWriter::signal(int type) { code(signalTypeKeyword(type), type); }

void LxLibWriter::document(const LxLibInfo& info)
{
    m_out.append("model-format ");
    m_out.append(versionText(info.GetFormatVersion()));
    endLine();
    static const char* const headerTypes[] = {"", "general", "history", "warning", "note"};
    for (const LxLibHeader* h : info.GetHeaderList()) {
        begin("header");
        const int t = h->GetHeaderType();
        code(t >= HT_GENERAL && t <= HT_NOTE ? QLatin1String(headerTypes[t]) : QString(), t);
        open();
        for (const QString& line : h->GetLogCommentList()) {
            begin("line");
            string(line);
            endLine();
        }
        close();
    }
    for (const LxLibAlias* a : info.GetAliasList()) {
        begin("alias");
        string(a->GetAliasId());
        string(a->GetComponentId());
        string(a->GetManufacturerId());
        string(a->GetPackageId());
        endLine();
    }
    for (const LxLibComponent* c : info.GetComponentList()) {
        begin("component");
        string(c->GetName());
        open();
        for (const LxLibPackage* p : c->GetPackageList())
            package(*p);
        for (const LxLibDescriptor* d : c->GetDescriptorList()) {
            if (const auto* l = dynamic_cast<const LxLibLogic*>(d))
                logic(*l);
            else if (const auto* pc = dynamic_cast<const LxLibPassiveComponent*>(d))
                passive(*pc);
        }
        close();
    }
}

void LxLibWriter::package(const LxLibPackage& p)
{
    begin("package");
    open();
    for (const QString& id : p.GetPackageIdList()) {
        begin("id");
        string(id);
        endLine();
    }
    if (p.HasTap()) {
        begin("tap");
        endLine();
    }
    for (const LxLibPackagePin* pin : p.GetPackagePinList()) {
        begin("pin");
        string(pin->GetPinNumber());
        string(pin->GetPinName());
        code(packagePinTypeKeyword(pin->GetPinType()), pin->GetPinType());
        if (pin->GetDiePinType() != DPT_EXTERN) {
            word("die");
            code(diePinTypeKeyword(pin->GetDiePinType()), pin->GetDiePinType());
        }
        if (!pin->GetDifferentialPartner().isEmpty()) {
            word("partner");
            string(pin->GetDifferentialPartner());
        }
        endLine();
    }
    close();
}

void LxLibWriter::logic(const LxLibLogic& l)
{
    begin(l.kind() == DK_MEMORY_TEST ? "memory-test" : l.kind() == DK_MEMORY_PROGRAM ? "memory-program" : "logic");
    string(l.GetName());
    open();
    for (const auto& property : l.GetPropertyList()) {
        begin("property");
        string(property.first);
        string(property.second);
        endLine();
    }
    for (const LxLibPinList* list : l.GetPinListList()) {
        begin("pinlist");
        string(list->GetPartName());
        open();
        for (const LxLibPinListSignalDef* def : list->GetSignalDefList()) {
            begin("signal");
            signal(def->GetSignalType());
            integer(def->GetSignalBit());
            string(def->GetPinName());
            endLine();
        }
        close();
    }
    if (!l.GetTruthTable().isEmpty()) {
        begin("truthtable");
        open();
        for (const LxLibTruthTableRecord* r : l.GetTruthTable()) {
            begin("row");
            string(r->GetVector());
            endLine();
        }
        close();
    }
    sequences(l);
    patterns(l);
    close();
}

void LxLibWriter::sequences(const LxLibLogic& l)
{
    for (const LxLibLogicStatementLists* list : l.GetStatementListsList()) {
        begin("sequence");
        if (!list->GetName().isEmpty())
            string(list->GetName());
        open();
        for (const LxLibLogicStatement* s : list->GetStatementList()) {
            if (const auto* v = dynamic_cast<const LxLibLogicStatement_testVector*>(s)) {
                vector(*v);
            } else if (const auto* w = dynamic_cast<const LxLibLogicStatement_wait*>(s)) {
                begin("wait");
                integer(w->GetWaitTime());
                code(w->GetTimeUnit().GetTimeUnitAsStr(), w->GetTimeUnit().GetTimeUnit());
                endLine();
            } else if (const auto* loop = dynamic_cast<const LxLibLogicStatement_testLoop*>(s)) {
                begin("loop");
                integer(loop->GetCount());
                const int mode = loop->GetBreakMode();
                if (mode != BM_NONE) {
                    word("break");
                    code(mode == BM_ON_NO_ERROR ? QStringLiteral("no-error")
                                                : mode == BM_ON_ERROR ? QStringLiteral("error") : QString(),
                         mode);
                }
                open();
                for (const LxLibLogicStatement_testVector* v : loop->GetTestVectorList())
                    vector(*v);
                close();
            }
        }
        close();
    }
}

void LxLibWriter::vector(const LxLibLogicStatement_testVector& v)
{
    begin("vector");
    string(v.GetVector());
    if (v.GetDiagnoseList().isEmpty()) {
        endLine();
        return;
    }
    open();
    for (const LxLibDiagnose* d : v.GetDiagnoseList()) {
        begin("diagnose");
        open();
        for (const LxLibDiagRuleStuckAt* r : d->GetRuleList()) {
            begin("stuck");
            signal(r->GetSignalType());
            integer(r->GetSignalBit());
            code(r->GetStuckAtTypeAsStr(), r->GetStuckAtType());
            endLine();
        }
        close();
    }
    close();
}

void LxLibWriter::patterns(const LxLibLogic& l)
{
    for (const LxLibEnablePattern* e : l.GetEnablePatternList()) {
        begin("enable");
        string(e->GetName());
        open();
        for (const LxLibSetSignal* s : e->GetSetSignalList())
            setSignal(*s);
        for (const LxLibSetEnable* s : e->GetSetEnableList())
            setEnable(*s);
        close();
    }
    for (const LxLibDisablePattern* d : l.GetDisablePatternList()) {
        begin("disable");
        string(d->GetName());
        open();
        for (const LxLibSetSignal* s : d->GetSetSignalList())
            setSignal(*s);
        for (const LxLibSetDisable* s : d->GetSetDisableList()) {
            begin("disables");
            signal(s->GetSignalType());
            if (s->GetSignalBit() >= 0)
                integer(s->GetSignalBit());
            endLine();
        }
        close();
    }
    for (const LxLibLatchSequence* s : l.GetLatchSequenceList()) {
        begin("latch");
        string(s->GetName());
        open();
        for (const LxLibSetEnable* e : s->GetSetEnableList())
            setEnable(*e);
        for (const LxLibSetSignalList* step : s->GetSetSignalListList()) {
            begin("step");
            open();
            for (const LxLibSetSignal* sig : *step)
                setSignal(*sig);
            close();
        }
        close();
    }
}

void LxLibWriter::setSignal(const LxLibSetSignal& s)
{
    begin("set");
    signal(s.GetSignalType());
    string(s.GetVector());
    if (s.HasBitValue()) {
        word("bit");
        integer(s.GetSignalBit());
    }
    endLine();
}

void LxLibWriter::setEnable(const LxLibSetEnable& e)
{
    if (const auto* r = dynamic_cast<const LxLibSetEnableRelation*>(&e)) {
        begin(dynamic_cast<const LxLibSetEnableConnection*>(&e) ? "connection" : "equation");
        signal(r->GetFirstSignal().GetSignalType());
        integer(r->GetFirstSignal().GetSignalBit());
        signal(r->GetSecondSignal().GetSignalType());
        integer(r->GetSecondSignal().GetSignalBit());
        if (r->IsInvert())
            word("invert");
        if (r->IsLatch())
            word("latch");
        if (r->IsDifferential()) {
            word("diff");
            for (int d : {r->GetFirstDifferential(), r->GetSecondDifferential()}) {
                if (d < 0)
                    integer(-1);
                else
                    signal(d);
            }
        }
    } else if (const auto* off = dynamic_cast<const LxLibSetEnableDisable*>(&e)) {
        begin("output-disable");
        signal(off->GetSignal().GetSignalType());
        if (off->GetSignal().GetSignalBit() >= 0)
            integer(off->GetSignal().GetSignalBit());
    } else if (e.GetEnableType() == ET_CHIP_ENABLE) {
        begin("chip-enable");
    } else if (e.GetEnableType() == ET_OUTPUT_ENABLE) {
        begin("output-enable");
    } else if (e.GetEnableType() == ET_POWER_CONTROL) {
        begin("power-control");
    } else {
        begin("plain");
        integer(e.GetEnableType());
    }
    endLine();
}

void LxLibWriter::passive(const LxLibPassiveComponent& part)
{
    begin("passive");
    string(part.GetName());
    code(passiveTypeKeyword(part.GetType()), part.GetType());
    open();
    auto pins = [&](const LxLibPinCombinationList& list) {
        for (const LxLibPinCombination* c : list) {
            begin("pins");
            string(c->GetPinA());
            string(c->GetPinB());
            endLine();
        }
    };
    pins(part.GetPinCombinationList());
    if (const auto* connection = dynamic_cast<const LxLibPassiveCompConnection*>(&part)) {
        for (const LxLibCondition* c : connection->GetConditionList()) {
            begin("condition");
            string(c->GetConditionId());
            open();
            pins(c->GetPinCombinationList());
            close();
        }
    }
    close();
}

} // namespace lxlib
