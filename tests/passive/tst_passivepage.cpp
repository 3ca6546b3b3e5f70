// The passive page of the wizard driven through its widgets and the scripted prompts.

#include "LxLibInfo.h"
#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "PWModelFile.h"
#include "PWPassivePage.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "lxListBox.h"
#include "lxPassiveTypeDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QStringList kTypes = {"Connector",  "Capacitor", "Inductor",    "Resistor",
                            "Connection", "Resonator", "BoardContact"};

// Answers the next type dialog with typeText (when it may be chosen) and name;
// *offered receives the type the dialog showed and whether it could be changed.
void answerType(ScriptedPrompter& prompts, const QString& typeText, const QString& name,
                std::pair<QString, bool>* offered = nullptr)
{
    prompts.answerDialog([=](QDialog* d) {
        auto* dlg = qobject_cast<lxPassiveTypeDlg*>(d);
        if (!dlg)
            return int(QDialog::Rejected);
        if (offered)
            *offered = {dlg->cbPassiveType->currentText(), dlg->cbPassiveType->isEnabled()};
        if (dlg->cbPassiveType->isEnabled())
            dlg->cbPassiveType->setCurrentIndex(dlg->cbPassiveType->findText(typeText));
        dlg->PartNameLineEdit->setText(name);
        dlg->OkButton->click();
        return dlg->result();
    });
}

} // namespace

class TestPassivePage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompts;
    std::unique_ptr<PartwrightDlg> m_dlg;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    template <typename T>
    T* child(const char* name) const
    {
        T* w = m_dlg->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    lxListBox* parts() const { return child<lxListBox>("lxListBoxDeviceList"); }
    lxListBox* conditions() const { return child<lxListBox>("lxListBoxConditionalPartList"); }
    LxLibTable* table(const char* name) const { return child<LxLibTable>(name); }
    QString stackPage() const { return child<QStackedWidget>("wsPinDefinitions")->currentWidget()->objectName(); }
    void click(const char* button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QStringList names(const lxListBox* list) const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    void start()
    {
        // The prompter restores the one before it when it goes, so the old one goes first.
        cleanup();
        m_prompts = std::make_unique<ScriptedPrompter>();
        m_dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        m_dlg->setModelLibPath(m_dir.path());
        m_dlg->show();
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    // A new passive device, on the passive page.
    void newPassiveModel()
    {
        start();
        m_dlg->rbCreateNewModel->click();
        QTest::mouseClick(m_dlg->nextButton(), Qt::LeftButton);
        m_dlg->leDeviceId->setText(QStringLiteral("BOARD"));
        m_dlg->rbPassiveDevice->click();
        QTest::mouseClick(m_dlg->nextButton(), Qt::LeftButton);
        QTest::mouseClick(m_dlg->nextButton(), Qt::LeftButton);
        QCOMPARE(m_dlg->currentIndex(), int(PartwrightForm::PassivePage));
    }

    void open(const QString& file)
    {
        start();
        m_dlg->leOpenExisistingModel->setText(file);
        QTest::mouseClick(m_dlg->nextButton(), Qt::LeftButton);
        QCOMPARE(m_dlg->currentIndex(), int(PartwrightForm::DevicePage));
    }

    // Types text into a cell as the user does, ending with Return.
    void type(LxLibTable* t, int row, int col, const QString& text)
    {
        t->setFocus();
        t->setCurrentCell(row, col);
        QTest::keyClick(t, text.at(0).toLatin1());
        auto* edit = qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
        QVERIFY(edit);
        QTest::keyClicks(edit, text.mid(1));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(t->text(row, col), text);
    }
    void addRow(const char* button, LxLibTable* t, const QString& a, const QString& b)
    {
        click(button);
        const int row = t->rowCount() - 1;
        type(t, row, 0, a);
        type(t, row, 1, b);
    }
    QList<QStringList> rows(const LxLibTable* t) const
    {
        QList<QStringList> texts;
        for (int r = 0; r < t->rowCount(); ++r)
            texts.append({t->text(r, 0), t->text(r, 1)});
        return texts;
    }
    void addCondition(const QString& name)
    {
        m_prompts->answerText(name);
        click("AddCondition");
    }

    // Finish on the last page, saving to file; true when the wizard closed.
    bool finishTo(const QString& file)
    {
        while (m_dlg->currentIndex() != PartwrightForm::LastPage) {
            const int before = m_dlg->currentIndex();
            QTest::mouseClick(m_dlg->nextButton(), Qt::LeftButton);
            if (m_dlg->currentIndex() == before)
                return false;
        }
        m_dlg->leModelName->setText(file);
        m_prompts->answerYesNoCancel(LxPrompter::Yes);
        QTest::mouseClick(m_dlg->finishButton(), Qt::LeftButton);
        return m_dlg->finishedFlag();
    }

    // Every part and every condition shown once, as a user looking at the model does.
    void showEverything()
    {
        for (int i = 0; i < parts()->count(); ++i) {
            parts()->setCurrentRow(i);
            for (int c = 0; c < conditions()->count(); ++c)
                conditions()->setCurrentRow(c);
        }
    }

private slots:
    void cleanup()
    {
        m_dlg.reset();
        if (m_prompts)
            QVERIFY2(m_prompts->unexpected().isEmpty(), qPrintable(m_prompts->unexpected().join('\n')));
        m_prompts.reset();
    }

    void eachTypeIsAddedRenamedSortedAndDeleted_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("page");
        const char* pages[] = {"WSPassiveConnector", "WSPassiveResistor", "WSPassiveResistor", "WSPassiveResistor",
                               "WSPassiveConnection", "WSPassiveResistor", "WSPassiveBoardContact"};
        for (int i = 0; i < kTypes.size(); ++i)
            QTest::newRow(qPrintable(kTypes.at(i))) << kTypes.at(i) << QString::fromLatin1(pages[i]);
    }
    void eachTypeIsAddedRenamedSortedAndDeleted()
    {
        QFETCH(QString, type);
        QFETCH(QString, page);
        newPassiveModel();
        std::pair<QString, bool> offered;
        answerType(*m_prompts, type, QStringLiteral("Part1"), &offered);
        click("AddPassiveParts");
        QCOMPARE(offered, std::make_pair(QStringLiteral("Connection"), true));
        // Once a part exists every further part has its type.
        answerType(*m_prompts, QStringLiteral("Connector"), QStringLiteral("Part2"), &offered);
        click("AddPassiveParts");
        QCOMPARE(offered, std::make_pair(type, false));
        answerType(*m_prompts, type, QStringLiteral("Part3"));
        click("AddPassiveParts");
        QCOMPARE(names(parts()), QStringList({"Part1", "Part2", "Part3"}));
        QCOMPARE(parts()->currentRow(), 2);
        QCOMPARE(stackPage(), page);
        QCOMPARE(m_dlg->passivePage()->passiveType(), kTypes.indexOf(type) + 1);

        parts()->setCurrentRow(0);
        m_prompts->answerText(QStringLiteral("Part10"));
        parts()->renameItem();
        parts()->slotSort(1);
        QCOMPARE(names(parts()), QStringList({"Part10", "Part2", "Part3"}));
        parts()->slotSort(0);
        QCOMPARE(names(parts()), QStringList({"Part3", "Part2", "Part10"}));

        // Deleting keeps the old position, or the last entry past the end.
        parts()->setCurrentRow(1);
        m_prompts->answerYesNo(false);
        click("DeletePassiveParts");
        QCOMPARE(parts()->count(), 3);
        m_prompts->answerYesNo(true);
        click("DeletePassiveParts");
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Do you want to delete part \"Part2\"?"));
        QCOMPARE(parts()->currentItem()->text(), QStringLiteral("Part10"));
        m_prompts->answerYesNo(true);
        m_prompts->answerYesNo(true);
        click("DeletePassiveParts");
        click("DeletePassiveParts");
        QCOMPARE(parts()->count(), 0);
        QCOMPARE(stackPage(), QStringLiteral("WSPassiveUnknown"));
        answerType(*m_prompts, QStringLiteral("Connector"), QStringLiteral("Part1"), &offered);
        click("AddPassiveParts");
        QCOMPARE(offered, std::make_pair(QStringLiteral("Connection"), true));
        QCOMPARE(m_dlg->passivePage()->passiveType(), 1);
    }

    void duplicateNamesAreRefusedWithTheTypedName()
    {
        newPassiveModel();
        answerType(*m_prompts, QStringLiteral("Connection"), QStringLiteral("Part1"));
        click("AddPassiveParts");
        answerType(*m_prompts, QString(), QStringLiteral("part1"));
        click("AddPassiveParts");
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Part name \"part1\" is already used"));
        QCOMPARE(parts()->count(), 1);

        addCondition(QStringLiteral("Condition1"));
        addCondition(QStringLiteral("CONDITION1"));
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Condition name \"CONDITION1\" is already used"));
        // The name proposed next is the first one free.
        QString proposed;
        m_prompts->answerDialog([&proposed](QDialog* d) {
            proposed = d->findChild<QLineEdit*>(QStringLiteral("ConditionalLEdit"))->text();
            return int(QDialog::Rejected);
        });
        click("AddCondition");
        QCOMPARE(proposed, QStringLiteral("Condition2"));
        QCOMPARE(names(conditions()), QStringList({"Condition1"}));
    }

    void conditionTableKeepsItsPinPairRule()
    {
        newPassiveModel();
        answerType(*m_prompts, QStringLiteral("Connection"), QStringLiteral("JP1"));
        click("AddPassiveParts");
        LxLibTable* pins = table("PassiveConnectionTable");
        // Adding a row to a connection without conditions asks for one first; Cancel adds nothing.
        m_prompts->answerText(QString(), false);
        click("AddConnectionPinDefinition");
        QCOMPARE(pins->rowCount(), 0);
        QCOMPARE(conditions()->count(), 0);
        m_prompts->answerText(QStringLiteral("Open"));
        click("AddConnectionPinDefinition");
        QCOMPARE(names(conditions()), QStringList({"Open"}));
        QCOMPARE(pins->rowCount(), 1);
        type(pins, 0, 0, QStringLiteral("A"));
        type(pins, 0, 1, QStringLiteral("A"));
        m_prompts->clearShown();

        addCondition(QStringLiteral("Closed"));
        QCOMPARE(m_prompts->texts().last(), QStringLiteral("Pin  \"A\" should not combine with itself"));
        QCOMPARE(conditions()->currentItem()->text(), QStringLiteral("Open"));
        QVERIFY(!m_dlg->nextButton()->isEnabled());

        type(pins, 0, 1, QStringLiteral("B"));
        addRow("AddConnectionPinDefinition", pins, QStringLiteral("B"), QStringLiteral("A"));
        conditions()->setCurrentRow(1);
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Pin combination \"A - B\" is already used"));
        QCOMPARE(conditions()->currentRow(), 0);
        pins->selectRow(1);
        click("DeleteConnectionPinDefinition");
        conditions()->setCurrentRow(1);
        QVERIFY(m_dlg->nextButton()->isEnabled());
        QCOMPARE(rows(pins), QList<QStringList>());
        addRow("AddConnectionPinDefinition", pins, QStringLiteral("B"), QStringLiteral("C"));

        // Both conditions hold their own pairs, also after the part was left and shown again.
        answerType(*m_prompts, QString(), QStringLiteral("JP2"));
        click("AddPassiveParts");
        QCOMPARE(conditions()->count(), 0);
        parts()->setCurrentRow(0);
        QCOMPARE(names(conditions()), QStringList({"Open", "Closed"}));
        conditions()->setCurrentRow(0);
        QCOMPARE(rows(pins), QList<QStringList>({{"A", "B"}}));
        conditions()->setCurrentRow(1);
        QCOMPARE(rows(pins), QList<QStringList>({{"B", "C"}}));

        m_prompts->answerYesNo(true);
        click("DeleteCondition");
        QCOMPARE(names(conditions()), QStringList({"Open"}));
        QVERIFY(m_dlg->buildPassiveModel());
        const auto* jp1 = dynamic_cast<const lxlib::LxLibPassiveCompConnection*>(
            m_dlg->modelFile()->document()->GetComponent()->GetDescriptorList().at(0));
        QVERIFY(jp1);
        QCOMPARE(jp1->GetConditionList().count(), 1);
        QCOMPARE(jp1->GetConditionList().first()->GetConditionId(), QStringLiteral("Open"));
    }

    void savedModelReopensAsItWasShown()
    {
        newPassiveModel();
        answerType(*m_prompts, QStringLiteral("Connection"), QStringLiteral("JP1"));
        click("AddPassiveParts");
        LxLibTable* fixed = table("lxNonConditionalTable");
        addRow("AddNonConditionPinDefinition", fixed, QStringLiteral("1"), QStringLiteral("2"));
        // A row with one pin is no combination.
        click("AddNonConditionPinDefinition");
        type(fixed, 1, 0, QStringLiteral("9"));
        addCondition(QStringLiteral("Up"));
        addRow("AddConnectionPinDefinition", table("PassiveConnectionTable"), QStringLiteral("1"), QStringLiteral("3"));
        addCondition(QStringLiteral("Down"));
        addRow("AddConnectionPinDefinition", table("PassiveConnectionTable"), QStringLiteral("3"), QStringLiteral("4"));
        answerType(*m_prompts, QString(), QStringLiteral("JP2"));
        click("AddPassiveParts");
        m_prompts->answerText(QStringLiteral("JP0"));
        parts()->renameItem();
        const QString saved = path(QStringLiteral("board.model"));
        QVERIFY(finishTo(saved));

        open(saved);
        QCOMPARE(m_dlg->deviceCategory(), int(PartwrightDlg::Passive));
        QCOMPARE(names(parts()), QStringList({"JP1", "JP0"}));
        QCOMPARE(parts()->currentRow(), 0);
        QCOMPARE(rows(table("lxNonConditionalTable")), QList<QStringList>({{"1", "2"}}));
        QCOMPARE(names(conditions()), QStringList({"Up", "Down"}));
        conditions()->setCurrentRow(0);
        QCOMPARE(rows(table("PassiveConnectionTable")), QList<QStringList>({{"1", "3"}}));
        conditions()->setCurrentRow(1);
        QCOMPARE(rows(table("PassiveConnectionTable")), QList<QStringList>({{"3", "4"}}));
        const QString again = path(QStringLiteral("again.model"));
        QVERIFY(finishTo(again));
        QCOMPARE(contentOf(again), contentOf(saved));
    }

    void exampleSurvivesTheFinishLoop()
    {
        const QString example = QStringLiteral(PW_EXAMPLES_DIR "/resistor-network-board.model");
        QString in = example;
        for (const char* out : {"example.model", "again.model"}) {
            open(in);
            QCOMPARE(names(parts()), QStringList({"RN1", "J1", "JP1"}));
            showEverything();
            in = path(QLatin1String(out));
            QVERIFY(finishTo(in));
            QCOMPARE(contentOf(in), contentOf(example));
        }
    }

    void anEmptyPartListIsNotSaved()
    {
        newPassiveModel();
        m_prompts->clearShown();
        QVERIFY(!m_dlg->buildPassiveModel());
        QCOMPARE(m_prompts->count(), 0);
        QVERIFY(!finishTo(path(QStringLiteral("empty.model"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("empty.model"))));
        QCOMPARE(m_prompts->count(), 0);
    }
};

QTEST_MAIN(TestPassivePage)
#include "tst_passivepage.moc"
