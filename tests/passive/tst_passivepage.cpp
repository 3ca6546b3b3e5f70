// The passive page of the wizard driven through its widgets and the scripted prompts.

#include "LxLibInfo.h"
#include "LxLibPassive.h"
#include "LxLibWriter.h"
#include "LxTableHistory.h"
#include "PWPassiveDocument.h"
#include "PWPassivePage.h"
#include "lxListBox.h"
#include "lxPassiveTypeDlg.h"
#include "tests/undo/UndoFixture.h"
#include "ui_PWPassivePage.h"

#include <QRadioButton>

namespace {

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

// Types text into a cell as the user does, ending with Return.
void typeCell(LxLibTable* t, int row, int col, const QString& text)
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

// A new row from the button, filled through the cell editors.
void addPins(QPushButton* add, LxLibTable* t, const QString& a, const QString& b)
{
    add->click();
    typeCell(t, t->rowCount() - 1, 0, a);
    typeCell(t, t->rowCount() - 1, 1, b);
}

} // namespace

class TestPassivePage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompts;
    std::unique_ptr<PartwrightDlg> m_dlg;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    PWPassivePage* page() const { return m_dlg->passivePage(); }
    Ui::PWPassivePage& ui() const { return page()->ui(); }
    lxListBox* parts() const { return ui().lxListBoxDeviceList; }
    lxListBox* conditions() const { return ui().lxListBoxConditionalPartList; }
    QString stackPage() const { return ui().wsPinDefinitions->currentWidget()->objectName(); }
    void addPart(const QString& type, const QString& name, std::pair<QString, bool>* offered = nullptr)
    {
        answerType(*m_prompts, type, name, offered);
        ui().AddPassiveParts->click();
    }
    void addCondition(const QString& name)
    {
        m_prompts->answerText(name);
        ui().AddCondition->click();
    }
    QUndoStack* history() const { return page()->listHistory(); }
    // The model file the page's parts make, as written.
    QByteArray modelText() const
    {
        page()->storeAllModifiedItems();
        lxlib::LxLibInfo document(QStringLiteral("board.model"));
        QString error;
        if (!PWPassiveDocument::buildAndCheck(document, page()->libraryObjects(), QStringLiteral("BOARD"), error))
            return "no model: " + error.toUtf8();
        return lxlib::LxLibWriter::toText(document);
    }
    // Does a step, takes it back and does it again: the page shows what it showed and
    // its parts make the model file they made before each time.
    void stepBackAndAgain(const std::function<void()>& act, const QStringList& partsAfter,
                          const QStringList& conditionsAfter)
    {
        const auto state = [&] {
            QStringList shown{QString::number(page()->passiveType()), QString::fromUtf8(modelText())};
            for (const LxLibTable* table : {ui().lxNonConditionalTable, ui().PassiveResistorTable})
                for (const QStringList& row : table->tableTexts())
                    shown << row.join(u'-');
            return shown << listTexts(parts()) << QStringLiteral("|") << listTexts(conditions());
        };
        const QStringList before = state();
        act();
        QCOMPARE(listTexts(parts()), partsAfter);
        QCOMPARE(listTexts(conditions()), conditionsAfter);
        const QStringList after = state();
        history()->undo();
        QCOMPARE(state(), before);
        history()->redo();
        QCOMPARE(state(), after);
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
        QTest::addColumn<int>("code");
        QTest::newRow("Connector") << "Connector" << "WSPassiveConnector" << 1;
        QTest::newRow("Capacitor") << "Capacitor" << "WSPassiveResistor" << 2;
        QTest::newRow("Inductor") << "Inductor" << "WSPassiveResistor" << 3;
        QTest::newRow("Resistor") << "Resistor" << "WSPassiveResistor" << 4;
        QTest::newRow("Connection") << "Connection" << "WSPassiveConnection" << 5;
        QTest::newRow("Resonator") << "Resonator" << "WSPassiveResistor" << 6;
        QTest::newRow("BoardContact") << "BoardContact" << "WSPassiveBoardContact" << 7;
    }
    void eachTypeIsAddedRenamedSortedAndDeleted()
    {
        QFETCH(QString, type);
        QFETCH(QString, page);
        QFETCH(int, code);
        newPassiveModel();
        QCOMPARE(stackPage(), QStringLiteral("WSPassiveUnknown"));
        std::pair<QString, bool> offered;
        addPart(type, "Part1", &offered);
        QCOMPARE(offered, std::make_pair(QStringLiteral("Connection"), true));
        // Once a part exists every further part has its type.
        addPart("Connector", "Part2", &offered);
        QCOMPARE(offered, std::make_pair(type, false));
        addPart(type, "Part3");
        QCOMPARE(listTexts(parts()), QStringList({"Part1", "Part2", "Part3"}));
        QCOMPARE(parts()->currentRow(), 2);
        QCOMPARE(stackPage(), page);
        QCOMPARE(m_dlg->passivePage()->passiveType(), code);

        // Sorting compares plain text and keeps the current entry.
        parts()->setCurrentRow(0);
        m_prompts->answerText(QStringLiteral("Part10"));
        parts()->renameItem();
        parts()->slotSort(1);
        QCOMPARE(listTexts(parts()), QStringList({"Part10", "Part2", "Part3"}));
        parts()->slotSort(0);
        QCOMPARE(listTexts(parts()), QStringList({"Part3", "Part2", "Part10"}));
        QCOMPARE(parts()->currentItem()->text(), QStringLiteral("Part10"));

        // Deleting keeps the old position, or the last entry past the end.
        parts()->setCurrentRow(1);
        m_prompts->answerYesNo(false);
        ui().DeletePassiveParts->click();
        QCOMPARE(parts()->count(), 3);
        m_prompts->answerYesNo(true);
        ui().DeletePassiveParts->click();
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Do you want to delete part \"Part2\"?"));
        QCOMPARE(parts()->currentItem()->text(), QStringLiteral("Part10"));
        m_prompts->answerYesNo(true);
        m_prompts->answerYesNo(true);
        ui().DeletePassiveParts->click();
        ui().DeletePassiveParts->click();
        QCOMPARE(parts()->count(), 0);
        QCOMPARE(stackPage(), QStringLiteral("WSPassiveUnknown"));
        addPart("Connector", "Part1", &offered);
        QCOMPARE(offered, std::make_pair(QStringLiteral("Connection"), true));
        QCOMPARE(m_dlg->passivePage()->passiveType(), 1);
    }

    void connectionRulesAndUndo()
    {
        newPassiveModel();
        addPart("Connection", "JP1");
        addPart(QString(), "jp1");
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Part name \"jp1\" is already used"));
        QCOMPARE(parts()->count(), 1);
        LxLibTable* pins = ui().PassiveConnectionTable;
        QPushButton* addPin = ui().AddConnectionPinDefinition;
        // Adding a row to a connection without conditions asks for one first; Cancel adds nothing.
        m_prompts->answerText(QString(), false);
        addPin->click();
        QCOMPARE(pins->rowCount(), 0);
        QCOMPARE(conditions()->count(), 0);
        m_prompts->answerText(QStringLiteral("Open"));
        addPin->click();
        QCOMPARE(listTexts(conditions()), QStringList({"Open"}));
        QCOMPARE(pins->rowCount(), 1);
        typeCell(pins, 0, 0, "A");
        typeCell(pins, 0, 1, "A");
        m_prompts->clearShown();

        addCondition("Closed");
        QCOMPARE(m_prompts->texts().last(), QStringLiteral("Pin  \"A\" should not combine with itself"));
        QCOMPARE(conditions()->currentItem()->text(), QStringLiteral("Open"));
        QVERIFY(!m_dlg->nextButton()->isEnabled());

        typeCell(pins, 0, 1, "B");
        addPins(addPin, pins, "B", "A");
        conditions()->setCurrentRow(1);
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Pin combination \"A - B\" is already used"));
        QCOMPARE(conditions()->currentRow(), 0);
        pins->selectRow(1);
        ui().DeleteConnectionPinDefinition->click();
        conditions()->setCurrentRow(1);
        QVERIFY(m_dlg->nextButton()->isEnabled());
        QCOMPARE(ui().PassiveConnectionTable->tableTexts(), QList<QStringList>());
        addPins(addPin, pins, "B", "C");

        // Both conditions hold their own pairs, also after the part was left and shown again.
        addPart(QString(), "JP2");
        QCOMPARE(conditions()->count(), 0);
        parts()->setCurrentRow(0);
        QCOMPARE(listTexts(conditions()), QStringList({"Open", "Closed"}));
        conditions()->setCurrentRow(0);
        QCOMPARE(ui().PassiveConnectionTable->tableTexts(), QList<QStringList>({{"A", "B"}}));
        conditions()->setCurrentRow(1);
        QCOMPARE(ui().PassiveConnectionTable->tableTexts(), QList<QStringList>({{"B", "C"}}));

        m_prompts->answerYesNo(true);
        ui().DeleteCondition->click();
        QCOMPARE(listTexts(conditions()), QStringList({"Open"}));
        const QByteArray model = modelText();
        QVERIFY(model.contains("condition \"Open\"") && !model.contains("Closed"));

        // A condition name is refused in any case; the name proposed next is the first one free.
        addCondition("Condition1");
        addCondition("CONDITION1");
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Condition name \"CONDITION1\" is already used"));
        QString proposed;
        m_prompts->answerDialog([&proposed](QDialog* d) {
            proposed = d->findChild<QLineEdit*>(QStringLiteral("ConditionalLEdit"))->text();
            return int(QDialog::Rejected);
        });
        ui().AddCondition->click();
        QCOMPARE(proposed, QStringLiteral("Condition2"));
        QCOMPARE(listTexts(conditions()), QStringList({"Open", "Condition1"}));

        // A renamed condition goes back to its name and place.
        addPins(addPin, pins, "C1", "C2");
        addPins(ui().AddNonConditionPinDefinition, ui().lxNonConditionalTable, "A1", "A2");
        const QByteArray full = modelText();
        conditions()->setCurrentRow(0);
        m_prompts->answerText(QStringLiteral("Shut"));
        conditions()->renameItem();
        history()->undo();
        QCOMPARE(listTexts(conditions()), QStringList({"Open", "Condition1"}));
        QCOMPARE(modelText(), full);
        // Deleting a condition, or the whole connection with its conditions, is taken back and done again.
        conditions()->setCurrentRow(0);
        stepBackAndAgain([&] {
            m_prompts->answerYesNo(true);
            ui().DeleteCondition->click();
        }, {"JP1", "JP2"}, {"Condition1"});
        history()->undo();
        stepBackAndAgain([&] {
            m_prompts->answerYesNo(true);
            ui().DeletePassiveParts->click();
        }, {"JP2"}, {});
    }

    void savedModelsReopenAsTheyWereShown()
    {
        newPassiveModel();
        // An empty part list is not saved, and says nothing.
        m_prompts->clearShown();
        QVERIFY(!m_dlg->buildPassiveModel());
        QVERIFY(!finishTo(path(QStringLiteral("empty.model"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("empty.model"))));
        QCOMPARE(m_prompts->count(), 0);

        addPart("Connection", "JP1");
        LxLibTable* fixed = ui().lxNonConditionalTable;
        addPins(ui().AddNonConditionPinDefinition, fixed, "1", "2");
        // A row with one pin is no combination.
        ui().AddNonConditionPinDefinition->click();
        typeCell(fixed, 1, 0, "9");
        QPushButton* addPin = ui().AddConnectionPinDefinition;
        addCondition("Up");
        addPins(addPin, ui().PassiveConnectionTable, "1", "3");
        addCondition("Down");
        addPins(addPin, ui().PassiveConnectionTable, "3", "4");
        addPart(QString(), "JP2");
        m_prompts->answerText(QStringLiteral("JP0"));
        parts()->renameItem();
        const QString saved = path(QStringLiteral("board.model"));
        QVERIFY(finishTo(saved));

        open(saved);
        QCOMPARE(m_dlg->deviceCategory(), int(PartwrightDlg::Passive));
        QCOMPARE(listTexts(parts()), QStringList({"JP1", "JP0"}));
        QCOMPARE(parts()->currentRow(), 0);
        QCOMPARE(ui().lxNonConditionalTable->tableTexts(), QList<QStringList>({{"1", "2"}}));
        QCOMPARE(listTexts(conditions()), QStringList({"Up", "Down"}));
        conditions()->setCurrentRow(0);
        QCOMPARE(ui().PassiveConnectionTable->tableTexts(), QList<QStringList>({{"1", "3"}}));
        conditions()->setCurrentRow(1);
        QCOMPARE(ui().PassiveConnectionTable->tableTexts(), QList<QStringList>({{"3", "4"}}));
        const QString again = path(QStringLiteral("again.model"));
        QVERIFY(finishTo(again));
        QCOMPARE(contentOf(again), contentOf(saved));

        // The example survives the same loop, twice.
        const QString example = QStringLiteral(PW_EXAMPLES_DIR "/resistor-network-board.model");
        QString in = example;
        for (const char* out : {"example.model", "again.model"}) {
            open(in);
            QCOMPARE(listTexts(parts()), QStringList({"RN1", "J1", "JP1"}));
            // Every part and condition shown once, as a user looking at the model does.
            for (int i = 0; i < parts()->count(); ++i) {
                parts()->setCurrentRow(i);
                for (int c = 0; c < conditions()->count(); ++c)
                    conditions()->setCurrentRow(c);
            }
            in = path(QLatin1String(out));
            QVERIFY(finishTo(in));
            QCOMPARE(contentOf(in), contentOf(example));
        }
    }

    void undoPartsAndPinTables()
    {
        newPassiveModel();
        // The type is free again when the only part goes, and comes back with it.
        stepBackAndAgain([&] { addPart(QStringLiteral("Capacitor"), QStringLiteral("C1")); }, {"C1"}, {});
        stepBackAndAgain([&] {
            m_prompts->answerText(QStringLiteral("Cap"));
            parts()->renameItem();
        }, {"Cap"}, {});
        QCOMPARE(history()->count(), 2);

        // A part of the old name (other case) arrives outside the history:
        // undoing the rename is refused, the stack staying put.
        lxlib::LxLibPassiveComponent other(QStringLiteral("c1"), lxlib::PCT_CAPACITOR);
        page()->loadPassiveComponent(other);
        auto* binding = parts()->findChild<LxUndoBinding*>();
        QVERIFY(binding);
        QVERIFY(!binding->undo());
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Part name \"C1\" is already used"));
        QCOMPARE(history()->index(), 2);
        QCOMPARE(listTexts(parts()), (QStringList{"Cap", "c1"}));

        // The list's menu keeps its own entries first, then the history's.
        std::unique_ptr<QMenu> menu(parts()->createContextMenu());
        QCOMPARE(menuTexts(menu.get()), QStringList({"Rename ...", "Sort", "|", "Undo", "Redo"}));
        // An empty list opens no menu, history or not.
        lxListBox empty;
        empty.setHistory(binding);
        QVERIFY(!std::unique_ptr<QMenu>(empty.createContextMenu()));

        // Pin table edits and row deletes; the type stays a capacitor.
        addPart("Resistor", "R1");
        LxLibTable* t = ui().PassiveResistorTable;
        addPins(ui().AddResistorPinDefinition, t, "1", "2");
        addPins(ui().AddResistorPinDefinition, t, "3", "4");
        const QByteArray filled = modelText();
        QUndoStack* steps = t->history()->stack();
        QCOMPARE(steps->count(), 6);

        typeCell(t, 0, 1, "9");
        QVERIFY(t->history()->binding()->undo());
        QCOMPARE(t->text(0, 1), QStringLiteral("2"));
        QCOMPARE(modelText(), filled);
        QVERIFY(t->history()->binding()->redo());
        QCOMPARE(t->text(0, 1), QStringLiteral("9"));
        QVERIFY(modelText() != filled);
        QVERIFY(t->history()->binding()->undo());

        t->selectRow(0);
        ui().DeleteResistorPinDefinition->click();
        QCOMPARE(t->rowCount(), 1);
        // The model was stored in between: the undo must still reach it.
        QVERIFY(modelText() != filled);
        QVERIFY(t->history()->binding()->undo());
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(modelText(), filled);

        // Another part shown: a fresh history, and undo does nothing to R1.
        addPart(QString(), "R2");
        QVERIFY(!t->history()->stack()->canUndo());
        ui().lxListBoxDeviceList->setCurrentRow(2);
        QVERIFY(!t->history()->binding()->undo());
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->text(0, 1), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestPassivePage)
#include "tst_passivepage.moc"
