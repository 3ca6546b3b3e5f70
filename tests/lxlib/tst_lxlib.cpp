#include "LxLibReader.h"
#include "LxLibTokenizer.h"
#include "lxlib.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace lxlib;

namespace {

QByteArray everythingText()
{
    QFile f(QStringLiteral(PW_SOURCE_DIR "/tests/lxlib/everything.model"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A document that records the messages it emits.
struct Recorded
{
    LxLibInfo info{QStringLiteral("m.model")};
    QStringList errors;
    QStringList warnings;
    Recorded()
    {
        QObject::connect(&info, &LxLibInfo::message, [this](const Message& m) {
            (m.kind == Message::Error ? errors : warnings).append(m.text);
        });
    }
    bool read(const QByteArray& data, bool stopAtFirst = false)
    {
        bool errorFlag = false;
        const bool ok = info.readFromData(data, true, stopAtFirst, &errorFlag);
        if (ok == errorFlag)
            qWarning("read result and error flag disagree");
        return ok && !errorFlag;
    }
};

const char kClean[] = "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n    pin \"1\" \"OE\" INPUT\n"
                      "    pin \"2\" \"D0\" INOUT\n    pin \"3\" \"D1\" INOUT\n    pin \"4\" \"Y\" OUTPUT\n  }\n"
                      "  logic \"L\" {\n    pinlist \"P\" {\n      signal OE 0 \"OE\"\n      signal DATA 0 \"D0\"\n"
                      "      signal DATA 1 \"D1\"\n      signal OUT 1 \"Y\"\n    }\n";

// Random content of every kind, built through the object model.
class Random
{
public:
    explicit Random(unsigned seed) : m_gen(seed) {}
    int upTo(int n) { return static_cast<int>(m_gen.bounded(static_cast<quint32>(n + 1))); }
    bool coin() { return upTo(1) == 1; }
    int signal() { return upTo(30); }
    int bit() { return upTo(40) - 1; }
    template <typename F> void times(int n, F f)
    {
        for (int i = upTo(n); i > 0; --i)
            f();
    }
    QString text()
    {
        static const char16_t pool[] = {u'a', u'Z', u'0', u' ', u'"', u'\\', u'\n', u'\t', u'\x01', u'#',
                                        u'{', u'}', u'\u00e9', u'\u4e2d', u'\xd800', u'\x7f', u'-', u'\r'};
        QString s;
        times(8, [&] { s.append(QChar(pool[upTo(int(std::size(pool)) - 1)])); });
        return upTo(10) == 0 ? s + QString::fromUtf8("\xF0\x9F\x98\x80") : s;
    }
    QString vector(const char* chars)
    {
        QString s;
        times(6, [&] { s.append(QLatin1Char(chars[upTo(int(strlen(chars)) - 1)])); });
        return s;
    }
    LxLibSetEnable* enable()
    {
        switch (upTo(5)) {
        case 0: return new LxLibSetEnable(coin() ? ET_CHIP_ENABLE : ET_POWER_CONTROL);
        case 1: return new LxLibSetEnable(upTo(9));
        case 2: return new LxLibSetEnableDisable(signal(), bit());
        case 3: return new LxLibSetEnableConnection(signal(), signal(), bit(), bit(), coin(), coin());
        default:
            return new LxLibSetEnableEqual(signal(), signal(), bit(), bit(), coin(), coin(), upTo(29) - 1, upTo(29) - 1);
        }
    }
    LxLibSetSignal* set() { return new LxLibSetSignal(signal(), vector("01XZ"), bit()); }
    LxLibLogicStatement_testVector* testVector()
    {
        auto* v = new LxLibLogicStatement_testVector(vector("01HLXZ"));
        times(2, [&] {
            auto* diag = new LxLibDiagnose;
            times(3, [&] { diag->AddRule(new LxLibDiagRuleStuckAt(signal(), bit(), upTo(4))); });
            v->AddDiagnose(diag);
        });
        return v;
    }
    void fill(LxLibLogic* l)
    {
        times(2, [&] { l->AddProperty(text(), text()); });
        times(2, [&] {
            auto* pl = new LxLibPinList;
            pl->SetPartName(text());
            times(5, [&] { pl->AddPinListSignalDef(new LxLibPinListSignalDef(signal(), bit(), text())); });
            l->AddPinList(pl);
        });
        times(3, [&] { l->AddTruthTableRecord(new LxLibTruthTableRecord(vector("01DHLNTUXZ"))); });
        times(2, [&] {
            auto* list = new LxLibLogicStatementLists(text());
            times(4, [&] {
                const int kind = upTo(2);
                if (kind == 0) {
                    list->AddStatement(testVector());
                } else if (kind == 1) {
                    list->AddStatement(new LxLibLogicStatement_wait(coin() ? 4294967295u : uint32_t(upTo(999)), upTo(6)));
                } else {
                    auto* loop = new LxLibLogicStatement_testLoop(coin() ? INT64_MAX : upTo(50), upTo(3));
                    times(3, [&] { loop->AddTestVector(testVector()); });
                    list->AddStatement(loop);
                }
            });
            l->AddStatementLists(list);
        });
        times(2, [&] {
            auto* e = new LxLibEnablePattern(text());
            times(3, [&] { e->AddSetSignal(set()); });
            times(3, [&] { e->AddSetEnable(enable()); });
            l->AddEnablePattern(e);
        });
        times(2, [&] {
            auto* d = new LxLibDisablePattern(text());
            times(2, [&] { d->AddSetSignal(set()); });
            times(2, [&] { d->AddSetDisable(new LxLibSetDisable(signal(), bit())); });
            l->AddDisablePattern(d);
        });
        times(2, [&] {
            auto* q = new LxLibLatchSequence(text());
            times(2, [&] { q->AddSetEnable(enable()); });
            times(2, [&] {
                auto* step = new LxLibSetSignalList;
                times(2, [&] { step->append(set()); });
                q->AddSetSignalList(step);
            });
            l->AddLatchSequence(q);
        });
    }
    void fill(LxLibInfo& info)
    {
        static const float versions[] = {1.1f, 1.2f, 1.05f, 1.3f};
        info.SetFormatVersion(versions[upTo(3)]);
        times(3, [&] {
            auto* h = new LxLibHeader(upTo(5));
            times(4, [&] { h->AddLogComment(text()); });
            info.AddHeader(h);
        });
        times(2, [&] { info.AddAlias(new LxLibAlias(text(), text(), text(), text())); });
        for (int c = upTo(1) + 1; c > 0; --c) {
            auto* component = new LxLibComponent(text());
            times(2, [&] {
                auto* p = new LxLibPackage;
                times(2, [&] { p->AddPackageAlias(text()); });
                p->SetHasTap(coin());
                times(6, [&] {
                    auto* pin = new LxLibPackagePin(text(), text(), upTo(6), upTo(27));
                    if (coin())
                        pin->SetDifferentialPartner(text());
                    p->AddPackagePin(pin);
                });
                component->AddPackage(p);
            });
            times(3, [&] { component->AddDescriptor(descriptor()); });
            info.AddComponent(component);
        }
    }

private:
    LxLibDescriptor* descriptor()
    {
        const int kind = upTo(4);
        if (kind <= 2) {
            LxLibLogic* l = kind == 0   ? new LxLibLogic(text())
                            : kind == 1 ? static_cast<LxLibLogic*>(new LxLibMemoryTest(text()))
                                        : new LxLibMemoryProgram(text());
            fill(l);
            return l;
        }
        if (kind == 3) {
            auto* p = new LxLibPassiveComponent(text(), upTo(8) == 5 ? 4 : upTo(8));
            p->AddPinCombination(text(), text());
            return p;
        }
        auto* p = new LxLibPassiveCompConnection(text());
        p->AddPinCombination(text(), text());
        times(2, [&] {
            auto* cond = new LxLibCondition(text());
            cond->AddPinCombination(text(), text());
            p->AddCondition(cond);
        });
        return p;
    }

    QRandomGenerator m_gen;
};

} // namespace

class TestLxLib : public QObject
{
    Q_OBJECT

private slots:
    void keywordTablesAgreeWithCodes()
    {
        QCOMPARE(packagePinTypeKeyword(7), QStringLiteral("GND"));
        QCOMPARE(packagePinTypeKeyword(11), QStringLiteral("-"));
        QCOMPARE(packagePinTypeCode(QStringLiteral("inout_os_pd")), 23);
        QCOMPARE(passiveTypeCode(QStringLiteral("BOARDCONTACT")), 7);
        QCOMPARE(passiveTypeCode(QStringLiteral("board_contact")), 7);
        QCOMPARE(signalTypeCode(QStringLiteral("pwr_sw")), 28);
        QCOMPARE(signalTypeKeyword(23), QStringLiteral("-"));
        QCOMPARE(diePinTypeKeyword(DPT_TIE0), QStringLiteral("TIE0"));
        QCOMPARE(timeUnitCode(QStringLiteral("TCK")), TU_TCK);
        QCOMPARE(stuckAtKeyword(SA_X), QStringLiteral("SAX"));
        QCOMPARE(signalTypeKeyword(ST_COUNT), QString());
        QCOMPARE(signalTypeCode(QStringLiteral("NOPE")), 0);
        QCOMPARE(LxLibSignalTypeBit::ConvertSignalToType(QStringLiteral("MUXO")), int(ST_MUXO));
        // Die pin types and time units both have six rows; each keeps its own lookup.
        QCOMPARE(diePinTypeCode(QStringLiteral("open")), int(DPT_OPEN));
        QCOMPARE(timeUnitCode(QStringLiteral("ms")), int(TU_MS));
        QCOMPARE(diePinTypeCode(QStringLiteral("ms")), 0);
        QCOMPARE(timeUnitCode(QStringLiteral("OPEN")), 0);

        // The reader takes every keyword of every table, in any case.
        for (int code = 1; code < PPT_COUNT; ++code) {
            Recorded r;
            const QByteArray text = "model-format 1.2\ncomponent \"C\" {\n package {\n  pin \"1\" \"A\" " +
                                    packagePinTypeKeyword(code).toLower().toLatin1() + "\n }\n}\n";
            QVERIFY2(r.read(text), qPrintable(r.errors.join('\n')));
            QCOMPARE(r.info.GetComponent()->GetPackageList().first()->GetPackagePinList().first()->GetPinType(), code);
        }
        // Passive types too, with the second spelling of board contacts.
        QList<std::pair<QByteArray, int>> passives{{"BoardContact", PCT_BOARD_CONTACT}};
        for (int code = 1; code < PCT_COUNT; ++code)
            passives.append({passiveTypeKeyword(code).toLower().toLatin1(), code});
        for (const auto& [keyword, code] : passives) {
            Recorded r;
            QVERIFY2(r.read("model-format 1.1\ncomponent \"C\" {\n passive \"X\" " + keyword + " {\n }\n}\n"),
                     qPrintable(r.errors.join('\n')));
            QCOMPARE(r.info.GetComponent()->GetDescriptorList().first()->kind(), int(DK_PASSIVE));
            QCOMPARE(static_cast<const LxLibPassiveComponent*>(r.info.GetComponent()->GetDescriptorList().first())
                         ->GetType(),
                     code);
        }
    }

    void everyConstructRoundTrips()
    {
        const QByteArray text = everythingText();
        QVERIFY(!text.isEmpty());
        Recorded r;
        QVERIFY2(r.read(text), qPrintable(r.errors.join('\n')));
        QVERIFY(r.warnings.isEmpty());

        // Spot checks that the reader really keeps what the writer would not notice losing.
        const LxLibInfo& info = r.info;
        QCOMPARE(info.GetComponentList().count(), 2);
        QCOMPARE(info.GetHeaderList().at(1)->GetLogCommentList().first(),
                 QString::fromUtf8("Tabs\there, line\nbreak, bell \x07, lone ") + QChar(0xD800) +
                     QString::fromUtf8(", accents é 中"));
        QCOMPARE(info.GetHeaderList().at(0)->getCopyRight(), QStringLiteral("(c) 2026 Example \"Corp\"\\Labs"));
        QCOMPARE(info.GetHeaderList().at(4)->GetHeaderType(), 9);
        const LxLibComponent* c = info.GetComponent();
        const LxLibPackage* pkg = c->GetPackageList().first();
        QVERIFY(pkg->HasTap());
        QCOMPARE(pkg->GetPackageIdList(), QStringList({"SO20", "SOIC 20"}));
        QCOMPARE(pkg->GetPackagePinList().at(2)->GetDifferentialPartner(), QStringLiteral("2"));
        QCOMPARE(pkg->GetPackagePinList().at(7)->GetDiePinType(), int(DPT_TIE0));
        QCOMPARE(pkg->GetPackagePinList().at(9)->GetPinType(), 26);
        QCOMPARE(pkg->GetPackagePinList().at(9)->GetDiePinType(), 0);
        QCOMPARE(pkg->GetPackagePinList().at(4)->sourceLine(), text.left(text.indexOf("pin \"19\"")).count('\n') + 1);
        QCOMPARE(pkg->GetPackagePinList().at(4)->sourceColumn(), 5);

        const auto* logic = dynamic_cast<const LxLibLogic*>(c->GetDescriptorList().first());
        QVERIFY(logic);
        const auto* seq = logic->GetStatementListsList().first();
        const auto* loop = dynamic_cast<const LxLibLogicStatement_testLoop*>(seq->GetStatementList().at(1));
        QVERIFY(loop);
        QCOMPARE(loop->GetCount(), INT64_MAX);
        QCOMPARE(loop->GetBreakMode(), int(BM_ON_NO_ERROR));
        QCOMPARE(loop->GetTestVectorList().at(1)->GetDiagnoseList().first()->GetRuleList().first()->GetStuckAtType(),
                 int(SA_0));
        const auto* wait = dynamic_cast<const LxLibLogicStatement_wait*>(seq->GetStatementList().at(4));
        QVERIFY(wait);
        QCOMPARE(wait->GetWaitTime(), 4294967295u);
        QCOMPARE(wait->GetTimeUnit().GetTimeUnitAsStr(), QStringLiteral("tck"));
        QCOMPARE(logic->GetStatementListsList().at(1)->GetName(), QString());
        const LxLibEnablePattern* enable = logic->GetEnablePatternList().first();
        QCOMPARE(enable->GetSetSignalList().at(1)->GetSignalBit(), 0);
        QCOMPARE(enable->GetSetEnableList().count(), 8);
        const auto* eq = dynamic_cast<const LxLibSetEnableEqual*>(enable->GetSetEnableList().at(1));
        QVERIFY(eq && eq->IsInvert() && eq->IsLatch() && !eq->IsDifferential());
        QCOMPARE(eq->GetFirstSignal(), LxLibSignalTypeBit(ST_DIR, 0));
        const auto* conn = dynamic_cast<const LxLibSetEnableConnection*>(enable->GetSetEnableList().at(2));
        QVERIFY(conn && conn->IsDifferential());
        QCOMPARE(conn->GetFirstDifferential(), int(ST_DATAB));
        QCOMPARE(conn->GetSecondDifferential(), -1);
        QCOMPARE(dynamic_cast<const LxLibSetEnableDisable*>(enable->GetSetEnableList().at(4))->GetSignal().GetSignalBit(), 0);
        QCOMPARE(logic->GetDisablePatternList().first()->GetSetDisableList().at(1)->GetSignalBit(), 0);
        QCOMPARE(logic->GetLatchSequenceList().first()->GetSetSignalListList().count(), 2);
        QCOMPARE(c->GetDescriptorList().at(1)->kind(), int(DK_MEMORY_TEST));
        QCOMPARE(c->GetDescriptorList().at(2)->kind(), int(DK_MEMORY_PROGRAM));
        const auto* connection = dynamic_cast<const LxLibPassiveCompConnection*>(c->GetDescriptorList().at(4));
        QVERIFY(connection);
        QCOMPARE(connection->GetConditionList().first()->GetPinCombinationList().first()->GetPinB(), QStringLiteral("4"));
        QCOMPARE(dynamic_cast<const LxLibPassiveComponent*>(c->GetDescriptorList().at(6))->GetType(), 12);

        // The file is written in canonical form, so writing it again gives the same bytes.
        QCOMPARE(info.toText(), text);
    }

    void randomModelsRoundTrip()
    {
        for (unsigned seed = 1; seed <= 300; ++seed) {
            LxLibInfo built(QStringLiteral("random.model"));
            Random(seed).fill(built);
            const QByteArray text = built.toText();
            Recorded r;
            QVERIFY2(r.read(text), qPrintable(QStringLiteral("seed %1: %2\n%3")
                                                   .arg(seed)
                                                   .arg(r.errors.join('\n'), QString::fromUtf8(text))));
            QCOMPARE(r.info.toText(), text);
        }
        // A text written wrongly may still read back to the same wrong text: compare with what went in.
        Random random(7);
        auto* note = new LxLibHeader(HT_NOTE);
        for (int i = 0; i < 500; ++i)
            note->AddLogComment(random.text());
        LxLibInfo texts(QStringLiteral("texts.model"));
        texts.AddHeader(note);
        Recorded r;
        QVERIFY(r.read(texts.toText()));
        QCOMPARE(r.info.GetHeaderList().first()->GetLogCommentList(), note->GetLogCommentList());
    }

    void versions()
    {
        const QByteArray body = "component \"C\" {\n logic \"L\" {\n  sequence {\n  }\n }\n}\n";
        {
            Recorded r;
            QVERIFY(r.read("model-format 1.0\n" + body));
            QCOMPARE(r.info.GetFormatVersion(), 1.0f);
            QVERIFY(r.info.toText().startsWith("model-format 1.0\n"));
        }
        {
            Recorded r;
            QVERIFY(!r.read("model-format 1.0\n" + QByteArray(body).replace("sequence {", "sequence \"TS\" {")));
            QVERIFY2(r.errors.value(0).startsWith("m.model:4:12: a version 1.0 model holds one unnamed"),
                     qPrintable(r.errors.value(0)));
        }
        {
            Recorded r;
            QVERIFY(!r.read("model-format 1.0\n" + QByteArray(body).replace("  }\n", "  }\n  sequence {\n  }\n")));
            QCOMPARE(r.errors.size(), 1);
        }
        {
            // Any other 1.x is kept with a warning, which only comes when warnings are asked for.
            Recorded r;
            QVERIFY(r.read("model-format 1.05\n" + body));
            QCOMPARE(r.info.GetFormatVersion(), 1.05f);
            QCOMPARE(r.warnings.size(), 1);
            QVERIFY(r.warnings.first().startsWith("m.model:1:14: format version 1.05"));
            QVERIFY(r.info.toText().startsWith("model-format 1.05\n"));
            bool errorFlag = true;
            r.warnings.clear();
            QVERIFY(r.info.readFromData("model-format 1.05\n" + body, false, false, &errorFlag));
            QVERIFY(!errorFlag);
            QVERIFY(r.warnings.isEmpty());
        }
        for (const char* bad : {"2.0", "1.", "x1", "-1.0"}) {
            Recorded r;
            QVERIFY(!r.read(QByteArray("model-format ") + bad + "\n" + body));
            QVERIFY2(r.errors.value(0).startsWith("m.model:1:14: "), qPrintable(r.errors.value(0)));
        }
    }

    void malformedInput_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const QByteArray head = "model-format 1.2\ncomponent \"C\" {\n";
        QTest::newRow("empty") << QByteArray() << "m.model:1:1: expected the format line";
        QTest::newRow("no format line") << QByteArray("component \"C\" {\n}\n") << "m.model:1:1: expected the format line";
        QTest::newRow("truncated") << head + "  package {\n    pin \"1\" \"A\" INPUT\n"
                                   << "m.model:5:1: expected '}' closing the package opened at 3:3 but found end of file";
        QTest::newRow("truncated pin") << head + "  package {\n    pin \"1\"\n  }\n}\n"
                                       << "m.model:4:12: expected the pin name (a quoted string) but found end of line";
        QTest::newRow("unknown keyword") << head + "  pakage {\n  }\n}\n"
                                         << "m.model:3:3: expected package, logic, memory-test, memory-program or passive "
                                            "in a component but found \"pakage\"";
        QTest::newRow("unterminated string") << head + "  logic \"L {\n}\n"
                                             << "m.model:3:9: unterminated string: expected '\"' but found end of line";
        QTest::newRow("bad escape") << QByteArray("model-format 1.2\nalias \"a\\q\" \"\" \"\" \"\"\n")
                                    << "m.model:2:9: bad escape";
        QTest::newRow("bad number") << head + "  logic \"L\" {\n    sequence {\n      wait 1x ns\n    }\n  }\n}\n"
                                    << "m.model:5:12: expected the wait time (a whole number) but found \"1x\"";
        QTest::newRow("huge number") << head + "  logic \"L\" {\n    sequence {\n      loop 9223372036854775808 {\n"
                                                "      }\n    }\n  }\n}\n"
                                     << "m.model:5:12: 9223372036854775808 is out of range for the loop count";
        QTest::newRow("negative wait") << head + "  logic \"L\" {\n    sequence {\n      wait -1 ns\n    }\n  }\n}\n"
                                       << "m.model:5:12: -1 is out of range for the wait time (0 to 4294967295)";
        QTest::newRow("unknown code") << head + "  passive \"R\" RESISTANCE {\n  }\n}\n"
                                      << "m.model:3:15: expected a passive type (CONNECTOR, CAPACITOR, INDUCTOR, ...)";
        QTest::newRow("wrong nesting") << head + "  logic \"L\" {\n    pin \"1\" \"A\" INPUT\n  }\n}\n"
                                       << "m.model:4:5: expected property, pinlist";
        QTest::newRow("stray close") << QByteArray("model-format 1.2\n}\n")
                                     << "m.model:2:1: expected header, alias or component but found '}'";
        QTest::newRow("duplicate truth table") << head + "  logic \"L\" {\n    truthtable {\n    }\n    truthtable {\n"
                                                         "    }\n  }\n}\n"
                                               << "m.model:6:5: duplicate truthtable (a part has one; the first is at line 4)";
        QTest::newRow("condition outside connection") << head + "  passive \"R\" RESISTOR {\n    condition \"x\" {\n"
                                                                "    }\n  }\n}\n"
                                                      << "m.model:4:5: a condition belongs in a CONNECTION part";
        static const char garbage[] = "model-format 1.2\n\x01\xff\0\xfe garbage\n";
        QTest::newRow("binary garbage") << QByteArray(garbage, sizeof(garbage) - 1)
                                        << "m.model:2:1: unexpected byte 0x01";
        QTest::newRow("garbage opening a block") << QByteArray("\xff\xff package {\n  id \"P\"\n}\n")
                                                 << "m.model:1:1: unexpected byte 0xff";
        QTest::newRow("invalid utf-8") << QByteArray("model-format 1.2\nalias \"\xc3\x28\" \"\" \"\" \"\"\n")
                                       << "m.model:2:8: invalid UTF-8 byte 0xc3 in a string";
        QTest::newRow("control character") << QByteArray("model-format 1.2\nalias \"a\tb\" \"\" \"\" \"\"\n")
                                           << "m.model:2:9: control character 0x09";
        QTest::newRow("non-ascii column") << QByteArray("model-format 1.2\nalias \"\xc3\xa9\xc3\xa9\" 5 \"\" \"\"\n")
                                          << "m.model:2:12: expected the component id (a quoted string) but found \"5\"";
        QTest::newRow("over-long line")
            << QByteArray("model-format 1.2\nalias \"") + QByteArray(LxLibTokenizer::MaxLineLength, 'a') + "\"\n"
            << "m.model:2:4194305: line is longer than the limit of 4194304 bytes";
        QTest::newRow("over-long string")
            << QByteArray("model-format 1.2\nalias \"") + QByteArray(LxLibTokenizer::MaxStringLength + 1, 'a') + "\"\n"
            << "m.model:2:7: string is longer than the limit of 1048576 characters";
    }

    void malformedInput()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        Recorded r;
        QVERIFY(!r.read(text));
        QVERIFY(!r.errors.isEmpty());
        QVERIFY2(r.errors.first().startsWith(expected), qPrintable(r.errors.first()));
    }

    void recoveryAndStopAtFirstError()
    {
        const QByteArray text = "model-format 1.2\n"
                                "component \"C\" {\n"
                                "  package {\n"
                                "    pin \"1\" \"A\" FOO\n"
                                "    pin \"2\" \"B\" INPUT {\n"
                                "      pin \"3\" \"C\" INPUT\n"
                                "    }\n"
                                "    pin \"4\" \"D\" INPUT\n"
                                "  }\n"
                                "  widget {\n"
                                "    anything goes \"here\"\n"
                                "  }\n"
                                "}\n"
                                "alias 1 2 3 4\n";
        Recorded all;
        QVERIFY(!all.read(text));
        QCOMPARE(all.errors.size(), 4);
        QVERIFY(all.errors.at(1).startsWith("m.model:5:23: expected end of line but found '{'"));
        QVERIFY(all.errors.at(2).startsWith("m.model:10:3: "));
        QVERIFY(all.errors.at(3).startsWith("m.model:14:7: "));
        // Recovery keeps what was good: the pin after the skipped block is there.
        QCOMPARE(all.info.GetComponent()->GetPackageList().first()->GetPackagePinList().count(), 1);
        QCOMPARE(all.info.GetComponent()->GetPackageList().first()->GetPackagePinList().first()->GetPinName(),
                 QStringLiteral("D"));

        Recorded first;
        QVERIFY(!first.read(text, true));
        QCOMPARE(first.errors.size(), 1);
    }

    void rejectedLinesSkipTheBlockTheyOpen_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        // Each bad line opens a block whose lines would otherwise be misread and
        // whose "}" would close the wrong block. After it, the alias must still be read.
        const QByteArray inner = "    line \"inner\"\n    id \"inner\"\n    tap\n  }\n";
        const QByteArray tail = "alias \"A\" \"C\" \"\" \"\"\n";
        const QByteArray package = "component \"C\" {\n  package {\n    id \"P\"\n";
        QTest::newRow("header line") << "model-format 1.2\nheader general {\n  line \"a\" {\n" + inner
                                            + "  line \"b\"\n}\n" + tail
                                     << "m.model:3:12: expected end of line but found '{'";
        QTest::newRow("package id") << "model-format 1.2\n" + package + "    id \"Q\" {\n" + inner + "  }\n}\n" + tail
                                    << "m.model:5:12: expected end of line but found '{'";
        QTest::newRow("tap") << "model-format 1.2\n" + package + "    tap {\n" + inner + "  }\n}\n" + tail
                             << "m.model:5:9: expected end of line but found '{'";
        QTest::newRow("duplicate tap") << "model-format 1.2\n" + package + "    tap\n    tap {\n" + inner + "  }\n}\n"
                                              + tail
                                       << "m.model:6:5: duplicate \"tap\" (the first is at line 5)";
        QTest::newRow("format line") << "model-format 1.2 {\n" + inner + tail
                                     << "m.model:1:18: expected end of line but found '{'";
        QTest::newRow("bad version") << "model-format x.y {\n" + inner + tail
                                     << "m.model:1:14: expected a format version such as 1.2 but found \"x.y\"";
        QTest::newRow("other major version") << "model-format 2.0 {\n" + inner + tail
                                             << "m.model:1:14: format version 2.0 is not supported";
        QTest::newRow("duplicate format line") << "model-format 1.2\nmodel-format 1.2 {\n" + inner + tail
                                               << "m.model:2:1: duplicate format line (the first is at line 1)";
    }

    void rejectedLinesSkipTheBlockTheyOpen()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        Recorded r;
        QVERIFY(!r.read(text));
        QVERIFY2(r.errors.size() == 1, qPrintable(r.errors.join(u'\n')));
        QVERIFY2(r.errors.first().startsWith(expected), qPrintable(r.errors.first()));
        QCOMPARE(r.info.GetAliasList().count(), 1);
        // Nothing of the skipped block lands in the record around it.
        for (const LxLibHeader* h : r.info.GetHeaderList())
            QVERIFY(!h->GetLogCommentList().contains(QStringLiteral("inner")));
        if (const LxLibComponent* c = r.info.GetComponent()) {
            const LxLibPackage* p = c->GetPackageList().first();
            QCOMPARE(p->GetPackageIdList(), QStringList{QStringLiteral("P")});
        }
    }

    void garbageNeverCrashes()
    {
        // Every prefix of a full model, and random byte soup, must end in a clean report.
        const QByteArray text = everythingText();
        for (int n = 0; n < text.size(); n += 7) {
            Recorded r;
            r.read(text.left(n));
        }
        QRandomGenerator gen(42);
        static const char alphabet[] = "{}\"\\ \n\tabcpinlogic-0123456789#\x01\xff\xc3";
        for (int round = 0; round < 300; ++round) {
            QByteArray soup = "model-format 1.2\n";
            const int n = gen.bounded(400);
            for (int i = 0; i < n; ++i)
                soup.append(alphabet[gen.bounded(int(sizeof(alphabet)) - 1)]);
            QByteArray mutated = text;
            mutated[gen.bounded(int(mutated.size()))] = alphabet[gen.bounded(int(sizeof(alphabet)) - 1)];
            for (const QByteArray& input : {soup, mutated}) {
                Recorded r;
                const bool ok = r.read(input);
                QCOMPARE(ok, r.errors.isEmpty());
                for (const QString& e : r.errors)
                    QVERIFY2(QRegularExpression(QStringLiteral("^m\\.model:\\d+:\\d+: .+")).match(e).hasMatch(),
                             qPrintable(e));
            }
        }
    }

    void limits()
    {
        QByteArray text = "model-format 1.2\ncomponent \"C\" {\n  package {\n";
        text.reserve(3 * 1024 * 1024);
        for (int i = 0; i <= LxLibReader::MaxPins; ++i)
            text += "pin \"" + QByteArray::number(i) + "\" \"P\" INPUT\n";
        text += "  }\n}\n";
        Recorded r;
        QVERIFY(!r.read(text));
        QCOMPARE(r.errors.size(), 1);
        QVERIFY2(r.errors.first().startsWith(QStringLiteral("m.model:%1:1: too many pins in a package (the limit is 100000)")
                                                 .arg(LxLibReader::MaxPins + 4)),
                 qPrintable(r.errors.first()));
    }

    void featureQuestions_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("answer");
        QTest::newRow("none") << QByteArray("enable \"E\" {\n equation OE -1 IN -1\n power-control\n}\n") << -1;
        QTest::newRow("enable multiple") << QByteArray("enable \"E\" {\n chip-enable\n output-enable\n}\n") << 0;
        QTest::newRow("latch multiple") << QByteArray("latch \"L\" {\n equation OE -1 IN -1\n equation OE -1 IN -1\n}\n") << 1;
        QTest::newRow("enable bit value") << QByteArray("enable \"E\" {\n set OE \"1\" bit 0\n}\n") << 2;
        QTest::newRow("latch bit value") << QByteArray("latch \"L\" {\n step {\n  set OE \"1\" bit 0\n }\n}\n") << 3;
        QTest::newRow("disable set bit value") << QByteArray("disable \"D\" {\n set OE \"1\" bit 0\n}\n") << 4;
        QTest::newRow("disable bit") << QByteArray("disable \"D\" {\n disables OE 0\n}\n") << 4;
        QTest::newRow("enable differential") << QByteArray("enable \"E\" {\n equation OE -1 IN -1 diff IN -1\n}\n") << 5;
        QTest::newRow("latch differential") << QByteArray("latch \"L\" {\n connection OE -1 IN -1 diff -1 OE\n}\n") << 6;
        QTest::newRow("pin differential") << QByteArray() << 7;
    }

    void featureQuestions()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, answer);
        const QByteArray partner = answer == 7 ? " partner \"1\"" : "";
        Recorded r;
        QVERIFY2(r.read("model-format 1.2\ncomponent \"C\" {\n package {\n  pin \"1\" \"A\" INPUT" + partner +
                        "\n }\n logic \"L\" {\n" + body + " }\n}\n"),
                 qPrintable(r.errors.join('\n')));
        const bool answers[] = {r.info.hasEnableMultipleSpecifications(),   r.info.hasLatchMultipleSpecifications(),
                                r.info.hasEnableBitValueSpecifications(),   r.info.hasLatchBitValueSpecifications(),
                                r.info.hasDisableBitValueSpecifications(),  r.info.hasEnableDifferentialSpecifications(),
                                r.info.hasLatchDifferentialSpecifications(), r.info.hasPinDifferentialSpecifications()};
        for (int q = 0; q < 8; ++q)
            QCOMPARE(answers[q], q == answer);
    }

    void checkerFindings()
    {
        {
            Recorded clean;
            QVERIFY(clean.read(QByteArray(kClean) +
                               "    truthtable {\n      row \"Hx\"\n    }\n"
                               "    sequence \"TS\" {\n      vector \"0Z\" {\n        diagnose {\n"
                               "          stuck DATA 1 SA0\n        }\n      }\n      loop 2 {\n        vector \"UD\"\n"
                               "      }\n      wait 5 ms\n    }\n"
                               "    enable \"E\" {\n      set DATA \"1z\"\n      set - \"\"\n      output-enable\n"
                               "      equation OE 0 DATA -1 invert\n    }\n"
                               "    disable \"D\" {\n      set OE \"1\"\n      disables DATA\n    }\n"
                               "    latch \"L\" {\n      equation OE -1 OUT 1\n      step {\n        set DATA \"1\"\n"
                               "      }\n    }\n  }\n}\n"));
            QString text = QStringLiteral("untouched");
            QCOMPARE(clean.info.check(&text), 31);
            QVERIFY(text.isEmpty());
            QVERIFY(clean.errors.isEmpty());
        }
        const QByteArray bad = "model-format 1.0\n"                                   // 1
                               "alias \"\" \"C\" \"M\" \"P\"\n"                          // 2
                               "component \"\" {\n"                                      // 3
                               "  package {\n"                                           // 4
                               "    pin \"1\" \"OE\" INPUT\n"                            // 5
                               "    pin \"1\" \"\" INPUT\n"                              // 6
                               "    pin \"TIE0\" \"T\" INPUT die TIE0\n"                 // 7
                               "    pin \"TIE0\" \"T\" INPUT die TIE0\n"                 // 8
                               "    pin \"2\" \"D\" 0 partner \"9\"\n"                   // 9
                               "  }\n"                                                   // 10
                               "  package {\n"                                           // 11
                               "  }\n"                                                   // 12
                               "  logic \"L\" {\n"                                       // 13
                               "    pinlist \"P\" {\n"                                   // 14
                               "      signal OE 0 \"OE\"\n"                              // 15
                               "      signal IN 2 \"GHOST\"\n"                           // 16
                               "      signal 40 -1 \"D\"\n"                              // 17
                               "    }\n"                                                 // 18
                               "    truthtable {\n"                                      // 19
                               "      row \"01\"\n"                                      // 20
                               "      row \"012\"\n"                                    // 21
                               "    }\n"                                                 // 22
                               "    sequence {\n"                                        // 23
                               "      loop 0 {\n"                                        // 24
                               "      }\n"                                               // 25
                               "      wait 1 0\n"                                        // 26
                               "    }\n"                                                 // 27
                               "    enable \"E\" {\n"                                    // 28
                               "      set OE \"11\"\n"                                   // 29
                               "      equation WE -1 OE 7\n"                             // 30
                               "    }\n"                                                 // 31
                               "  }\n"                                                   // 32
                               "  passive \"L\" RESISTOR {\n"                            // 33
                               "    pins \"1\" \"\"\n"                                   // 34
                               "  }\n"                                                   // 35
                               "}\n";
        Recorded r;
        QVERIFY2(r.read(bad), qPrintable(r.errors.join('\n')));
        QString first;
        QCOMPARE(r.info.check(&first), 0);
        QCOMPARE(first, r.errors.value(0));
        const QStringList expected = {
            "m.model:2:1: alias without alias id",
            "m.model:3:1: the component has no device id",
            "m.model:6:5: pin 1 has no pin name",
            "m.model:6:5: pin number \"1\" is used twice in package \"\" (also at line 5)",
            "m.model:9:5: pin 2 has no pin type",
            "m.model:9:5: the differential partner \"9\" of pin 2 is no pin number",
            "m.model:4:3: the package has no id",
            "m.model:11:3: the package has no id",
            "m.model:16:7: pin list \"P\" names the pin \"GHOST\", which no package has",
            "m.model:17:7: pin \"D\" in pin list \"P\" has the unknown signal type code 40",
            "m.model:17:7: signal code 40 of pin \"D\" has no valid bit number (-1)",
            "m.model:20:7: truth table row \"01\" of part \"L\" has 2 characters, but the pin lists give 3 control",
            "m.model:21:7: truth table row \"012\" of part \"L\" holds the character '2'",
            "m.model:24:7: loop in test sequence \"\" repeats 0 times",
            "m.model:26:7: wait in test sequence \"\" has no valid time unit (code 0)",
            "m.model:29:7: set OE \"11\" in enable pattern \"E\" has 2 characters, but the part has 1 OE bits",
            "m.model:30:7: enable pattern \"E\" names WE, which no pin list of the part carries",
            "m.model:30:7: enable pattern \"E\" names OE bit 7, which no pin list of the part carries",
            "m.model:33:3: part name \"L\" is used twice (also at line 13)",
            "m.model:34:5: pin combination of part \"L\" has an empty pin",
        };
        for (const QString& e : expected) {
            bool found = false;
            for (const QString& got : r.errors)
                found = found || got.startsWith(e);
            QVERIFY2(found, qPrintable(QStringLiteral("missing: %1\ngot:\n%2").arg(e, r.errors.join('\n'))));
        }
        QVERIFY2(r.errors.size() == expected.size(), qPrintable(r.errors.join('\n')));
    }

    void checkerOnBuiltModel()
    {
        Recorded r;
        QCOMPARE(r.info.check(nullptr), 0);
        QCOMPARE(r.errors.value(0), QStringLiteral("m.model: the model has no component"));

        // Objects built in memory have no line; version 1.0 allows one unnamed sequence only.
        Recorded b;
        b.info.SetFormatVersion(1.0f);
        auto* component = new LxLibComponent(QStringLiteral("C"));
        auto* logic = new LxLibLogic(QStringLiteral("L"));
        logic->AddStatementLists(new LxLibLogicStatementLists(QStringLiteral("TS 01")));
        component->AddDescriptor(logic);
        b.info.AddComponent(component);
        QCOMPARE(b.info.check(nullptr), 0);
        QCOMPARE(b.errors.size(), 1);
        QVERIFY(b.errors.first().startsWith("m.model: a version 1.0 model holds one unnamed test sequence per part"));
        b.errors.clear();
        b.info.SetFormatVersion(1.2f);
        QCOMPARE(b.info.check(nullptr), 3);
    }

    void writeFailuresKeepTheOldFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Recorded r;
        QVERIFY(r.read(everythingText()));
        const QString path = dir.filePath(QStringLiteral("old.model"));
        const QByteArray old = "old content, not a model\n";
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        auto contentOf = [](const QString& p) {
            QFile f(p);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
        };

        QVERIFY(!r.info.write(dir.filePath(QStringLiteral("missing/sub/x.model"))));
        QVERIFY2(r.errors.last().contains(QStringLiteral("missing/sub/x.model: cannot save the model file: the folder")),
                 qPrintable(r.errors.last()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("in-the-way.model")));
        QVERIFY(!r.info.write(dir.filePath(QStringLiteral("in-the-way.model"))));
        QVERIFY(r.errors.last().endsWith(QStringLiteral("a folder of that name is in the way")));

        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        QVERIFY(!r.info.write(path));
        QVERIFY(r.errors.last().startsWith(path + QStringLiteral(": cannot save the model file: the file is read-only")));
        QCOMPARE(contentOf(path), old);

        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const int errorsBefore = r.errors.size();
        r.info.SetFileName(path);
        QVERIFY(r.info.write());
        QCOMPARE(r.errors.size(), errorsBefore);
        QCOMPARE(contentOf(path), everythingText());
    }
};

QTEST_GUILESS_MAIN(TestLxLib)
#include "tst_lxlib.moc"
