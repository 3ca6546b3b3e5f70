#include "LxLibCheckItem.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxLibTableItem.h"
#include "LxWizard.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <tuple>

namespace {

QLineEdit* editorOf(LxLibTable* table)
{
    return qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
}

// Opens the editor of a filled cell with F2 and empties it.
QLineEdit* emptyCell(LxLibTable* table, int row, int col)
{
    table->setCurrentCell(row, col);
    QTest::keyClick(table, Qt::Key_F2);
    QLineEdit* edit = editorOf(table);
    if (!edit)
        return nullptr;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    return edit->text().isEmpty() ? edit : nullptr;
}

// Records what cell (1, 1) holds when the wizard's steps run.
class RecordingWizard : public LxWizard
{
public:
    LxLibTable* table = nullptr;
    QStringList seen;

    void next() override
    {
        seen << QStringLiteral("next:") + table->text(1, 1);
        LxWizard::next();
    }
    void accept() override
    {
        seen << QStringLiteral("finish:") + table->text(1, 1);
        LxWizard::accept();
    }
};

} // namespace

class TableCellsTest : public QObject
{
    Q_OBJECT

    QWidget* m_window = nullptr;
    LxLibTable* m_table = nullptr;
    QLineEdit* m_other = nullptr;

    QLineEdit* editor() const { return editorOf(m_table); }
    // Types keys into a cell as a user does: the first key opens the editor.
    QLineEdit* typeInto(int row, int col, const QString& keys)
    {
        m_table->setCurrentCell(row, col);
        QTest::keyClicks(m_table, keys.left(1));
        QLineEdit* edit = editor();
        if (edit && keys.size() > 1)
            QTest::keyClicks(edit, keys.mid(1));
        return edit;
    }

private slots:
    void init()
    {
        m_window = new QWidget;
        auto* layout = new QVBoxLayout(m_window);
        m_table = new LxLibTable(m_window, "TrueTableTable");
        m_other = new QLineEdit(m_window);
        layout->addWidget(m_table);
        layout->addWidget(m_other);
        m_table->setTableKind(LxLibTable::TruthTableKind);
        m_table->setNumCols(3);
        m_table->setNumRows(3);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_table->setFocus();
    }

    void cleanup() { delete m_window; }

    void typingEscapeReturnAndCommit()
    {
        auto* input = new LxLibTableItem(LxLibTableItem::OnTyping, QStringLiteral("1"));
        input->setPinDirection(LxLibTableItem::Input);
        m_table->setItem(0, 0, input);
        QSignalSpy changed(m_table, &LxLibTable::valueChanged);

        QLineEdit* edit = typeInto(0, 0, QStringLiteral("2"));
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QTest::keyClicks(edit, QStringLiteral("zZ"));
        QCOMPARE(edit->text(), QStringLiteral("z"));
        // Escape after typing over keeps the typed text.
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!m_table->isEditing());
        QCOMPARE(m_table->text(0, 0), QStringLiteral("z"));
        QCOMPARE(changed.takeFirst(), QList<QVariant>({0, 0}));

        // An empty cell gets an item of our own, with the unrestricted character set.
        edit = typeInto(1, 2, QStringLiteral("H"));
        QTest::keyClick(edit, Qt::Key_Return);
        LxLibTableItem* created = m_table->lxItem(1, 2);
        QVERIFY(created);
        QCOMPARE(created->text(), QStringLiteral("H"));
        QCOMPARE(created->pinDirection(), int(LxLibTableItem::Unrestricted));
        QCOMPARE(created->alignment(), int(Qt::AlignCenter));
        QCOMPARE(changed.count(), 1);
        edit = typeInto(1, 2, QStringLiteral("H"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(changed.count(), 1);

        // Escape without typing over reverts; Return takes an emptied cell.
        m_table->setText(0, 1, QStringLiteral("0"));
        m_table->setCurrentCell(0, 1);
        QTest::keyClick(m_table, Qt::Key_F2);
        edit = editor();
        QCOMPARE(edit->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(edit, QStringLiteral("X"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(m_table->text(0, 1), QStringLiteral("0"));
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(m_table, Qt::Key_F2);
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QTest::keyClick(editor(), Qt::Key_Return);
        QVERIFY(!m_table->isEditing());
        QCOMPARE(m_table->text(0, 1), QString());
        QCOMPARE(changed.count(), 2);

        edit = typeInto(2, 0, QStringLiteral("u"));
        QTRY_VERIFY(edit->hasFocus());
        m_other->setFocus();
        QTRY_VERIFY(!m_table->isEditing());
        QCOMPARE(m_table->text(2, 0), QStringLiteral("u"));
        m_table->setFocus();
        QVERIFY(typeInto(2, 1, QStringLiteral("d")) && m_table->isEditing());
        m_table->commitEdit();
        QVERIFY(!m_table->isEditing());
        QCOMPARE(m_table->text(2, 1), QStringLiteral("d"));
        m_table->commitEdit();
        QCOMPARE(changed.count(), 4);
    }

    void deleteKey()
    {
        m_table->setText(0, 0, QStringLiteral("1"));
        m_table->lxItem(0, 0)->setPinDirection(LxLibTableItem::Output);
        m_table->setItem(0, 1, new LxLibTableItem(LxLibTableItem::Never, QStringLiteral("Vector")));
        m_table->setText(2, 2, QStringLiteral("L"));
        auto* choice = new LxLibComboItem({QString(), QStringLiteral("IN"), QStringLiteral("OUT")});
        choice->setCurrentItem(QStringLiteral("OUT"));
        m_table->setItem(1, 0, choice);
        QSignalSpy changed(m_table, &LxLibTable::valueChanged);
        const auto pressDelete = [this](int row, int col) {
            m_table->setCurrentCell(row, col);
            QTest::keyClick(m_table, Qt::Key_Delete);
            return m_table->text(row, col);
        };

        QCOMPARE(pressDelete(0, 0), QString());
        QCOMPARE(changed.takeFirst(), QList<QVariant>({0, 0}));
        // The cleared cell keeps its character set.
        QCOMPARE(m_table->lxItem(0, 0)->pinDirection(), int(LxLibTableItem::Output));
        QCOMPARE(pressDelete(0, 1), QStringLiteral("Vector"));
        // A choice keeps its entry: Delete is no choice.
        QCOMPARE(pressDelete(1, 0), QStringLiteral("OUT"));
        QCOMPARE(m_table->comboItem(1, 0), choice);
        QCOMPARE(choice->currentText(), QStringLiteral("OUT"));
        m_table->setReadOnly(true);
        QCOMPARE(pressDelete(2, 2), QStringLiteral("L"));
        QCOMPARE(changed.count(), 0);
    }

    void readOnlyRefusesEditing()
    {
        m_table->setText(0, 0, QStringLiteral("1"));
        m_table->setProperty("readOnly", true);
        QVERIFY(!typeInto(0, 0, QStringLiteral("0")));
        QCOMPARE(m_table->text(0, 0), QStringLiteral("1"));

        m_table->setReadOnly(false);
        m_table->setRowReadOnly(1, true);
        m_table->setColumnReadOnly(2, true);
        QVERIFY(!typeInto(1, 0, QStringLiteral("0")));
        QVERIFY(!typeInto(0, 2, QStringLiteral("0")));
        QVERIFY(!m_table->item(1, 0));
        QLineEdit* edit = typeInto(2, 1, QStringLiteral("0"));
        QVERIFY(edit);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_table->text(2, 1), QStringLiteral("0"));
    }

    void everyWayOutKeepsAnEmptiedCell()
    {
        // Bit numbers: the validator calls an empty text incomplete.
        m_table->setTableKind(LxLibTable::PinListKind);
        QSignalSpy changed(m_table, &LxLibTable::valueChanged);
        const auto click = [this](int row, int col) {
            QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {},
                              m_table->visualRect(m_table->model()->index(row, col)).center());
        };
        // Each way out, with the row it leaves and the cell (column, row) then current.
        const QList<std::tuple<std::function<void(QLineEdit*)>, int, QPoint>> ways{
            {[&](QLineEdit*) { click(2, 0); }, 0, {0, 2}},
            {[](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Tab); }, 1, {0, 2}},
            {[](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Backtab); }, 2, {1, 2}},
            {[&](QLineEdit*) { m_other->setFocus(); }, 0, {-1, -1}}};
        for (const auto& [leave, row, next] : ways) {
            m_table->setText(row, 2, QStringLiteral("12"));
            m_table->setFocus();
            QLineEdit* edit = emptyCell(m_table, row, 2);
            QVERIFY(edit);
            leave(edit);
            m_table->commitEdit(); // Tab opens the next cell's editor
            QTRY_VERIFY(!m_table->isEditing());
            QCOMPARE(m_table->text(row, 2), QString());
            QCOMPARE(changed.takeLast(), QList<QVariant>({row, 2}));
            if (next.x() >= 0)
                QCOMPARE(QPoint(m_table->currentColumn(), m_table->currentRow()), next);
        }

        // A lone sign is no bit number.
        m_table->setFocus();
        QLineEdit* edit = typeInto(1, 2, QStringLiteral("+"));
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("-12a"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }

    void changingTabPageOrFinishingKeepsTheEdit()
    {
        RecordingWizard wizard;
        auto* tabs = new QTabWidget;
        auto* tab = new QWidget;
        auto* table = new LxLibTable(tab, "DiagnoseTable");
        (new QVBoxLayout(tab))->addWidget(table);
        wizard.table = table;
        table->setTableKind(LxLibTable::DiagnoseKind);
        table->setNumCols(2);
        table->setNumRows(2);
        table->setText(0, 1, QStringLiteral("7"));
        tabs->addTab(tab, QStringLiteral("Diagnostics"));
        tabs->addTab(new QLineEdit, QStringLiteral("Other"));
        wizard.addPage(tabs, QStringLiteral("Tables"));
        wizard.addPage(new QLineEdit, QStringLiteral("Next page"));
        wizard.setFinishEnabled(tabs, true);
        wizard.show();
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        table->setFocus();
        QSignalSpy changed(table, &LxLibTable::valueChanged);

        QVERIFY(emptyCell(table, 0, 1));
        tabs->setCurrentIndex(1);
        QVERIFY(!table->isEditing());
        QCOMPARE(table->text(0, 1), QString());

        // Buttons clicked by program or by shortcut take no focus; the step sees the edit all the same.
        tabs->setCurrentIndex(0);
        for (QPushButton* button : {wizard.nextButton(), wizard.finishButton()}) {
            wizard.showPage(tabs);
            table->setText(1, 1, QStringLiteral("9"));
            table->setFocus();
            QVERIFY(emptyCell(table, 1, 1));
            button->click();
        }
        QCOMPARE(wizard.seen, (QStringList{"next:", "finish:"}));
        QCOMPARE(changed.count(), 3);
    }

    void choiceAndCheckCells()
    {
        m_table->setTableKind(LxLibTable::PinListKind);
        auto* choice = new LxLibComboItem({QString(), QStringLiteral("IN"), QStringLiteral("OUT"), QStringLiteral("IO")});
        m_table->setItem(0, 1, choice);
        QCOMPARE(choice->currentItem(), 0);
        choice->setCurrentItem(QStringLiteral("BOGUS"));
        QCOMPARE(choice->count(), 4);
        choice->setCurrentItem(QStringLiteral("OUT"));
        QCOMPARE(choice->text(), QStringLiteral("OUT"));

        QSignalSpy changed(m_table, &LxLibTable::valueChanged);
        QSignalSpy activated(m_table, &LxLibTable::comboBoxActivated);
        m_table->setCurrentCell(0, 1);
        m_table->editItem(choice);
        auto* combo = qobject_cast<QComboBox*>(m_table->indexWidget(m_table->currentIndex()));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentText(), QStringLiteral("OUT"));
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(choice->currentItem(), 3);
        QCOMPARE(m_table->text(0, 1), QStringLiteral("IO"));
        QCOMPARE(changed.takeFirst(), QList<QVariant>({0, 1}));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 3);
        QVERIFY(!m_table->isEditing());
        // An editable choice takes a new text.
        choice->setEditable(true);
        m_table->setText(0, 1, QStringLiteral("NC"));
        QCOMPARE(choice->count(), 5);
        QCOMPARE(choice->currentText(), QStringLiteral("NC"));

        auto* check = new LxLibCheckItem;
        m_table->setItem(1, 2, check);
        QSignalSpy clicked(m_table, &LxLibTable::checkBoxClicked);
        m_table->setCurrentCell(1, 2);
        QTest::keyClick(m_table, Qt::Key_Space);
        QVERIFY(check->isChecked());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toInt(), int(Qt::Checked));
        QVERIFY(!m_table->isEditing());
        m_table->setReadOnly(true);
        QTest::keyClick(m_table, Qt::Key_Space);
        QVERIFY(check->isChecked());
        QCOMPARE(clicked.count(), 1);
    }

    void greyCellsAndFocusFrame()
    {
        m_table->setItem(0, 0, new LxLibTableItem(LxLibTableItem::Never, QString()));
        auto* disabled = new LxLibTableItem(LxLibTableItem::OnTyping, QString());
        disabled->setEnabled(false);
        m_table->setItem(0, 1, disabled);
        m_table->setText(0, 2, QString());
        for (int c = 0; c < m_table->numCols(); ++c)
            m_table->setColumnWidth(c, 40);
        m_table->setCurrentCell(2, 2);
        m_table->setFocus();
        QTRY_VERIFY(m_table->hasFocus());

        const auto pixel = [this](int row, int col, QPoint offset) {
            const QImage image = m_table->viewport()->grab().toImage();
            const QRect cell = m_table->visualRect(m_table->model()->index(row, col));
            return image.pixelColor((cell.topLeft() + offset) * image.devicePixelRatio());
        };
        const QColor grey(224, 224, 224);
        QCOMPARE(pixel(0, 0, QPoint(4, 4)), grey);
        QCOMPARE(pixel(0, 1, QPoint(4, 4)), grey);
        QVERIFY(pixel(0, 2, QPoint(4, 4)) != grey);
        QVERIFY(pixel(1, 1, QPoint(4, 4)) != grey);
        QCOMPARE(pixel(2, 2, QPoint(0, 0)), QColor(Qt::blue));
        m_other->setFocus();
        QTRY_VERIFY(!m_table->hasFocus());
        QVERIFY(pixel(2, 2, QPoint(0, 0)) != QColor(Qt::blue));
    }

    void mouseSignalsAndEditorsOpenedWhenCurrent()
    {
        QSignalSpy clicked(m_table, &LxLibTable::clicked);
        QSignalSpy menu(m_table, &LxLibTable::contextMenuRequested);
        QSignalSpy current(m_table, qOverload<int, int>(&LxLibTable::currentChanged));
        const QPoint inCell = m_table->visualRect(m_table->model()->index(1, 2)).center();
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, inCell);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().mid(0, 3), QList<QVariant>({1, 2, int(Qt::LeftButton)}));
        QCOMPARE(current.last(), QList<QVariant>({1, 2}));

        const QPoint below(inCell.x(), m_table->viewport()->height() - 2);
        for (const QPoint& at : {inCell, below}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_table->viewport()->mapToGlobal(at));
            QApplication::sendEvent(m_table->viewport(), &event);
        }
        QCOMPARE(menu.count(), 2);
        QCOMPARE(menu.at(0).mid(0, 2), QList<QVariant>({1, 2}));
        QCOMPARE(menu.at(0).at(2).toPoint(), m_table->viewport()->mapToGlobal(inCell));
        QCOMPARE(menu.at(1).mid(0, 2), QList<QVariant>({-1, -1}));

        m_table->setItem(2, 0, new LxLibTableItem(LxLibTableItem::WhenCurrent, QStringLiteral("1")));
        m_table->setItem(2, 1, new LxLibTableItem(LxLibTableItem::WhenCurrent, QStringLiteral("0")));
        // Moving by program while the table is not in use opens nothing.
        m_other->setFocus();
        QTRY_VERIFY(m_other->hasFocus());
        m_table->setCurrentCell(2, 0);
        QVERIFY(!m_table->isEditing());
        m_table->setFocus();
        QTRY_VERIFY(m_table->hasFocus());
        m_table->setCurrentCell(2, 1);
        QVERIFY(m_table->isEditing());
        QCOMPARE(editor()->text(), QStringLiteral("0"));
    }
};

int runTableCellTests(int argc, char** argv)
{
    TableCellsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tablecells.moc"
