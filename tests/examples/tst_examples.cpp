// The shipped example library: every model reads and checks clean, passes the
// wizard's logic checks, holds what its datasheet says, and is already in
// canonical form.

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibPassive.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"

#include <QDir>
#include <QTest>

using namespace lxlib;

namespace {

struct Expected
{
    const char* file;
    const char* deviceId;
    int kind;
    int parts;
    int pins; // in the first package; passive models have none
    float version;
};

const Expected kExamples[] = {
    {"octal-buffer-244.model", "OB244", DK_LOGIC, 1, 20, 1.2f},
    {"bus-transceiver-16245.model", "BT16245", DK_LOGIC, 2, 48, 1.2f},
    {"octal-latch-373.model", "DL373", DK_LOGIC, 1, 20, 1.2f},
    {"sram-128k8.model", "SRAM128K8", DK_MEMORY_TEST, 1, 32, 1.2f},
    {"flash-512k8.model", "FL512K8", DK_MEMORY_PROGRAM, 1, 32, 1.2f},
    {"resistor-network-board.model", "RN8-10K", DK_PASSIVE, 3, 0, 1.1f},
};

QString path(const char* file)
{
    return QDir(QStringLiteral(PW_EXAMPLES_DIR)).filePath(QString::fromLatin1(file));
}

// Reads a file and collects every message it raises.
struct Loaded
{
    explicit Loaded(const QString& file) : info(file)
    {
        QObject::connect(&info, &LxLibInfo::message, [this](const Message& m) { messages << m.text; });
        ok = info.read(true, false);
    }
    LxLibInfo info;
    QStringList messages;
    bool ok = false;
};

const LxLibLogic* logicPart(const LxLibInfo& info, int index)
{
    return dynamic_cast<const LxLibLogic*>(info.GetComponent()->GetDescriptorList().at(index));
}

} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void everyExampleIsListed()
    {
        const QStringList onDisk = QDir(QStringLiteral(PW_EXAMPLES_DIR)).entryList({"*.model"}, QDir::Files);
        QStringList listed;
        for (const Expected& e : kExamples)
            listed << QString::fromLatin1(e.file);
        listed.sort();
        QCOMPARE(onDisk, listed);
    }

    void readsClean_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kExamples)); ++i)
            QTest::newRow(kExamples[i].file) << i;
    }

    void readsClean()
    {
        QFETCH(int, index);
        const Expected& e = kExamples[index];
        Loaded m(path(e.file));
        QVERIFY2(m.ok && m.messages.isEmpty(), qPrintable(m.messages.join(u'\n')));
        QString first;
        QVERIFY2(m.info.check(&first) > 0, qPrintable(first));
        QCOMPARE(m.info.GetFormatVersion(), e.version);
        const LxLibComponent* component = m.info.GetComponent();
        QCOMPARE(component->GetName(), QString::fromLatin1(e.deviceId));
        QCOMPARE(component->GetDescriptorList().count(), e.parts);
        for (const LxLibDescriptor* d : component->GetDescriptorList())
            QCOMPARE(d->kind(), e.kind);
        const LxLibPackage* package = component->GetPackageList().first();
        QCOMPARE(package ? package->GetPackagePinList().count() : 0, e.pins);
        QCOMPARE(m.info.GetHeaderList().first()->GetHeaderType(), int(HT_GENERAL));

        // Canonical already: writing and reading again changes nothing.
        const QByteArray text = m.info.toText();
        LxLibInfo again(m.info.GetFileName());
        QVERIFY(again.readFromData(text, true, false));
        QCOMPARE(again.toText(), text);

        // Logic models pass what the wizard checks before it saves.
        if (e.kind != DK_LOGIC)
            return;
        PWDeviceModel model;
        QString error;
        QVERIFY2(PWModelConverter::convert(m.info, model, error), qPrintable(error));
        QVERIFY2(CLogicChecks::validatePinLists(model.logic(), error), qPrintable(error));
        QVERIFY2(CLogicChecks::validateLogicPage(model.logic(), error), qPrintable(error));
    }

    // What a test engineer would look up in each datasheet.
    void holdsTheDatasheetFacts()
    {
        Loaded buffer(path("octal-buffer-244.model"));
        const LxLibLogic* b = logicPart(buffer.info, 0);
        QVERIFY(b);
        QCOMPARE(b->GetPinListList().count(), 2); // two halves of one 4-bit buffer
        QCOMPARE(b->GetPinListList().first()->GetSignalDefList().count(), 11);
        QCOMPARE(b->GetTruthTable().count(), 4);
        QCOMPARE(b->GetStatementListsList().count(), 3);

        Loaded transceiver(path("bus-transceiver-16245.model"));
        for (int i = 0; i < 2; ++i) {
            const LxLibLogic* part = logicPart(transceiver.info, i);
            QVERIFY(part);
            QCOMPARE(part->GetName(), QStringLiteral("Byte %1").arg(i + 1));
            int io = 0;
            for (const LxLibPinListSignalDef* s : part->GetPinListList().first()->GetSignalDefList())
                io += s->GetSignalType() == ST_IO;
            QCOMPARE(io, 16);
        }
        QVERIFY(transceiver.info.GetComponent()->GetPackageList().first()->HasTap());

        Loaded latch(path("octal-latch-373.model"));
        const LxLibLogic* l = logicPart(latch.info, 0);
        QVERIFY(l);
        QCOMPARE(l->GetLatchSequenceList().count(), 1);

        Loaded board(path("resistor-network-board.model"));
        const auto& parts = board.info.GetComponent()->GetDescriptorList();
        auto* network = dynamic_cast<const LxLibPassiveComponent*>(parts.at(0));
        auto* jumper = dynamic_cast<const LxLibPassiveCompConnection*>(parts.at(2));
        QVERIFY(network && jumper);
        QCOMPARE(network->GetType(), int(PCT_RESISTOR));
        QCOMPARE(network->GetPinCombinationList().count(), 8);
        QCOMPARE(jumper->GetConditionList().count(), 2);
        QCOMPARE(jumper->GetConditionList().at(1)->GetPinCombinationList().first()->GetPinB(),
                 QStringLiteral("JP3"));
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
