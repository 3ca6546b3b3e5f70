#include "LxLibModelDump.h"

#include "lxlib.h"

#include <QRandomGenerator>
#include <QTextStream>

using namespace lxlib;

namespace {

void dumpEnable(QTextStream& s, const LxLibSetEnable* e)
{
    s << " enable " << e->GetEnableType() << ' ' << typeid(*e).name();
    if (const auto* r = dynamic_cast<const LxLibSetEnableRelation*>(e))
        s << ' ' << r->GetFirstSignal().GetSignalType() << '/' << r->GetFirstSignal().GetSignalBit() << ' '
          << r->GetSecondSignal().GetSignalType() << '/' << r->GetSecondSignal().GetSignalBit() << " f"
          << r->GetFlags() << " d" << r->GetFirstDifferential() << '/' << r->GetSecondDifferential();
    if (const auto* d = dynamic_cast<const LxLibSetEnableDisable*>(e))
        s << ' ' << d->GetSignal().GetSignalType() << '/' << d->GetSignal().GetSignalBit();
    s << '\n';
}

void dumpSignals(QTextStream& s, const LxLibSetSignalList& list)
{
    for (const LxLibSetSignal* x : list)
        s << " set " << x->GetSignalType() << " [" << x->GetVector() << "] " << x->GetSignalBit() << '\n';
}

void dumpVector(QTextStream& s, const LxLibLogicStatement_testVector* v)
{
    s << " vector [" << v->GetVector() << "]\n";
    for (const LxLibDiagnose* d : v->GetDiagnoseList()) {
        s << "  diagnose\n";
        for (const LxLibDiagRuleStuckAt* r : d->GetRuleList())
            s << "   stuck " << r->GetSignalType() << '/' << r->GetSignalBit() << ' ' << r->GetStuckAtType() << '\n';
    }
}

void dumpLogic(QTextStream& s, const LxLibLogic* l)
{
    s << "logic " << l->kind() << " [" << l->GetName() << "]\n";
    for (const auto& p : l->GetPropertyList())
        s << " property [" << p.first << "] [" << p.second << "]\n";
    for (const LxLibPinList* pl : l->GetPinListList()) {
        s << " pinlist [" << pl->GetPartName() << "]\n";
        for (const LxLibPinListSignalDef* d : pl->GetSignalDefList())
            s << "  signal " << d->GetSignalType() << '/' << d->GetSignalBit() << " [" << d->GetPinName() << "]\n";
    }
    for (const LxLibTruthTableRecord* r : l->GetTruthTable())
        s << " row [" << r->GetVector() << "]\n";
    for (const LxLibLogicStatementLists* list : l->GetStatementListsList()) {
        s << " sequence [" << list->GetName() << "]\n";
        for (const LxLibLogicStatement* st : list->GetStatementList()) {
            if (const auto* v = dynamic_cast<const LxLibLogicStatement_testVector*>(st))
                dumpVector(s, v);
            if (const auto* w = dynamic_cast<const LxLibLogicStatement_wait*>(st))
                s << " wait " << w->GetWaitTime() << ' ' << w->GetTimeUnit().GetTimeUnit() << '\n';
            if (const auto* loop = dynamic_cast<const LxLibLogicStatement_testLoop*>(st)) {
                s << " loop " << loop->GetCount() << ' ' << loop->GetBreakMode() << '\n';
                for (const LxLibLogicStatement_testVector* v : loop->GetTestVectorList())
                    dumpVector(s, v);
            }
        }
    }
    for (const LxLibEnablePattern* e : l->GetEnablePatternList()) {
        s << " enablepattern [" << e->GetName() << "]\n";
        dumpSignals(s, e->GetSetSignalList());
        for (const LxLibSetEnable* x : e->GetSetEnableList())
            dumpEnable(s, x);
    }
    for (const LxLibDisablePattern* d : l->GetDisablePatternList()) {
        s << " disablepattern [" << d->GetName() << "]\n";
        dumpSignals(s, d->GetSetSignalList());
        for (const LxLibSetDisable* x : d->GetSetDisableList())
            s << " disables " << x->GetSignalType() << '/' << x->GetSignalBit() << '\n';
    }
    for (const LxLibLatchSequence* q : l->GetLatchSequenceList()) {
        s << " latch [" << q->GetName() << "]\n";
        for (const LxLibSetEnable* x : q->GetSetEnableList())
            dumpEnable(s, x);
        for (const LxLibSetSignalList* step : q->GetSetSignalListList()) {
            s << " step\n";
            dumpSignals(s, *step);
        }
    }
}

void dumpPassive(QTextStream& s, const LxLibPassiveComponent* p)
{
    s << "passive [" << p->GetName() << "] " << p->GetType() << '\n';
    for (const LxLibPinCombination* c : p->GetPinCombinationList())
        s << " pins [" << c->GetPinA() << "] [" << c->GetPinB() << "]\n";
    if (const auto* c = dynamic_cast<const LxLibPassiveCompConnection*>(p))
        for (const LxLibCondition* cond : c->GetConditionList()) {
            s << " condition [" << cond->GetConditionId() << "]\n";
            for (const LxLibPinCombination* pc : cond->GetPinCombinationList())
                s << "  pins [" << pc->GetPinA() << "] [" << pc->GetPinB() << "]\n";
        }
}

} // namespace

QString dumpModel(const LxLibInfo& info)
{
    QString out;
    QTextStream s(&out);
    s << "version " << info.GetFormatVersion() << '\n';
    for (const LxLibHeader* h : info.GetHeaderList())
        s << "header " << h->GetHeaderType() << " [" << h->GetLogCommentList().join(QStringLiteral("][")) << "]\n";
    for (const LxLibAlias* a : info.GetAliasList())
        s << "alias [" << a->GetAliasId() << "] [" << a->GetComponentId() << "] [" << a->GetManufacturerId() << "] ["
          << a->GetPackageId() << "]\n";
    for (const LxLibComponent* c : info.GetComponentList()) {
        s << "component [" << c->GetName() << "]\n";
        for (const LxLibPackage* p : c->GetPackageList()) {
            s << "package [" << p->GetPackageIdList().join(QStringLiteral("][")) << "] tap " << p->HasTap() << '\n';
            for (const LxLibPackagePin* pin : p->GetPackagePinList())
                s << " pin [" << pin->GetPinNumber() << "] [" << pin->GetPinName() << "] " << pin->GetPinType() << ' '
                  << pin->GetDiePinType() << " [" << pin->GetDifferentialPartner() << "]\n";
        }
        for (const LxLibDescriptor* d : c->GetDescriptorList()) {
            if (const auto* l = dynamic_cast<const LxLibLogic*>(d))
                dumpLogic(s, l);
            else if (const auto* p = dynamic_cast<const LxLibPassiveComponent*>(d))
                dumpPassive(s, p);
        }
    }
    s.flush();
    return out;
}

namespace {

class Random
{
public:
    explicit Random(unsigned seed) : m_gen(seed) {}
    int upTo(int n) { return static_cast<int>(m_gen.bounded(static_cast<quint32>(n + 1))); }
    bool coin() { return upTo(1) == 1; }
    QString text()
    {
        static const char16_t pool[] = {u'a', u'Z', u'0', u' ', u'"', u'\\', u'\n', u'\t', u'\x01', u'#',
                                        u'{', u'}', u'\u00e9', u'\u4e2d', u'\xd800', u'\x7f', u'-', u'\r'};
        QString s;
        const int n = upTo(8);
        for (int i = 0; i < n; ++i)
            s.append(QChar(pool[upTo(int(std::size(pool)) - 1)]));
        if (upTo(10) == 0)
            s.append(QString::fromUtf8("\xF0\x9F\x98\x80"));
        return s;
    }
    QString vector(const char* chars)
    {
        QString s;
        const int n = upTo(6);
        const int k = static_cast<int>(strlen(chars));
        for (int i = 0; i < n; ++i)
            s.append(QLatin1Char(chars[upTo(k - 1)]));
        return s;
    }
    int signal() { return upTo(30); }
    int bit() { return upTo(40) - 1; }

private:
    QRandomGenerator m_gen;
};

LxLibSetEnable* randomEnable(Random& r)
{
    switch (r.upTo(5)) {
    case 0: return new LxLibSetEnable(r.coin() ? ET_CHIP_ENABLE : ET_POWER_CONTROL);
    case 1: return new LxLibSetEnable(r.upTo(9));
    case 2: return new LxLibSetEnableDisable(r.signal(), r.bit());
    case 3: return new LxLibSetEnableConnection(r.signal(), r.signal(), r.bit(), r.bit(), r.coin(), r.coin());
    default:
        return new LxLibSetEnableEqual(r.signal(), r.signal(), r.bit(), r.bit(), r.coin(), r.coin(), r.upTo(29) - 1,
                                       r.upTo(29) - 1);
    }
}

LxLibSetSignal* randomSet(Random& r) { return new LxLibSetSignal(r.signal(), r.vector("01XZ"), r.bit()); }

LxLibLogicStatement_testVector* randomVector(Random& r)
{
    auto* v = new LxLibLogicStatement_testVector(r.vector("01HLXZ"));
    for (int d = r.upTo(2); d > 0; --d) {
        auto* diag = new LxLibDiagnose;
        for (int k = r.upTo(3); k > 0; --k)
            diag->AddRule(new LxLibDiagRuleStuckAt(r.signal(), r.bit(), r.upTo(4)));
        v->AddDiagnose(diag);
    }
    return v;
}

void randomLogic(Random& r, LxLibLogic* l)
{
    for (int i = r.upTo(2); i > 0; --i)
        l->AddProperty(r.text(), r.text());
    for (int i = r.upTo(2); i > 0; --i) {
        auto* pl = new LxLibPinList;
        pl->SetPartName(r.text());
        for (int k = r.upTo(5); k > 0; --k)
            pl->AddPinListSignalDef(new LxLibPinListSignalDef(r.signal(), r.bit(), r.text()));
        l->AddPinList(pl);
    }
    for (int i = r.upTo(3); i > 0; --i)
        l->AddTruthTableRecord(new LxLibTruthTableRecord(r.vector("01DHLNTUXZ")));
    for (int i = r.upTo(2); i > 0; --i) {
        auto* list = new LxLibLogicStatementLists(r.text());
        for (int k = r.upTo(4); k > 0; --k) {
            const int kind = r.upTo(2);
            if (kind == 0) {
                list->AddStatement(randomVector(r));
            } else if (kind == 1) {
                list->AddStatement(new LxLibLogicStatement_wait(r.coin() ? 4294967295u : static_cast<uint32_t>(r.upTo(999)),
                                                                r.upTo(6)));
            } else {
                auto* loop = new LxLibLogicStatement_testLoop(r.coin() ? INT64_MAX : r.upTo(50), r.upTo(3));
                for (int v = r.upTo(3); v > 0; --v)
                    loop->AddTestVector(randomVector(r));
                list->AddStatement(loop);
            }
        }
        l->AddStatementLists(list);
    }
    for (int i = r.upTo(2); i > 0; --i) {
        auto* e = new LxLibEnablePattern(r.text());
        for (int k = r.upTo(3); k > 0; --k)
            e->AddSetSignal(randomSet(r));
        for (int k = r.upTo(3); k > 0; --k)
            e->AddSetEnable(randomEnable(r));
        l->AddEnablePattern(e);
    }
    for (int i = r.upTo(2); i > 0; --i) {
        auto* d = new LxLibDisablePattern(r.text());
        for (int k = r.upTo(2); k > 0; --k)
            d->AddSetSignal(randomSet(r));
        for (int k = r.upTo(2); k > 0; --k)
            d->AddSetDisable(new LxLibSetDisable(r.signal(), r.bit()));
        l->AddDisablePattern(d);
    }
    for (int i = r.upTo(2); i > 0; --i) {
        auto* q = new LxLibLatchSequence(r.text());
        for (int k = r.upTo(2); k > 0; --k)
            q->AddSetEnable(randomEnable(r));
        for (int k = r.upTo(2); k > 0; --k) {
            auto* step = new LxLibSetSignalList;
            for (int m = r.upTo(2); m > 0; --m)
                step->append(randomSet(r));
            q->AddSetSignalList(step);
        }
        l->AddLatchSequence(q);
    }
}

} // namespace

void buildRandomModel(LxLibInfo& info, unsigned seed)
{
    Random r(seed);
    static const float versions[] = {1.1f, 1.2f, 1.05f, 1.3f};
    info.SetFormatVersion(versions[r.upTo(3)]);
    for (int i = r.upTo(3); i > 0; --i) {
        auto* h = new LxLibHeader(r.upTo(5));
        for (int k = r.upTo(4); k > 0; --k)
            h->AddLogComment(r.text());
        info.AddHeader(h);
    }
    for (int i = r.upTo(2); i > 0; --i)
        info.AddAlias(new LxLibAlias(r.text(), r.text(), r.text(), r.text()));
    for (int c = r.upTo(1) + 1; c > 0; --c) {
        auto* component = new LxLibComponent(r.text());
        for (int i = r.upTo(2); i > 0; --i) {
            auto* p = new LxLibPackage;
            for (int k = r.upTo(2); k > 0; --k)
                p->AddPackageAlias(r.text());
            p->SetHasTap(r.coin());
            for (int k = r.upTo(6); k > 0; --k) {
                auto* pin = new LxLibPackagePin(r.text(), r.text(), r.upTo(6), r.upTo(27));
                if (r.coin())
                    pin->SetDifferentialPartner(r.text());
                p->AddPackagePin(pin);
            }
            component->AddPackage(p);
        }
        for (int i = r.upTo(3); i > 0; --i) {
            const int kind = r.upTo(4);
            if (kind <= 1) {
                auto* l = kind == 0 ? new LxLibLogic(r.text()) : new LxLibMemoryTest(r.text());
                randomLogic(r, l);
                component->AddDescriptor(l);
            } else if (kind == 2) {
                auto* l = new LxLibMemoryProgram(r.text());
                randomLogic(r, l);
                component->AddDescriptor(l);
            } else if (kind == 3) {
                auto* p = new LxLibPassiveComponent(r.text(), r.upTo(8) == 5 ? 4 : r.upTo(8));
                p->AddPinCombination(r.text(), r.text());
                component->AddDescriptor(p);
            } else {
                auto* p = new LxLibPassiveCompConnection(r.text());
                p->AddPinCombination(r.text(), r.text());
                for (int k = r.upTo(2); k > 0; --k) {
                    auto* cond = new LxLibCondition(r.text());
                    cond->AddPinCombination(r.text(), r.text());
                    p->AddCondition(cond);
                }
                component->AddDescriptor(p);
            }
        }
        info.AddComponent(component);
    }
}
