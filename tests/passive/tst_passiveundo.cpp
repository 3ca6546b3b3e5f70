// Undo and redo on the passive page: pin table edits, parts and conditions.

#include "LxLibInfo.h"
#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "LxLibWriter.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PWPassiveDocument.h"
#include "PWPassivePage.h"
#include "ScriptedPrompter.h"
#include "lxListBox.h"
#include "lxPassiveTypeDlg.h"
#include "ui_PWPassivePage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include <memory>

class TestPassiveUndo : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> m_prompts;
    std::unique_ptr<PWPassivePage> m_page;

    Ui::PWPassivePage& ui() const { return m_page->ui(); }
    QUndoStack* history() const { return m_page->listHistory(); }

    void addPart(const QString& type, const QString& name)
    {
        m_prompts->answerDialog([=](QDialog* d) {
            auto* dlg = qobject_cast<lxPassiveTypeDlg*>(d);
            if (!dlg)
                return int(QDialog::Rejected);
            if (dlg->cbPassiveType->isEnabled())
                dlg->cbPassiveType->setCurrentIndex(dlg->cbPassiveType->findText(type));
            dlg->PartNameLineEdit->setText(name);
            dlg->OkButton->click();
            return dlg->result();
        });
        ui().AddPassiveParts->click();
    }
    void addCondition(const QString& name)
    {
        m_prompts->answerText(name);
        ui().AddCondition->click();
    }
    // A new row from the button, filled through the cell editors.
    void addPins(QPushButton* add, LxLibTable* t, const QString& a, const QString& b)
    {
        add->click();
        const int row = t->rowCount() - 1;
        enter(t, row, 0, a);
        enter(t, row, 1, b);
    }
    void enter(LxLibTable* t, int row, int col, const QString& text)
    {
        t->setFocus();
        t->setCurrentCell(row, col);
        // Typing opens the cell editor, as for the user.
        QTest::keyClick(t, Qt::Key_Space);
        auto* edit = qobject_cast<QLineEdit*>(t->indexWidget(t->currentIndex()));
        QVERIFY(edit);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(t->text(row, col), text);
    }
    QStringList names(const lxListBox* list) const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    // The model file the page's parts make, as written.
    QByteArray modelText() const
    {
        m_page->storeAllModifiedItems();
        lxlib::LxLibInfo document(QStringLiteral("board.model"));
        QString error;
        if (!PWPassiveDocument::buildAndCheck(document, m_page->libraryObjects(), QStringLiteral("BOARD"), error))
            return "no model: " + error.toUtf8();
        return lxlib::LxLibWriter::toText(document);
    }

private slots:
    void init()
    {
        m_prompts = std::make_unique<ScriptedPrompter>();
        m_page = std::make_unique<PWPassivePage>();
        m_page->preparePassivePage();
        m_page->show();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }
    void cleanup()
    {
        m_page.reset();
        QVERIFY2(m_prompts->unexpected().isEmpty(), qPrintable(m_prompts->unexpected().join('\n')));
        m_prompts.reset();
    }

    void pinTableEditsAndRowDeletes()
    {
        addPart(QStringLiteral("Resistor"), QStringLiteral("R1"));
        LxLibTable* t = ui().PassiveResistorTable;
        addPins(ui().AddResistorPinDefinition, t, QStringLiteral("1"), QStringLiteral("2"));
        addPins(ui().AddResistorPinDefinition, t, QStringLiteral("3"), QStringLiteral("4"));
        const QByteArray filled = modelText();
        QUndoStack* steps = t->history()->stack();
        QCOMPARE(steps->count(), 6);

        enter(t, 0, 1, QStringLiteral("9"));
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
        addPart(QString(), QStringLiteral("R2"));
        QVERIFY(!t->history()->stack()->canUndo());
        ui().lxListBoxDeviceList->setCurrentRow(0);
        QVERIFY(!t->history()->binding()->undo());
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->text(0, 1), QStringLiteral("2"));
    }

    void partsAddedRenamedAndRefused()
    {
        lxListBox* parts = ui().lxListBoxDeviceList;
        addPart(QStringLiteral("Capacitor"), QStringLiteral("C1"));
        QCOMPARE(m_page->passiveType(), int(lxlib::PCT_CAPACITOR));
        QCOMPARE(history()->count(), 1);
        history()->undo();
        QCOMPARE(parts->count(), 0);
        // The type is free again, and comes back with the part.
        QCOMPARE(m_page->passiveType(), 0);
        history()->redo();
        QCOMPARE(names(parts), QStringList{"C1"});
        QCOMPARE(m_page->passiveType(), int(lxlib::PCT_CAPACITOR));

        m_prompts->answerText(QStringLiteral("Cap"));
        parts->renameItem();
        QCOMPARE(history()->count(), 2);
        history()->undo();
        QCOMPARE(names(parts), QStringList{"C1"});
        history()->redo();
        QCOMPARE(names(parts), QStringList{"Cap"});

        // A part of the old name (other case) arrives outside the history:
        // undoing the rename is refused, the stack staying put.
        lxlib::LxLibPassiveComponent other(QStringLiteral("c1"), lxlib::PCT_CAPACITOR);
        m_page->loadPassiveComponent(other);
        const int index = history()->index();
        auto* binding = parts->findChild<LxUndoBinding*>();
        QVERIFY(binding);
        QVERIFY(!binding->undo());
        QCOMPARE(m_prompts->lastText(), QStringLiteral("Part name \"C1\" is already used"));
        QCOMPARE(history()->index(), index);
        QCOMPARE(names(parts), (QStringList{"Cap", "c1"}));

        // The list's menu keeps its own entries first, then the history's.
        std::unique_ptr<QMenu> menu(parts->createContextMenu());
        QStringList entries;
        for (QAction* a : menu->actions())
            entries << a->text();
        QCOMPARE(entries, (QStringList{"Rename ...", "Sort", QString(), "Undo", "Redo"}));
        // An empty list opens no menu, history or not.
        lxListBox empty;
        empty.setHistory(binding);
        QVERIFY(!std::unique_ptr<QMenu>(empty.createContextMenu()));
    }

    void connectionAndConditionsComeBack()
    {
        addPart(QStringLiteral("Connection"), QStringLiteral("J1"));
        addPins(ui().AddNonConditionPinDefinition, ui().lxNonConditionalTable, QStringLiteral("A1"),
                QStringLiteral("A2"));
        addCondition(QStringLiteral("Open"));
        addPins(ui().AddConnectionPinDefinition, ui().PassiveConnectionTable, QStringLiteral("B1"),
                QStringLiteral("B2"));
        addCondition(QStringLiteral("Closed"));
        addPins(ui().AddConnectionPinDefinition, ui().PassiveConnectionTable, QStringLiteral("C1"),
                QStringLiteral("C2"));
        lxListBox* conditions = ui().lxListBoxConditionalPartList;
        const QByteArray full = modelText();
        QVERIFY(full.contains("Closed"));

        // A renamed condition goes back to its name and place.
        conditions->setCurrentRow(0);
        m_prompts->answerText(QStringLiteral("Shut"));
        conditions->renameItem();
        history()->undo();
        QCOMPARE(names(conditions), (QStringList{"Open", "Closed"}));
        QCOMPARE(modelText(), full);

        // Deleting one condition.
        conditions->setCurrentRow(0);
        m_prompts->answerYesNo(true);
        ui().DeleteCondition->click();
        QCOMPARE(names(conditions), QStringList{"Closed"});
        history()->undo();
        QCOMPARE(names(conditions), (QStringList{"Open", "Closed"}));
        QCOMPARE(modelText(), full);
        history()->redo();
        QCOMPARE(names(conditions), QStringList{"Closed"});
        history()->undo();

        // Deleting the whole connection takes its conditions along and brings them back.
        m_prompts->answerYesNo(true);
        ui().DeletePassiveParts->click();
        QCOMPARE(ui().lxListBoxDeviceList->count(), 0);
        QCOMPARE(conditions->count(), 0);
        QCOMPARE(m_page->passiveType(), 0);
        history()->undo();
        QCOMPARE(names(ui().lxListBoxDeviceList), QStringList{"J1"});
        QCOMPARE(names(conditions), (QStringList{"Open", "Closed"}));
        QCOMPARE(ui().lxNonConditionalTable->text(0, 0), QStringLiteral("A1"));
        QCOMPARE(modelText(), full);
        history()->redo();
        QCOMPARE(ui().lxListBoxDeviceList->count(), 0);
        // The page still holds the deleted part in its history; it is freed with the page.
    }
};

QTEST_MAIN(TestPassiveUndo)
#include "tst_passiveundo.moc"
