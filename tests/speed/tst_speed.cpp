#include "CLogic.h"
#include "CLogicPart.h"
#include "CTestSequences.h"
#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibTokenizer.h"
#include "PWDeviceModel.h"
#include "PWLogicDocument.h"
#include "PWModelConverter.h"

#include <QPoint>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace lxlib;

namespace {

std::unique_ptr<LxLibInfo> documentOf(const QByteArray& text)
{
    auto doc = std::make_unique<LxLibInfo>(QStringLiteral("mem.model"));
    bool error = false;
    if (!doc->readFromData(text, true, false, &error) || error)
        return nullptr;
    return doc;
}

// Two sequences: plain vectors, a loop of vectors with diagnostics, a wait;
// the loop count of the second is given.
QByteArray sequenceModel(const QByteArray& secondLoopCount)
{
    return "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n"
           "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"B\" OUTPUT\n  }\n"
           "  logic \"L\" {\n    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 1 \"B\"\n    }\n"
           "    sequence \"S1\" {\n      vector \"01\"\n"
           "      vector \"10\" {\n        diagnose {\n          stuck OUT 1 SA0\n        }\n"
           "        diagnose {\n          stuck IN 0 SA1\n          stuck OUT 1 SAX\n        }\n      }\n"
           "      loop 3 {\n        vector \"HL\"\n        vector \"LH\" {\n          diagnose {\n"
           "            stuck OUT 1 SA1\n          }\n        }\n      }\n      wait 10 us\n      vector \"11\"\n    }\n"
           "    sequence \"S2\" {\n      vector \"00\"\n      loop " + secondLoopCount + " {\n        vector \"01\"\n      }\n"
           "      wait 5 ns\n      vector \"10\"\n    }\n  }\n}\n";
}

const LxLibLogic& logicOf(const LxLibInfo& doc)
{
    return *dynamic_cast<const LxLibLogic*>(doc.GetComponent()->GetDescriptorList().first());
}

// The model as the wizard would save it.
QByteArray savedText(PWDeviceModel& model)
{
    LxLibInfo written(QStringLiteral("mem.model"));
    model.writeHeader(written);
    QString error;
    if (!PWLogicDocument::buildAndCheck(written, model.logic(), model.deviceId(), error))
        return error.toUtf8();
    return written.toText();
}

// Where each row diagnostic of the part says it was read from, with its rule count.
QList<QList<int>> rowsOf(const PWDeviceModel& model)
{
    QList<QList<int>> rows;
    for (const CLogicDiagnoseList* list : model.logic().logicParts().at(0)->testSequenceDiagnostics())
        for (const CLogicDiagnose* d : *list)
            rows.append({d->state(), d->rowKind(), d->sourceLine(), d->sourceColumn(), d->GetRuleList().count()});
    return rows;
}

// The same model text converted by copying and by taking.
struct BothWays
{
    explicit BothWays(const QByteArray& text) : copied(documentOf(text)), taken(documentOf(text))
    {
        if (copied && taken) {
            copiedOk = PWModelConverter::convert(*copied, fromCopy, copyError, &copyAt);
            takenOk = PWModelConverter::convertTaking(*taken, fromTake, takeError, &takeAt);
        }
    }

    std::unique_ptr<LxLibInfo> copied, taken;
    PWDeviceModel fromCopy, fromTake;
    bool copiedOk = false, takenOk = false;
    QString copyError, takeError;
    CSourcePosition copyAt, takeAt;
};

} // namespace

class TestSpeed : public QObject
{
    Q_OBJECT

private slots:
    void takingConvertsAsCopying()
    {
        BothWays m(sequenceModel("2"));
        QVERIFY2(m.copiedOk && m.takenOk, qPrintable(m.copyError + m.takeError));
        QCOMPARE(rowsOf(m.fromTake), rowsOf(m.fromCopy));
        QCOMPARE(rowsOf(m.fromTake).size(), 14);
        const QByteArray saved = savedText(m.fromTake);
        QCOMPARE(saved, savedText(m.fromCopy));
        QVERIFY(saved.contains("stuck OUT 1 SAX"));
        // The copied document is whole; the taken one has given its statements away.
        for (const LxLibLogicStatementLists* list : logicOf(*m.copied).GetStatementListsList())
            QVERIFY(!list->GetStatementList().isEmpty());
        for (const LxLibLogicStatementLists* list : logicOf(*m.taken).GetStatementListsList())
            QVERIFY(list->GetStatementList().isEmpty());

        // A repeat count beyond 32 bits: both ways refuse the loop at its line.
        BothWays refused(sequenceModel("5000000000"));
        QVERIFY(refused.copied && refused.taken && !refused.copiedOk && !refused.takenOk);
        QVERIFY(refused.takeAt.hasSourcePosition());
        QCOMPARE(QPoint(refused.takeAt.sourceLine(), refused.takeAt.sourceColumn()),
                 QPoint(refused.copyAt.sourceLine(), refused.copyAt.sourceColumn()));
        // The statements after the refused one stay in the document, in order.
        const LxLibLogicStatementList& rest = logicOf(*refused.taken).GetStatementListsList().at(1)->GetStatementList();
        QCOMPARE(rest.count(), 2);
        QCOMPARE(rest.at(0)->kind(), int(LxLibLogicStatement::Wait));
        QCOMPARE(rest.at(1)->kind(), int(LxLibLogicStatement::TestVector));
        QVERIFY(logicOf(*refused.taken).GetStatementListsList().at(0)->GetStatementList().isEmpty());
    }

    void tokenizerFindsEachSpecialByteWhereverItFalls()
    {
        // Strings and indents are passed eight bytes at a time: put each byte
        // that ends a plain run at every offset of those steps.
        for (int indent : {0, 7, 8, 9, 17}) {
            for (int at = 0; at < 20; ++at) {
                const auto lex = [&](const QByteArray& special) {
                    const QByteArray text = QByteArray(indent, ' ') + "vector \"" + QByteArray(at, 'a') + special +
                                            QByteArray(19 - at, 'b') + "\"\n";
                    LxLibTokenizer tokenizer(text);
                    LxLibLine line;
                    tokenizer.next(line);
                    return line;
                };
                const int column = indent + 9 + at;
                for (const char* control : {"\t", "\x7f", "\xff", "\x01"})
                    QCOMPARE(lex(control).errorColumn, column);
                LxLibLine line = lex("\\n");
                QVERIFY(!line.hasError());
                QCOMPARE(line.tokens.at(1).length, 21);
                QVERIFY(line.tokens.at(1).escaped);
                line = lex("\xc3\xa9");
                QVERIFY(!line.hasError());
                QVERIFY(!line.tokens.at(1).ascii);
                line = lex("\"");
                QCOMPARE(line.tokens.at(0).column, indent + 1);
                QCOMPARE(line.tokens.at(1).length, at);
            }
        }
    }

    void drainLeavesNoGapWhenTheReceiverThrows()
    {
        LxLibList<LxLibDiagRuleStuckAt> list;
        for (int bit = 0; bit < 4; ++bit)
            list.append(new LxLibDiagRuleStuckAt(ST_OUT, bit, SA_0));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, list.drain([](std::unique_ptr<LxLibDiagRuleStuckAt> rule) {
            if (rule->GetSignalBit() == 2)
                throw std::runtime_error("full");
            return true;
        }));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.first()->GetSignalBit(), 3);
    }
};

QTEST_GUILESS_MAIN(TestSpeed)

#include "tst_speed.moc"
