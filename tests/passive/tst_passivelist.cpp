#include "LxLibTable.h"
#include "LxLibTypes.h"
#include "ScriptedPrompter.h"
#include "lxConnector.h"
#include "lxListBox.h"
#include "lxResistor.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

// The list box: drawing, renaming, sorting, the context menu and edit marks.
class PassiveListTest : public QObject
{
    Q_OBJECT

private slots:
    void paintsImageAndName();
    void rename();
    void sortByPlainComparison();
    void contextMenu();
    void editsMarkTheCurrentItem();
};

namespace {

QStringList names(const QListWidget& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

// Whether any pixel of the area differs from the list's base colour.
bool drawnIn(const QImage& image, const QRect& area, QRgb base)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != base)
                return true;
    return false;
}

} // namespace

void PassiveListTest::paintsImageAndName()
{
    lxListBox list;
    list.resize(200, 80);
    auto* named = new lxResistor(&list, nullptr, lxlib::PCT_CAPACITOR);
    named->setText(QStringLiteral("C100"));
    auto* unnamed = new lxResistor(&list, nullptr, lxlib::PCT_RESISTOR);
    unnamed->setText(QString());
    list.setCurrentItem(nullptr);
    list.clearSelection();
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    const QImage shot = list.viewport()->grab().toImage();
    const QRgb base = list.palette().color(QPalette::Base).rgb();
    const int imageWidth = named->image().width();
    QVERIFY(imageWidth > 0);
    for (QListWidgetItem* item : {static_cast<QListWidgetItem*>(named), static_cast<QListWidgetItem*>(unnamed)}) {
        const QRect row = list.visualItemRect(item);
        QCOMPARE(row.height(), 16);
        QVERIFY(drawnIn(shot, QRect(row.left(), row.top(), imageWidth, 16), base));
        const QRect textArea(row.left() + imageWidth + 5, row.top(), 30, 16);
        QCOMPARE(drawnIn(shot, textArea, base), item == named);
    }
}

void PassiveListTest::rename()
{
    ScriptedPrompter prompter;
    lxListBox list;
    auto* first = new lxResistor(&list, nullptr, lxlib::PCT_RESISTOR);
    first->setText(QStringLiteral("Part1"));
    auto* second = new lxConnector(&list, nullptr, lxlib::PCT_CONNECTOR);
    second->setText(QStringLiteral("Part2"));
    list.setCurrentItem(first);

    // Another entry's name in other case is refused with the typed name.
    prompter.answerText(QStringLiteral("part2"));
    list.renameItem();
    QCOMPARE(first->text(), QStringLiteral("Part1"));
    const ScriptedPrompter::Shown ask = prompter.shown().at(0);
    QCOMPARE(ask.caption + '|' + ask.text + '|' + ask.initial,
             QStringLiteral("Partwright|Please type de name of the item:|Part1"));
    QCOMPARE(prompter.shown().at(1).caption, QStringLiteral("Partwright"));
    QCOMPARE(prompter.lastText(), QStringLiteral("Condition name \"part2\" is already used"));

    // Cancel and an unchanged name do nothing; a new case of its own name is fine.
    prompter.answerText(QStringLiteral("R1"), false);
    list.renameItem();
    prompter.answerText(QStringLiteral("Part1"));
    list.renameItem();
    QVERIFY(!first->isModified());
    prompter.answerText(QStringLiteral("PART1"));
    list.renameItem();
    QCOMPARE(first->text(), QStringLiteral("PART1"));
    QVERIFY(first->isModified());

    // One entry may go without a name, not two.
    prompter.answerText(QString());
    list.renameItem();
    list.setCurrentItem(second);
    prompter.answerText(QString());
    list.renameItem();
    QCOMPARE(first->text() + '|' + second->text(), QStringLiteral("|Part2"));
    QVERIFY(prompter.unexpected().isEmpty());
}

void PassiveListTest::sortByPlainComparison()
{
    lxListBox list;
    for (const char* name : {"Part10", "Part2", "Part1"})
        (new lxResistor(&list, nullptr, lxlib::PCT_RESISTOR))->setText(QString::fromLatin1(name));
    list.setCurrentRow(1);
    list.slotSort(1);
    QCOMPARE(names(list), (QStringList{"Part1", "Part10", "Part2"}));
    QCOMPARE(list.currentItem()->text(), QStringLiteral("Part2"));
    list.slotSort(0);
    QCOMPARE(names(list), (QStringList{"Part2", "Part10", "Part1"}));
}

void PassiveListTest::contextMenu()
{
    lxListBox list;
    list.resize(200, 120);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QContextMenuEvent emptyEvent(QContextMenuEvent::Mouse, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list.viewport(), &emptyEvent);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(!list.createContextMenu());

    // Below the last entry the menu still opens; "Rename ..." acts on the current entry.
    auto* item = new lxResistor(&list, nullptr, lxlib::PCT_RESISTOR);
    item->setText(QStringLiteral("R1"));
    list.setCurrentItem(item);
    ScriptedPrompter prompter;
    prompter.answerText(QStringLiteral("R2"));
    QStringList entries;
    QTimer::singleShot(0, &list, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->menu()) {
                for (QAction* sub : action->menu()->actions())
                    entries << sub->text() + (sub->icon().isNull() ? QString() : QStringLiteral("+icon"));
            }
        }
        menu->actions().first()->trigger();
        menu->close();
    });
    const QPoint below(10, 100);
    QContextMenuEvent event(QContextMenuEvent::Mouse, below, list.viewport()->mapToGlobal(below));
    QApplication::sendEvent(list.viewport(), &event);
    QCOMPARE(entries, (QStringList{"Rename ...", "Sort", "Ascending+icon", "Descending+icon"}));
    QCOMPARE(item->text(), QStringLiteral("R2"));
}

void PassiveListTest::editsMarkTheCurrentItem()
{
    lxListBox list;
    LxLibTable table;
    auto* first = new lxResistor(&list, &table, lxlib::PCT_RESISTOR);
    auto* second = new lxResistor(&list, &table, lxlib::PCT_RESISTOR);
    list.setCurrentItem(second);
    emit table.valueChanged(0, 0);
    QVERIFY(second->isModified() && !first->isModified());
    // A plain entry of the list carries no mark.
    list.setCurrentItem(new QListWidgetItem(QStringLiteral("plain"), &list));
    emit table.valueChanged(1, 1);
    QVERIFY(!first->isModified());
}

int runPassiveListTests(int argc, char** argv)
{
    PassiveListTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passivelist.moc"
