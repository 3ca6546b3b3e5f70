#include "IoFixture.h"

#include "CLogic.h"
#include "PWDeviceModel.h"
#include "PWLogicDocument.h"
#include "PWModelConverter.h"
#include "PWSaveRules.h"

#include <QDir>
#include <QTest>

using namespace lxlib;

class TestSaveRules : public QObject
{
    Q_OBJECT

private slots:
    void nameRules()
    {
        PWSaveRules::Target t;
        QString error;
        QVERIFY(!PWSaveRules::resolve(QString(), QStringLiteral("/lib"), t, error));
        QCOMPARE(error, QStringLiteral("There is no model file name specified"));

        // No folder and another extension: the base name in the model-library folder.
        QVERIFY(PWSaveRules::resolve(QStringLiteral("chip.txt"), QStringLiteral("/lib/custom"), t, error));
        QCOMPARE(t.fullPath, QDir::toNativeSeparators(QStringLiteral("/lib/custom/chip.model")));
        QCOMPARE(t.folder, QStringLiteral("/lib/custom"));
        QVERIFY(PWSaveRules::resolve(QStringLiteral("./a.b.c"), QStringLiteral("/lib"), t, error));
        QCOMPARE(t.fullPath, QDir::toNativeSeparators(QStringLiteral("/lib/a.b.model")));
        QVERIFY(PWSaveRules::resolve(QStringLiteral("/x//y/../z/chip"), QStringLiteral("/lib"), t, error));
        QCOMPARE(t.fullPath, QDir::toNativeSeparators(QStringLiteral("/x/z/chip.model")));

        QVERIFY(!PWSaveRules::resolve(QStringLiteral("/x/.model"), QStringLiteral("/lib"), t, error));
        QCOMPARE(error, QStringLiteral("\nThe above model file name is invalid"));
        QVERIFY(!PWSaveRules::resolve(QStringLiteral("/x/..model"), QStringLiteral("/lib"), t, error));
        QCOMPARE(error, QStringLiteral(".\nThe above model file name is invalid"));

        for (const char* bad : {"/x/a?b.model", "/x/a*.model", "/x/<a>.model", "/x|y/a.model"}) {
            QVERIFY(!PWSaveRules::resolve(QString::fromLatin1(bad), QStringLiteral("/lib"), t, error));
            QCOMPARE(error, QDir::toNativeSeparators(QString::fromLatin1(bad))
                                + QStringLiteral("\nThe above model file name is invalid"));
        }
        QCOMPARE(PWSaveRules::startName(QString(), QStringLiteral("/lib"), QStringLiteral("/a/chip.v2.txt")),
                 QStringLiteral("/lib/chip.v2.model"));
        QCOMPARE(PWSaveRules::startName(QStringLiteral("/p/q.model"), QStringLiteral("/lib"), QStringLiteral("x")),
                 QStringLiteral("/p/q.model"));

        // Without a model-library folder a bare name stays in the current folder.
        const QString here = QDir::currentPath();
        QVERIFY(PWSaveRules::resolve(QStringLiteral("chip.model"), QString(), t, error));
        QCOMPARE(t.folder, here);
        QCOMPARE(t.fullPath, QDir::toNativeSeparators(here + QStringLiteral("/chip.model")));
        QVERIFY(PWSaveRules::resolve(QStringLiteral("./chip"), QString(), t, error));
        QCOMPARE(t.fullPath, QDir::toNativeSeparators(here + QStringLiteral("/chip.model")));
        QCOMPARE(PWSaveRules::startName(QString(), QString(), QStringLiteral("chip.txt")),
                 here + QStringLiteral("/chip.model"));
    }

    void aliasesSurviveTheSource()
    {
        auto source = documentOf("model-format 1.1\nalias \"A1\" \"C\" \"M\" \"P\"\nalias \"A2\" \"C\" \"\" \"P\"\n"
                                 "component \"C\" {\n  package {\n    id \"P\"\n    pin \"1\" \"A\" INPUT\n  }\n"
                                 "  logic \"L\" {\n    pinlist \"PL\" {\n      signal IN 0 \"A\"\n    }\n  }\n}\n");
        PWDeviceModel model;
        QString error;
        QVERIFY(PWModelConverter::convert(*source, model, error));
        const LxLibAliasList aliases = PWLogicDocument::copyAliases(source.get());
        source.reset();
        LxLibInfo doc(QStringLiteral("out.model"));
        PWLogicDocument::addAliases(aliases, doc);
        QVERIFY2(PWLogicDocument::buildAndCheck(doc, model.logic(), model.deviceId(), error), qPrintable(error));
        QCOMPARE(doc.GetAliasList().count(), 2);
        QCOMPARE(doc.GetAliasList().at(1)->GetAliasId(), QStringLiteral("A2"));
        QCOMPARE(doc.GetFormatVersion(), 1.2f);
        QVERIFY(doc.GetCheckCount() > 0);
        QVERIFY(doc.toText().startsWith("model-format 1.2\n"));
    }
};

int runSaveRuleTests(int argc, char** argv)
{
    TestSaveRules t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_saverules.moc"
