// The enable, disable and latch tabs as an outside driver sees them: widgets
// found by their object names in the real wizard, slots invoked by name.

#include "CLogic.h"
#include "PWEditMarks.h"
#include "PWLogicPartsPage.h"
#include "PWPatternListTab.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// What a driver knows of one tab: its object names and the names of its slots.
struct TabNames
{
    int tab;
    const char *list, *add, *remove, *stack, *editorPage, *invalidPage;
    const char *addSlot, *deleteSlot, *renameSlot, *selectionSlot, *menuSlot;
    // The item's table, its row buttons and the slots behind them.
    const char *table, *addItem, *deleteItem, *addItemSlot, *deleteItemSlot;
};

const TabNames tabs[] = {
    {PWLogicPartsPage::EnableTab, "lbEnableLBox", "AddEnable", "DeleteEnable", "wsEnable", "wsEnablePage1",
     "wspEnableInvalid", "slotAddEnable", "slotDeleteEnable", "slotRenameEnable", "slotEnableLBoxSelectionChanged",
     "slotEnableLBoxContextMenuRequested", "EnableTable", "AddEnableItem", "DeleteEnableItem", "slotAddEnableItem",
     "slotDeleteEnableItem"},
    {PWLogicPartsPage::DisableTab, "lbDisableLBox", "AddDisable", "DeleteDisable", "wsDisable", "wsDisablePage1",
     "wspDisableInvalid", "slotAddDisable", "slotDeleteDisable", "slotRenameDisable", "slotDisableLBoxSelectionChanged",
     "slotDisableLBoxContextMenuRequested", "DisableTable", "AddDisableItem", "DeleteDisableItem", "slotAddDisableItem",
     "slotDeleteDisableItem"},
    {PWLogicPartsPage::LatchTab, "lbLatchLBox", "AddLatch", "DeleteLatch", "wsLatch", "wsLatchPage", "wspLatchInvalid",
     "slotAddLatch", "slotDeleteLatch", "slotRenameLatch", "slotLatchSequenceLBoxSelectionChanged",
     "slotLatchLBoxContextMenuRequested", "LatchSequenceTable", "AddLatchVector", "DeleteLatchVector",
     "slotAddLatchVector", "slotDeleteLatchVector"},
};

template <typename T>
T* named(QObject* parent, const char* name)
{
    T* w = parent->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return w;
}

void invoke(QObject* tab, const char* slot)
{
    if (!QMetaObject::invokeMethod(tab, slot))
        qFatal("no slot %s", slot);
}

int modelCount(const CLogicPart& part, int tab)
{
    if (tab == PWLogicPartsPage::EnableTab)
        return static_cast<int>(part.enablePatterns().count());
    if (tab == PWLogicPartsPage::DisableTab)
        return static_cast<int>(part.disablePatterns().count());
    return static_cast<int>(part.latchSequences().count());
}

} // namespace

class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void tabsByTheirNames();
};

void TestNames::tabsByTheirNames()
{
    ScriptedPrompter prompts;
    PartwrightDlg dlg(nullptr, QString(), QString());
    dlg.show();
    dlg.leOpenExisistingModel->setText(QStringLiteral(PW_EXAMPLES_DIR "/octal-latch-373.model"));
    QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
    while (dlg.currentIndex() != PartwrightForm::LogicPage && dlg.currentIndex() != PartwrightForm::LastPage)
        QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
    QCOMPARE(dlg.currentIndex(), int(PartwrightForm::LogicPage));
    PWLogicPartsPage* page = dlg.logicPage();
    const CLogicPart& part = *dlg.context().logic().logicParts().at(0);
    auto* tabWidget = named<QTabWidget>(&dlg, "LogicPartTWidget");

    for (const TabNames& n : tabs) {
        const QString where = QString::fromLatin1(n.list);
        tabWidget->setCurrentIndex(n.tab);
        auto* tab = qobject_cast<PWPatternListTab*>(page->tab(n.tab));
        auto* list = named<QListWidget>(&dlg, n.list);
        auto* add = named<QPushButton>(&dlg, n.add);
        auto* remove = named<QPushButton>(&dlg, n.remove);
        auto* stack = named<QStackedWidget>(&dlg, n.stack);
        auto* table = named<QTableWidget>(&dlg, n.table);
        QVERIFY2(tab && tab->isAncestorOf(list) && tab->isAncestorOf(table), qPrintable(where));
        QCOMPARE(stack->currentWidget(), named<QWidget>(stack, n.editorPage));
        QCOMPARE(list->count(), 1);

        // Add by name, by the button and by the list's menu; each lands in the
        // model at once.
        prompts.answerText(QString());
        invoke(tab, n.addSlot);
        prompts.answerText(QStringLiteral("Clicked"));
        QTest::mouseClick(add, Qt::LeftButton);
        QStringList entries;
        QTimer::singleShot(0, tab, [&entries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction* action : menu->actions())
                entries << action->text();
            menu->actions().at(0)->trigger();
            menu->close();
        });
        prompts.answerText(QStringLiteral("From menu"));
        QVERIFY(QMetaObject::invokeMethod(tab, n.menuSlot, Q_ARG(QListWidgetItem*, nullptr),
                                          Q_ARG(QPoint, list->mapToGlobal(QPoint(5, 5)))));
        QCOMPARE(entries.mid(0, 3), (QStringList{"New ...", "Rename ...", "Delete "}));
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(2)->text(), QStringLiteral("Clicked"));
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(modelCount(part, n.tab), 4);

        prompts.answerText(QStringLiteral("Renamed"));
        invoke(tab, n.renameSlot);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Renamed"));

        // Rows come and go by name on the item shown.
        invoke(tab, n.addItemSlot);
        invoke(tab, n.addItemSlot);
        QCOMPARE(table->rowCount(), 2);
        table->selectRow(1);
        invoke(tab, n.deleteItemSlot);
        QCOMPARE(table->rowCount(), 1);
        table->selectRow(0);
        invoke(tab, n.deleteItemSlot);
        QCOMPARE(table->rowCount(), 0);

        // A selection made quietly is stored and shown when the slot runs.
        {
            const QSignalBlocker block(list);
            list->setCurrentRow(0);
        }
        invoke(tab, n.selectionSlot);
        QVERIFY2(table->rowCount() > 0, qPrintable(where));
        QCOMPARE(modelCount(part, n.tab), 4);
        QCOMPARE(tab->mark(0, 3), int(PWEditMarks::Stored));
        // The disable tab's two selector slots have no selectors, yet mark what is
        // shown.
        if (n.tab == PWLogicPartsPage::DisableTab) {
            for (const char* slot : {"slotDisableTypeCBoxActivated", "slotDisableEqualConnectionCBoxActivated"}) {
                QVERIFY(tab->mark(0, 0) != PWEditMarks::Edited);
                QVERIFY(QMetaObject::invokeMethod(tab, slot, Q_ARG(int, 0)));
                QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
                invoke(tab, n.selectionSlot);
            }
        }

        const QString loaded = list->item(0)->text();
        prompts.answerYesNo(true);
        invoke(tab, n.deleteSlot);
        QVERIFY(prompts.lastText().contains(loaded));
        QVERIFY(list->findItems(loaded, Qt::MatchExactly).isEmpty());
        QCOMPARE(modelCount(part, n.tab), 3);
        while (list->count() > 0) {
            prompts.answerYesNo(true);
            QTest::mouseClick(remove, Qt::LeftButton);
        }
        QCOMPARE(modelCount(part, n.tab), 0);
        QVERIFY(!remove->isEnabled());
        QCOMPARE(stack->currentWidget(), named<QWidget>(stack, n.invalidPage));
        QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(prompts.unexpected().join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(TestNames)
#include "tst_names.moc"
