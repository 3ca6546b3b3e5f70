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

// Cell editing driven by keys: typing over, Escape, Delete, focus-out, choice and check cells, painting.
class TableCellsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingOverCells();
    void escapeWithoutTypingOverReverts();
    void deleteKey();
    void readOnlyRefusesEditing();
    void focusOutAndCommitEdit();
    void everyWayOutKeepsAnEmptiedCell();
    void changingTabPageOrFinishingKeepsTheEdit();
    void choiceCells();
    void checkCells();
    void greyCellsAndFocusFrame();
    void mouseSignals();
    void whenCurrentOpensEditor();

private:
    // Types keys into cell (row, col) as a user does: the first key opens the editor.
    QLineEdit* typeInto(int row, int col, const QString& keys);
    QLineEdit* editor() const { return editorOf(m_table); }
    static QLineEdit* editorOf(LxLibTable* table)
    {
        return qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
    }
    // Opens the editor of a filled cell with F2 and empties it.
    static QLineEdit* emptyCell(LxLibTable* table, int row, int col);

    QWidget* m_window = nullptr;
    LxLibTable* m_table = nullptr;
    QLineEdit* m_other = nullptr;
};

void TableCellsTest::init()
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

void TableCellsTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

QLineEdit* TableCellsTest::typeInto(int row, int col, const QString& keys)
{
    m_table->setCurrentCell(row, col);
    QTest::keyClicks(m_table, keys.left(1));
    QLineEdit* edit = editor();
    if (edit && keys.size() > 1)
        QTest::keyClicks(edit, keys.mid(1));
    return edit;
}

void TableCellsTest::typingOverCells()
{
    auto* input = new LxLibTableItem(LxLibTableItem::OnTyping, QStringLiteral("1"));
    input->setPinDirection(LxLibTableItem::Input);
    m_table->setItem(0, 0, input);
    QSignalSpy changed(m_table, &LxLibTable::valueChanged);

    QLineEdit* edit = typeInto(0, 0, QStringLiteral("2"));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QTest::keyClicks(edit, QStringLiteral("z"));
    QCOMPARE(edit->text(), QStringLiteral("z"));
    QTest::keyClicks(edit, QStringLiteral("Z"));
    QCOMPARE(edit->text(), QStringLiteral("z"));
    // Escape after typing over keeps the typed text.
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!m_table->isEditing());
    QCOMPARE(m_table->text(0, 0), QStringLiteral("z"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first(), QList<QVariant>({0, 0}));

    // An empty cell gets an item of our own, with the unrestricted character set.
    edit = typeInto(1, 2, QStringLiteral("H"));
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    LxLibTableItem* created = m_table->lxItem(1, 2);
    QVERIFY(created);
    QCOMPARE(created->text(), QStringLiteral("H"));
    QCOMPARE(created->pinDirection(), int(LxLibTableItem::Unrestricted));
    QCOMPARE(created->alignment(), int(Qt::AlignCenter));
    QCOMPARE(changed.count(), 2);

    // Typing the same text again is no change.
    edit = typeInto(1, 2, QStringLiteral("H"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(changed.count(), 2);
}

void TableCellsTest::escapeWithoutTypingOverReverts()
{
    m_table->setText(0, 1, QStringLiteral("0"));
    QSignalSpy changed(m_table, &LxLibTable::valueChanged);
    m_table->setCurrentCell(0, 1);
    QTest::keyClick(m_table, Qt::Key_F2);
    QLineEdit* edit = editor();
    QVERIFY(edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(edit, QStringLiteral("X"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(m_table->text(0, 1), QStringLiteral("0"));
    QCOMPARE(changed.count(), 0);

    // Return takes an emptied cell although the validator calls it incomplete.
    QTest::keyClick(m_table, Qt::Key_F2);
    edit = editor();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!m_table->isEditing());
    QCOMPARE(m_table->text(0, 1), QString());
    QCOMPARE(changed.count(), 1);
}

void TableCellsTest::deleteKey()
{
    m_table->setText(0, 0, QStringLiteral("1"));
    m_table->lxItem(0, 0)->setPinDirection(LxLibTableItem::Output);
    m_table->setItem(0, 1, new LxLibTableItem(LxLibTableItem::Never, QStringLiteral("Vector")));
    QSignalSpy changed(m_table, &LxLibTable::valueChanged);

    m_table->setCurrentCell(0, 0);
    QTest::keyClick(m_table, Qt::Key_Delete);
    QCOMPARE(m_table->text(0, 0), QString());
    QCOMPARE(changed.count(), 1);
    // The cleared cell keeps its character set.
    QCOMPARE(m_table->lxItem(0, 0)->pinDirection(), int(LxLibTableItem::Output));

    m_table->setCurrentCell(0, 1);
    QTest::keyClick(m_table, Qt::Key_Delete);
    QCOMPARE(m_table->text(0, 1), QStringLiteral("Vector"));

    m_table->setText(2, 2, QStringLiteral("L"));
    m_table->setReadOnly(true);
    m_table->setCurrentCell(2, 2);
    QTest::keyClick(m_table, Qt::Key_Delete);
    QCOMPARE(m_table->text(2, 2), QStringLiteral("L"));
    QCOMPARE(changed.count(), 1);
}

void TableCellsTest::readOnlyRefusesEditing()
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

void TableCellsTest::focusOutAndCommitEdit()
{
    QSignalSpy changed(m_table, &LxLibTable::valueChanged);
    QLineEdit* edit = typeInto(0, 0, QStringLiteral("u"));
    QVERIFY(edit);
    QTRY_VERIFY(edit->hasFocus());
    m_other->setFocus();
    QTRY_VERIFY(!m_table->isEditing());
    QCOMPARE(m_table->text(0, 0), QStringLiteral("u"));
    QCOMPARE(changed.count(), 1);

    m_table->setFocus();
    edit = typeInto(1, 1, QStringLiteral("d"));
    QVERIFY(edit && m_table->isEditing());
    m_table->commitEdit();
    QVERIFY(!m_table->isEditing());
    QCOMPARE(m_table->text(1, 1), QStringLiteral("d"));
    // Nothing is edited: a second commit changes nothing.
    m_table->commitEdit();
    QCOMPARE(changed.count(), 2);
}

QLineEdit* TableCellsTest::emptyCell(LxLibTable* table, int row, int col)
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

void TableCellsTest::everyWayOutKeepsAnEmptiedCell()
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

    // The editor admits digits only: a lone sign is no bit number.
    m_table->setFocus();
    QLineEdit* edit = typeInto(1, 2, QStringLiteral("+"));
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("-12a"));
    QCOMPARE(edit->text(), QStringLiteral("12"));
}

namespace {

// Records what cell (1, 1) holds when the wizard's steps run: what they store
// is what the table holds at that moment.
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

void TableCellsTest::changingTabPageOrFinishingKeepsTheEdit()
{
    RecordingWizard wizard;
    auto* tabs = new QTabWidget;
    // Tables sit inside the pages of the form, never as pages of their own.
    auto* tab = new QWidget;
    auto* table = new LxLibTable(tab, "DiagnoseTable");
    (new QVBoxLayout(tab))->addWidget(table);
    wizard.table = table;
    table->setTableKind(LxLibTable::DiagnoseKind);
    table->setNumCols(2);
    table->setNumRows(2);
    table->setText(0, 1, QStringLiteral("7"));
    table->setText(1, 1, QStringLiteral("8"));
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
    QCOMPARE(changed.count(), 1);

    // Buttons clicked by program or by shortcut take no focus; the step sees
    // the edit all the same.
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

void TableCellsTest::choiceCells()
{
    m_table->setTableKind(LxLibTable::PinListKind);
    const QStringList types{QString(), QStringLiteral("IN"), QStringLiteral("OUT"), QStringLiteral("IO")};
    auto* choice = new LxLibComboItem(types);
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
    QCOMPARE(choice->currentText(), QStringLiteral("IO"));
    QCOMPARE(choice->currentItem(), 3);
    QCOMPARE(m_table->text(0, 1), QStringLiteral("IO"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first(), QList<QVariant>({0, 1}));
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.first().first().toInt(), 3);
    QVERIFY(!m_table->isEditing());

    // Delete leaves a choice alone; an editable choice takes a new text.
    QTest::keyClick(m_table, Qt::Key_Delete);
    QCOMPARE(m_table->comboItem(0, 1), choice);
    QCOMPARE(choice->currentText(), QStringLiteral("IO"));
    choice->setEditable(true);
    m_table->setText(0, 1, QStringLiteral("NC"));
    QCOMPARE(choice->count(), 5);
    QCOMPARE(choice->currentText(), QStringLiteral("NC"));
}

void TableCellsTest::checkCells()
{
    m_table->setTableKind(LxLibTable::TestSequenceKind);
    auto* check = new LxLibCheckItem;
    m_table->setItem(1, 2, check);
    QSignalSpy changed(m_table, &LxLibTable::valueChanged);
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

void TableCellsTest::greyCellsAndFocusFrame()
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
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor((cell.topLeft() + offset) * ratio);
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

void TableCellsTest::mouseSignals()
{
    QSignalSpy clicked(m_table, &LxLibTable::clicked);
    QSignalSpy menu(m_table, &LxLibTable::contextMenuRequested);
    QSignalSpy current(m_table, qOverload<int, int>(&LxLibTable::currentChanged));
    const QPoint inCell = m_table->visualRect(m_table->model()->index(1, 2)).center();

    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, inCell);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().mid(0, 3), QList<QVariant>({1, 2, int(Qt::LeftButton)}));
    QCOMPARE(current.last(), QList<QVariant>({1, 2}));

    QContextMenuEvent onCell(QContextMenuEvent::Mouse, inCell, m_table->viewport()->mapToGlobal(inCell));
    QApplication::sendEvent(m_table->viewport(), &onCell);
    const QPoint below(inCell.x(), m_table->viewport()->height() - 2);
    QContextMenuEvent offCells(QContextMenuEvent::Mouse, below, m_table->viewport()->mapToGlobal(below));
    QApplication::sendEvent(m_table->viewport(), &offCells);
    QCOMPARE(menu.count(), 2);
    QCOMPARE(menu.at(0).mid(0, 2), QList<QVariant>({1, 2}));
    QCOMPARE(menu.at(0).at(2).toPoint(), m_table->viewport()->mapToGlobal(inCell));
    QCOMPARE(menu.at(1).mid(0, 2), QList<QVariant>({-1, -1}));
}

void TableCellsTest::whenCurrentOpensEditor()
{
    m_table->setItem(2, 0, new LxLibTableItem(LxLibTableItem::WhenCurrent, QStringLiteral("1")));
    m_table->setItem(2, 1, new LxLibTableItem(LxLibTableItem::WhenCurrent, QStringLiteral("0")));
    // Filling or moving by program while the table is not in use opens nothing.
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

int runTableCellTests(int argc, char** argv)
{
    TableCellsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tablecells.moc"
