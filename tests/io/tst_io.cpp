#include "CLogic.h"
#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWFeatureWarnings.h"
#include "PWLogicDocument.h"
#include "PWModelConverter.h"
#include "PWSaveRules.h"

#include <QDir>

#include <QTest>

using namespace lxlib;

namespace {

// One logic model whose unsupported features are switched on one by one.
enum Feature {
    EnableMultiple = 1, LatchMultiple = 2, EnableBit = 4, LatchBit = 8, DisableBit = 16,
    EnableDiff = 32, LatchDiff = 64, PinDiff = 128
};

QByteArray featureModel(int features)
{
    auto on = [features](int f, const char* text) { return QByteArray(features & f ? text : ""); };
    return "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n"
           "    pin \"1\" \"A\" INOUT\n    pin \"2\" \"B\" INOUT" + on(PinDiff, " partner \"1\"") + "\n  }\n"
           "  logic \"L\" {\n    pinlist \"PL\" {\n      signal DATAA 0 \"A\"\n      signal DATAB 0 \"B\"\n    }\n"
           "    enable \"E\" {\n      set DATAA \"0\"" + on(EnableBit, " bit 0") + "\n"
           "      connection DATAA -1 DATAB -1" + on(EnableDiff, " diff DATAB -1") + "\n"
           + on(EnableMultiple, "      equation DATAA -1 DATAB -1 invert\n") +
           "    }\n    disable \"D\" {\n      set DATAA \"1\"" + on(DisableBit, " bit 0") + "\n"
           "      disables DATAB\n    }\n"
           "    latch \"La\" {\n      equation DATAA -1 DATAB -1" + on(LatchDiff, " diff DATAB -1") + "\n"
           + on(LatchMultiple, "      connection DATAA -1 DATAB -1\n") +
           "      step {\n        set DATAA \"1\"" + on(LatchBit, " bit 0") + "\n      }\n    }\n  }\n}\n";
}

// Who has the feature, indexed by enable | latch << 1 (| disable or pins << 2).
const char* const kMultiple[] = {nullptr, "enable", "latch", "enable and latch"};
const char* const kBitValue[] = {nullptr, "enable", "latch", "enable and latch", "disable", "enable and disable",
                                 "latch and disable", "enable, latch and disable"};
const char* const kDifferential[] = {nullptr, "enable patterns", "latch patterns", "enable and latch patterns", "pins",
                                     "pins and some enable patterns", "pins and latch patterns",
                                     "pins and some enable and latch patterns"};

std::unique_ptr<lxlib::LxLibInfo> documentOf(const QByteArray& text, bool* ok = nullptr)
{
    auto doc = std::make_unique<LxLibInfo>(QStringLiteral("mem.model"));
    bool error = false;
    const bool read = doc->readFromData(text, true, false, &error);
    if (ok)
        *ok = read && !error;
    return doc;
}

// The converted model, or null when the conversion fails.
std::unique_ptr<PWDeviceModel> converted(const QByteArray& text, QString& error)
{
    auto model = std::make_unique<PWDeviceModel>();
    return PWModelConverter::convert(*documentOf(text), *model, error) ? std::move(model) : nullptr;
}

QByteArray logicModel(const QByteArray& body)
{
    return "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n    id \"P2\"\n"
           "    pin \"1\" \"A\" INOUT\n    pin \"2\" \"B\" 26\n    pin \"3\" \"C\" 0\n  }\n"
           "  logic \"L\" {\n    pinlist \"PL\" {\n      signal DATAA 0 \"A\"\n    }\n" + body + "  }\n}\n";
}

} // namespace

class TestIo : public QObject
{
    Q_OBJECT

private slots:
    void everyWarningCombination()
    {
        // All 256 combinations of the eight questions: one box per group in
        // group order, with the text of exactly the answers given.
        for (int f = 0; f < 256; ++f) {
            bool ok = false;
            auto doc = documentOf(featureModel(f), &ok);
            QVERIFY2(ok, qPrintable(QString::number(f)));
            QStringList expected;
            const QString sorry = QStringLiteral(" This is not supported by the Partwright.");
            if (f & 3)
                expected << QStringLiteral("Some %1 patterns have multiple specifications.").arg(kMultiple[f & 3]) + sorry
                                + QStringLiteral(" Only one specification will be handled. Others will get lost.");
            if ((f >> 2) & 7)
                expected << QStringLiteral("Some %1 patterns have bit value specifications.").arg(kBitValue[(f >> 2) & 7])
                                + sorry + QStringLiteral(" All bit settings will get lost.");
            if (f >> 5)
                expected << QStringLiteral("Some %1 have differential specifications.").arg(kDifferential[f >> 5]) + sorry
                                + QStringLiteral(" All differential settings will get lost.");
            QCOMPARE(PWFeatureWarnings::of(doc.get(), false), expected);
            QVERIFY(PWFeatureWarnings::of(doc.get(), true).isEmpty());
        }
        QVERIFY(PWFeatureWarnings::of(nullptr, false).isEmpty());
    }

    void documentShapeAndKinds()
    {
        QString error;
        QVERIFY(!converted("model-format 1.2\ncomponent \"A\" {\n}\ncomponent \"B\" {\n}\n", error));
        QVERIFY(error.isEmpty()); // the caller says it cannot parse the file

        auto model = converted("model-format 1.2\ncomponent \"M\" {\n  memory-test \"T\" {\n"
                               "    pinlist \"PL\" {\n      signal ADDR 0 \"A\"\n    }\n  }\n}\n", error);
        QVERIFY(model);
        QCOMPARE(model->category(), int(PWDeviceModel::MemoryTest));
        QCOMPARE(model->logic().logicParts().count(), 1);

        // A part without pin lists is skipped, but still sets the category.
        model = converted("model-format 1.2\ncomponent \"M\" {\n  memory-program \"T\" {\n  }\n}\n", error);
        QVERIFY(model);
        QCOMPARE(model->category(), int(PWDeviceModel::MemoryProgram));
        QCOMPARE(model->logic().logicParts().count(), 0);

        model = converted("model-format 1.1\ncomponent \"R\" {\n  passive \"R1\" RESISTOR {\n    pins \"1\" \"2\"\n"
                          "  }\n}\n", error);
        QVERIFY(model);
        QCOMPARE(model->category(), int(PWDeviceModel::Passive));
        QCOMPARE(model->passiveComponents().count(), 1);
        QCOMPARE(model->editMode(), int(PWDeviceModel::EditExisting));
    }

    void headerPackagesAndPatterns()
    {
        QByteArray body = "    enable \"\" {\n      set DATAA \"0\"\n      equation DATAA -1 DATAA -1 invert\n"
                          "      equation DATAA -1 DATAA -1\n      power-control\n    }\n";
        for (int i = 2; i <= 12; ++i)
            body += "    enable \"\" {\n      set DATAA \"1\"\n    }\n";
        body += "    disable \"\" {\n      set DATAA \"1\"\n      disables DATAA\n      disables DATAA 0\n    }\n";
        QString error;
        auto model = converted("model-format 1.2\nheader general {\n  line \"March 3 2026 Jo\"\n  line \"(c)\"\n"
                               "  line \"Fn\"\n  line \"Cat\"\n}\nheader note {\n  line \"one\"\n  line \"two\"\n}\n"
                                   + logicModel(body).mid(17),
                               error);
        QVERIFY2(model, qPrintable(error));
        QCOMPARE(model->deviceId(), QStringLiteral("C"));
        QCOMPARE(model->header().dateAuthor, QStringLiteral("March 3 2026 Jo"));
        QCOMPARE(model->header().category, QStringLiteral("Cat"));
        QCOMPARE(model->header().notes, QStringLiteral("one\ntwo"));
        const CPackage* p = model->logic().packages().at(0);
        QCOMPARE(p->packageIds(), QStringList({QStringLiteral("P"), QStringLiteral("P2")}));
        // Codes outside 1 to 25 show as "-".
        QCOMPARE(p->pins().at(0)->pinType(), int(PPT_INOUT));
        QCOMPARE(p->pins().at(1)->pinType(), int(PPT_DASH));
        QCOMPARE(p->pins().at(2)->pinType(), int(PPT_DASH));

        const CLogicPart* part = model->logic().logicParts().at(0);
        QCOMPARE(part->enablePatterns().count(), 12);
        QCOMPARE(part->enablePatterns().at(0)->GetName(), QStringLiteral("Enable 01"));
        QCOMPARE(part->enablePatterns().at(11)->GetName(), QStringLiteral("Enable 12"));
        // Only the first equation stays, next to the power control.
        const auto& first = part->enablePatterns().at(0)->GetSetEnableList();
        QCOMPARE(first.count(), 2);
        QCOMPARE(first.at(0)->GetEnableType(), int(ET_POWER_CONTROL));
        QCOMPARE(first.at(1)->GetEnableType(), int(ET_EQUATION));
        QVERIFY(dynamic_cast<const LxLibSetEnableRelation*>(first.at(1))->IsInvert());
        QCOMPARE(part->disablePatterns().at(0)->GetName(), QStringLiteral("Disable 01"));
        QCOMPARE(part->disablePatterns().at(0)->GetSetDisableList().count(), 1);
    }

    void refusedDisablePatternsAreReported()
    {
        // The 22nd pattern and a reserved name each stop the disables of their
        // part, with the refusal the editor's add shows; the other part is untouched.
        auto disable = [](const QByteArray& name) {
            return "    disable \"" + name + "\" {\n      set DATAA \"1\"\n    }\n";
        };
        QByteArray many;
        for (int i = 1; i <= 23; ++i)
            many += disable(i % 2 ? QByteArray() : "D" + QByteArray::number(i));
        const QByteArray reserved = disable("First") + disable("truth table") + disable("After");
        QByteArray text = logicModel(many);
        text.replace("  }\n}\n", "  }\n  logic \"L2\" {\n    pinlist \"PL\" {\n      signal DATAA 0 \"A\"\n    }\n"
                                   + reserved + "  }\n  logic \"L3\" {\n    pinlist \"PL\" {\n"
                                   "      signal DATAA 0 \"A\"\n    }\n" + disable("Fine") + "  }\n}\n");
        QString error;
        auto model = converted(text, error);
        QVERIFY2(model, qPrintable(error));
        const CLogicPartList& parts = model->logic().logicParts();
        QCOMPARE(parts.at(0)->disablePatterns().count(), 21);
        QCOMPARE(parts.at(0)->disablePatterns().at(20)->GetName(), QStringLiteral("Disable 21"));
        QCOMPARE(parts.at(1)->disablePatterns().count(), 1);
        QCOMPARE(parts.at(2)->disablePatterns().count(), 1);

        const QList<PWDeviceModel::Notice>& notices = model->notices();
        QCOMPARE(notices.count(), 2);
        QCOMPARE(notices.at(0).text, QStringLiteral("It is not possible to add a new Disable Pattern\n"
                                                    "Maximum number of Disables is reached"));
        // Each notice points at the refused pattern.
        auto lineOf = [&text](const QByteArray& record) { return text.left(text.indexOf(record)).count('\n') + 1; };
        QCOMPARE(notices.at(0).line, lineOf("disable \"D22\""));
        QCOMPARE(notices.at(0).column, 5);
        QCOMPARE(notices.at(1).text, QStringLiteral("This Disable Pattern name is not allowed!"));
        QCOMPARE(notices.at(1).line, lineOf("disable \"truth table\""));

        // A fresh conversion starts without the old notices.
        model->clear();
        QVERIFY(model->notices().isEmpty());
    }

    void enablePlaceholderIsDroppedOnReading()
    {
        // What the builder writes for an enable pattern without settings reads
        // back as that pattern again; a "-" among real settings stays.
        QString error;
        auto model = converted(logicModel("    enable \"Off\" {\n      set - \"\"\n      output-enable\n    }\n"
                                                 "    enable \"Both\" {\n      set - \"\"\n      set DATAA \"0\"\n    }\n"),
                               error);
        QVERIFY2(model, qPrintable(error));
        const CLogicPart* part = model->logic().logicParts().at(0);
        QVERIFY(part->enablePatterns().at(0)->GetSetSignalList().isEmpty());
        QCOMPARE(part->enablePatterns().at(0)->GetSetEnableList().count(), 1);
        QCOMPARE(part->enablePatterns().at(1)->GetSetSignalList().count(), 2);
        QVERIFY(!CLogicChecks::checkEnablePatterns(model->logic(), error));

        model->logic().logicParts().at(0)->enablePatterns().remove(1);
        QVERIFY2(CLogicChecks::validateLogicPage(model->logic(), error), qPrintable(error));
        LxLibInfo written(QStringLiteral("mem.model"));
        model->writeHeader(written);
        QVERIFY2(PWLogicDocument::buildAndCheck(written, model->logic(), model->deviceId(), error), qPrintable(error));
        QVERIFY(written.toText().contains("      set - \"\"\n"));
        PWDeviceModel reopened;
        QVERIFY(PWModelConverter::convert(*documentOf(written.toText()), reopened, error));
        QVERIFY2(CLogicChecks::validateLogicPage(reopened.logic(), error), qPrintable(error));
        QVERIFY(reopened.logic().logicParts().at(0)->enablePatterns().at(0)->GetSetSignalList().isEmpty());
    }

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

QTEST_GUILESS_MAIN(TestIo)
#include "tst_io.moc"
