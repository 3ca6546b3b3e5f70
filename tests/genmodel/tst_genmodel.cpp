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
        // packages, pins per package, logic parts, pin lists per part, width, sequences per part, vectors per sequence
        QTest::addColumn<ModelGenerator::Options>("o");
        QTest::newRow("smallest") << ModelGenerator::Options{1, 8, 1, 1, 1, 2, 9};
        QTest::newRow("wrapping pins") << ModelGenerator::Options{2, 40, 7, 4, 8, 2, 9};
        QTest::newRow("wide") << ModelGenerator::Options{1, 400, 3, 2, 64, 2, 9};
    }

    void generatedModelsAreValid()
    {
        QFETCH(ModelGenerator::Options, o);
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
        QCOMPARE(info.GetComponent()->GetDescriptorList().count(), o.logicParts);
        QCOMPARE(info.GetComponent()->GetPackageList().count(), o.packages);

        PWDeviceModel model;
        QString error;
        QVERIFY2(PWModelConverter::convert(info, model, error), qPrintable(error));
        QVERIFY2(CLogicChecks::validatePinLists(model.logic(), error), qPrintable(error));
        QVERIFY2(CLogicChecks::checkPinListsMatch(model.logic(), error), qPrintable(error));
    }

    void sizeTargetAndBadOptions()
    {
        const qsizetype size = ModelGenerator({.pinsPerPackage = 200, .logicParts = 5, .megabytes = 2}).text().size();
        QVERIFY2(size >= 2 * 1024 * 1024 && size < 2.2 * 1024 * 1024, qPrintable(QString::number(size)));
        // Six inputs cannot carry a nine-signal pin list.
        QVERIFY(!ModelGenerator({.pinsPerPackage = 16}).problem().isEmpty());
        QVERIFY(!ModelGenerator({.logicParts = -1}).problem().isEmpty());
    }
};

QTEST_MAIN(TestGenModel)
#include "tst_genmodel.moc"
