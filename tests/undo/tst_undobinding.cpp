#include "LxUndoBinding.h"
#include "LxUndoCommand.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

namespace {

// Appends a letter to a text; refuses while *blocked is set.
class AppendCommand : public LxUndoCommand
{
public:
    AppendCommand(QString* text, QChar letter, const bool* blocked) : m_text(text), m_letter(letter), m_blocked(blocked) {}
    void redo() override { m_text->append(m_letter); }
    void undo() override { m_text->chop(1); }
    bool check(bool) override { return !*m_blocked; }

private:
    QString* m_text;
    QChar m_letter;
    const bool* m_blocked;
};

} // namespace

class TestUndoBinding : public QObject
{
    Q_OBJECT

private slots:
    void keysReachTheStackOfTheFocusedSubtree();
    void menuEntriesFollowTheStack();
    void refusedStepLeavesTheStack();
};

void TestUndoBinding::keysReachTheStackOfTheFocusedSubtree()
{
    QWidget page;
    auto* layout = new QHBoxLayout(&page);
    auto* list = new QListWidget;
    auto* table = new QTableWidget(3, 3);
    auto* find = new QLineEdit;
    layout->addWidget(list);
    layout->addWidget(table);
    layout->addWidget(find);
    LxUndoBinding listBinding(list);
    LxUndoBinding tableBinding(table);
    QString listText, tableText;
    const bool open = false;
    listBinding.stack()->push(new AppendCommand(&listText, QLatin1Char('l'), &open));
    tableBinding.stack()->push(new AppendCommand(&tableText, QLatin1Char('a'), &open));
    tableBinding.stack()->push(new AppendCommand(&tableText, QLatin1Char('b'), &open));
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));

    table->setFocus();
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tableText, QStringLiteral("a"));
    QCOMPARE(listText, QStringLiteral("l"));
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(tableText, QStringLiteral("ab"));
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tableText, QStringLiteral("ab"));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listText, QString());
    QCOMPARE(tableText, QStringLiteral("ab"));
    // Nothing left to undo: the key does nothing at all.
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listBinding.stack()->index(), 0);

    // A line edit outside both subtrees keeps Ctrl+Z for its own text.
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("xy"));
    QTest::keyClick(find, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tableText, QStringLiteral("ab"));
    QVERIFY(find->text() != QStringLiteral("xy"));
}

void TestUndoBinding::menuEntriesFollowTheStack()
{
    QWidget owner;
    LxUndoBinding binding(&owner);
    QMenu menu;
    menu.addAction(QStringLiteral("Insert"));
    binding.appendTo(&menu);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->text(), QStringLiteral("Insert"));
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2]->text(), QStringLiteral("Undo"));
    QCOMPARE(actions[3]->text(), QStringLiteral("Redo"));
    QVERIFY(!actions[2]->icon().isNull());
    QVERIFY(!actions[3]->icon().isNull());
    QVERIFY(!actions[2]->isEnabled());
    QVERIFY(!actions[3]->isEnabled());

    QString text;
    const bool open = false;
    binding.stack()->push(new AppendCommand(&text, QLatin1Char('a'), &open));
    QVERIFY(actions[2]->isEnabled());
    QVERIFY(!actions[3]->isEnabled());
    actions[2]->trigger();
    QCOMPARE(text, QString());
    QVERIFY(!actions[2]->isEnabled());
    QVERIFY(actions[3]->isEnabled());
    actions[3]->trigger();
    QCOMPARE(text, QStringLiteral("a"));
}

void TestUndoBinding::refusedStepLeavesTheStack()
{
    QWidget owner;
    QUndoStack stack;
    LxUndoBinding binding(&owner, &stack);
    QCOMPARE(binding.stack(), &stack);
    QString text;
    bool blocked = false;
    stack.push(new AppendCommand(&text, QLatin1Char('a'), &blocked));
    blocked = true;
    QVERIFY(!binding.undo());
    QCOMPARE(stack.index(), 1);
    QCOMPARE(text, QStringLiteral("a"));
    blocked = false;
    QVERIFY(binding.undo());
    blocked = true;
    QVERIFY(!binding.redo());
    QCOMPARE(stack.index(), 0);
    QCOMPARE(text, QString());
    blocked = false;
    QVERIFY(binding.redo());
    QCOMPARE(text, QStringLiteral("a"));
    QVERIFY(!binding.redo());
}

int runUndoBindingTests(int argc, char** argv)
{
    TestUndoBinding test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_undobinding.moc"
