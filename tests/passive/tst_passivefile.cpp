// Building, loading and the command-line tool on passive models, without widgets.

#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"
#include "PWPassiveDocument.h"
#include "TestFiles.h"
#include "ToolRun.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lxlib;

namespace {

ToolRun tool(const QStringList& args)
{
    return runTool(QStringLiteral(PW_MODEL_TOOL), args);
}

const QByteArray kBoard = "model-format 1.1\n"
                          "component \"B\" {\n"
                          "  package {\n    id \"P\"\n    pin \"1\" \"A\" -\n  }\n"
                          "  passive \"J1\" CONNECTOR {\n    pins \"1\" \"2\"\n  }\n"
                          "  passive \"R1\" RESISTOR {\n    pins \"1\" \"2\"\n    pins \"3\" \"\"\n  }\n"
                          "  passive \"JP\" CONNECTION {\n    pins \"\" \"4\"\n"
                          "    condition \"On\" {\n      pins \"5\" \"6\"\n    }\n  }\n"
                          "}\n";

} // namespace

class TestPassiveFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void loadingAndBuilding()
    {
        LxLibInfo info(QStringLiteral("board.model"));
        QVERIFY(info.readFromData(kBoard, true, false));
        PWDeviceModel model;
        QString error;
        QVERIFY(PWModelConverter::convert(info, model, error));
        QCOMPARE(model.category(), int(PWDeviceModel::Passive));
        QCOMPARE(model.passiveComponents().count(), 3);
        // The package and the connector's pins cannot be edited: one notice each, at their records.
        QCOMPARE(model.notices().size(), 2);
        QVERIFY(model.notices().at(0).text.contains(QLatin1String("package information")));
        QCOMPARE(model.notices().at(0).line, 3);
        QVERIFY(model.notices().at(1).text.startsWith(QLatin1String("Connector \"J1\" has pin combinations.")));
        QCOMPARE(model.notices().at(1).line, 7);

        const auto stored = [&](int i) {
            return std::unique_ptr<LxLibPassiveComponent>(
                PWPassiveDocument::editorForm(*model.passiveComponents().at(i)));
        };
        QVERIFY(stored(0)->GetPinCombinationList().isEmpty());
        QCOMPARE(stored(1)->GetPinCombinationList().count(), 1);
        const auto connection = stored(2);
        auto* jumper = dynamic_cast<LxLibPassiveCompConnection*>(connection.get());
        QVERIFY(jumper);
        QVERIFY(jumper->GetPinCombinationList().isEmpty());
        QCOMPARE(jumper->GetConditionList().first()->GetPinCombinationList().count(), 1);
        QVERIFY(!PWPassiveDocument::editorForm(LxLibPassiveComponent(QStringLiteral("X"), 0)));

        // Building checks the document, and fails on an empty part list without a message.
        LxLibInfo empty(QStringLiteral("e.model"));
        error = QStringLiteral("old");
        QVERIFY(!PWPassiveDocument::buildAndCheck(empty, {}, QStringLiteral("B"), error));
        QVERIFY(error.isEmpty());

        LxLibPassiveComponent r1(QStringLiteral("R1"), PCT_RESISTOR);
        r1.AddPinCombination(QStringLiteral("1"), QStringLiteral("2"));
        LxLibPassiveCompConnection jp(QStringLiteral("JP"));
        jp.AddCondition(new LxLibCondition(QStringLiteral("On")));
        jp.GetConditionList().first()->AddPinCombination(QStringLiteral("5"), QStringLiteral("6"));
        LxLibInfo built(QStringLiteral("b.model"));
        QVERIFY(PWPassiveDocument::buildAndCheck(built, {&r1, &jp}, QStringLiteral("B"), error));
        QCOMPARE(built.GetFormatVersion(), 1.1f);
        QVERIFY(built.GetCheckCount() > 0);
        const auto& parts = built.GetComponent()->GetDescriptorList();
        QCOMPARE(built.GetComponent()->GetName(), QStringLiteral("B"));
        QVERIFY(parts.at(0) != &r1);
        QVERIFY(dynamic_cast<const LxLibPassiveCompConnection*>(parts.at(1)));
        QCOMPARE(dynamic_cast<const LxLibPassiveCompConnection*>(parts.at(1))->GetConditionList().count(), 1);

        // Two parts named alike (ignoring case) fail the library's check with its text.
        LxLibPassiveComponent r1Again(QStringLiteral("r1"), PCT_RESISTOR);
        LxLibInfo twice(QStringLiteral("t.model"));
        QVERIFY(!PWPassiveDocument::buildAndCheck(twice, {&r1, &r1Again}, QStringLiteral("B"), error));
        QVERIFY2(error.contains(QLatin1String("r1"), Qt::CaseInsensitive), qPrintable(error));
    }

    void toolRebuildsAndChecksPassiveModels()
    {
        const QString example = QStringLiteral(PW_EXAMPLES_DIR "/resistor-network-board.model");
        const ToolRun same = tool({QStringLiteral("rebuild"), example, file("example.model")});
        QVERIFY2(same.code == 0 && same.err.isEmpty(), same.err.constData());
        QCOMPARE(contentOf(file("example.model")), contentOf(example));

        QVERIFY(put(file("board.model"), kBoard));
        const ToolRun lossy = tool({QStringLiteral("rebuild"), file("board.model"), file("board-out.model")});
        QCOMPARE(lossy.code, 0);
        QVERIFY2(lossy.err.contains(":7:3: warning: Connector \"J1\" has pin combinations."), lossy.err.constData());
        const QByteArray built = contentOf(file("board-out.model"));
        QVERIFY(built.startsWith("model-format 1.1\n"));
        QVERIFY(!built.contains("package") && !built.contains("pins \"3\"") && built.contains("pins \"5\" \"6\""));

        QByteArray bad = kBoard;
        bad.replace("      pins \"5\" \"6\"\n",
                    "      pins \"5\" \"6\"\n      pins \"6\" \"5\"\n      pins \"7\" \"7\"\n");
        QVERIFY(put(file("bad.model"), bad));
        const ToolRun check = tool({QStringLiteral("check"), file("bad.model"), example});
        QCOMPARE(check.code, 1);
        const QByteArray expected = (file("bad.model") + QStringLiteral(":18:7: error: Pin combination \"5 - 6\" is "
                                                                         "already used\n")).toUtf8();
        QVERIFY2(check.err.contains(expected), check.err.constData());
        QVERIFY(check.out.contains("1 of 2 model files passed"));
    }
};

QTEST_GUILESS_MAIN(TestPassiveFile)
#include "tst_passivefile.moc"
