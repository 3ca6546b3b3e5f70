// The benchmark models must be valid, or the benchmarks measure error paths.

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "ModelGenerator.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"

#include <QTest>

class TestGenModel : public QObject
{
    Q_OBJECT

private slots:
    void generatedModelsAreValid_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("pinLists");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("packages");
        QTest::newRow("smallest") << 8 << 1 << 1 << 1 << 1;
        QTest::newRow("wrapping pins") << 40 << 7 << 4 << 8 << 2;
        QTest::newRow("wide") << 400 << 3 << 2 << 64 << 1;
    }

    void generatedModelsAreValid()
    {
        QFETCH(int, pins);
        QFETCH(int, parts);
        QFETCH(int, pinLists);
        QFETCH(int, width);
        QFETCH(int, packages);
        ModelGenerator::Options o;
        o.pinsPerPackage = pins;
        o.logicParts = parts;
        o.pinListsPerPart = pinLists;
        o.width = width;
        o.packages = packages;
        o.vectorsPerSequence = 9;
        const ModelGenerator generator(o);
        QVERIFY2(generator.problem().isEmpty(), qPrintable(generator.problem()));
        const QByteArray text = generator.text();

        lxlib::LxLibInfo info(QStringLiteral("gen.model"));
        QStringList messages;
        connect(&info, &lxlib::LxLibInfo::message, this, [&](const lxlib::Message& m) { messages << m.text; });
        QVERIFY(info.readFromData(text, true, false));
        QString first;
        QVERIFY2(info.check(&first) > 0, qPrintable(first));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QCOMPARE(info.toText(), text); // already canonical
        QCOMPARE(info.GetComponent()->GetDescriptorList().count(), parts);
        QCOMPARE(info.GetComponent()->GetPackageList().count(), packages);

        PWDeviceModel model;
        QString error;
        QVERIFY2(PWModelConverter::convert(info, model, error), qPrintable(error));
        QVERIFY2(CLogicChecks::validatePinLists(model.logic(), error), qPrintable(error));
        QVERIFY2(CLogicChecks::checkPinListsMatch(model.logic(), error), qPrintable(error));
    }

    void sizeTargetAndBadOptions()
    {
        ModelGenerator::Options o;
        o.pinsPerPackage = 200;
        o.logicParts = 5;
        o.megabytes = 2;
        const qsizetype size = ModelGenerator(o).text().size();
        QVERIFY2(size >= 2 * 1024 * 1024 && size < 2.2 * 1024 * 1024, qPrintable(QString::number(size)));

        ModelGenerator::Options tooNarrow;
        tooNarrow.pinsPerPackage = 16; // six inputs cannot carry a nine-signal pin list
        QVERIFY(!ModelGenerator(tooNarrow).problem().isEmpty());
        ModelGenerator::Options negative;
        negative.logicParts = -1;
        QVERIFY(!ModelGenerator(negative).problem().isEmpty());
    }
};

QTEST_MAIN(TestGenModel)
#include "tst_genmodel.moc"
