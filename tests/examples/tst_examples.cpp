// The shipped example library: clean, and true to the datasheets.

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

// pins: in the first package; passive models have none.
struct Expected { const char* file; const char* deviceId; int kind, parts, pins; float version; };

const Expected kExamples[] = {
    {"octal-buffer-244.model", "OB244", DK_LOGIC, 1, 20, 1.2f},
    {"bus-transceiver-16245.model", "BT16245", DK_LOGIC, 2, 48, 1.2f},
    {"octal-latch-373.model", "DL373", DK_LOGIC, 1, 20, 1.2f},
    {"sram-128k8.model", "SRAM128K8", DK_MEMORY_TEST, 1, 32, 1.2f},
    {"flash-512k8.model", "FL512K8", DK_MEMORY_PROGRAM, 1, 32, 1.2f},
    {"resistor-network-board.model", "RN8-10K", DK_PASSIVE, 3, 0, 1.1f},
};

// An example read with every message it raises.
struct Loaded
{
    explicit Loaded(const char* file) : info(QDir(QStringLiteral(PW_EXAMPLES_DIR)).filePath(QString::fromLatin1(file)))
    {
        QObject::connect(&info, &LxLibInfo::message, [this](const Message& m) { messages << m.text; });
        if (!info.read(true, false))
            messages << QStringLiteral("the read failed");
    }
    const LxLibDescriptor* part(int i) const { return info.GetComponent()->GetDescriptorList().at(i); }
    const LxLibLogic* logic(int i) const { return dynamic_cast<const LxLibLogic*>(part(i)); }

    LxLibInfo info;
    QStringList messages;
};

} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void readsClean_data()
    {
        QTest::addColumn<int>("index");
        QStringList listed;
        for (int i = 0; i < int(std::size(kExamples)); ++i) {
            QTest::newRow(kExamples[i].file) << i;
            listed << QString::fromLatin1(kExamples[i].file);
        }
        listed.sort();
        QCOMPARE(QDir(QStringLiteral(PW_EXAMPLES_DIR)).entryList({"*.model"}, QDir::Files), listed);
    }

    void readsClean()
    {
        QFETCH(int, index);
        const Expected& e = kExamples[index];
        Loaded m(e.file);
        QVERIFY2(m.messages.isEmpty(), qPrintable(m.messages.join(u'\n')));
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

        // Logic models pass what the wizard checks before it saves.
        if (e.kind != DK_LOGIC)
            return;
        PWDeviceModel model;
        QString error;
        QVERIFY2(PWModelConverter::convert(m.info, model, error), qPrintable(error));
        QVERIFY2(CLogicChecks::validatePinLists(model.logic(), error), qPrintable(error));
        QVERIFY2(CLogicChecks::validateLogicPage(model.logic(), error), qPrintable(error));
    }

    void holdsTheDatasheetFacts()
    {
        const Loaded buffer244("octal-buffer-244.model");
        const LxLibLogic* buffer = buffer244.logic(0);
        QVERIFY(buffer);
        QCOMPARE(buffer->GetPinListList().count(), 2); // two halves of one 4-bit buffer
        QCOMPARE(buffer->GetPinListList().first()->GetSignalDefList().count(), 11);
        QCOMPARE(buffer->GetTruthTable().count(), 4);
        QCOMPARE(buffer->GetStatementListsList().count(), 3);
        QCOMPARE(Loaded("octal-latch-373.model").logic(0)->GetLatchSequenceList().count(), 1);

        const Loaded transceiver("bus-transceiver-16245.model");
        QVERIFY(transceiver.info.GetComponent()->GetPackageList().first()->HasTap());
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(transceiver.part(i)->GetName(), QStringLiteral("Byte %1").arg(i + 1));
            int io = 0;
            for (const LxLibPinListSignalDef* d : transceiver.logic(i)->GetPinListList().first()->GetSignalDefList())
                io += d->GetSignalType() == ST_IO;
            QCOMPARE(io, 16);
        }

        const Loaded board("resistor-network-board.model");
        auto* network = dynamic_cast<const LxLibPassiveComponent*>(board.part(0));
        auto* jumper = dynamic_cast<const LxLibPassiveCompConnection*>(board.part(2));
        QVERIFY(network && jumper);
        QCOMPARE(network->GetType(), int(PCT_RESISTOR));
        QCOMPARE(network->GetPinCombinationList().count(), 8);
        QCOMPARE(jumper->GetConditionList().count(), 2);
        QCOMPARE(jumper->GetConditionList().at(1)->GetPinCombinationList().first()->GetPinB(), QStringLiteral("JP3"));
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
