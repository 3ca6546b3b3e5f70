#include "LxLibInpuDlgDlg.h"
#include "LxLibTable.h"
#include "LxLibTableItem.h"
#include "LxMessages.h"
#include "ScriptedPrompter.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QValidator>

namespace {
constexpr int NoValidator = -1;

void fillRows(LxLibTable& table, const QList<QStringList>& rows)
{
    table.setNumRows(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            table.setText(r, c, rows[r][c]);
}

QStringList column(const LxLibTable& table, int col)
{
    QStringList texts;
    for (int r = 0; r < table.numRows(); ++r)
        texts << table.text(r, col);
    return texts;
}
} // namespace

class TablesTest : public QObject
{
    Q_OBJECT

private slots:
    void validators_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("pinDirection");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("expected");

        // Truth table and test sequence cells are typed into through their tabs' tests.
        const int ok = QValidator::Acceptable;
        const int bad = QValidator::Invalid;
        QTest::newRow("truth input two chars") << 3 << 1 << 0 << "zZ" << bad;
        QTest::newRow("truth input empty") << 3 << 1 << 0 << "" << int(QValidator::Intermediate);
        QTest::newRow("truth odd class q") << 3 << 1 << 7 << "q" << bad;
        QTest::newRow("truth odd class T") << 3 << 1 << 7 << "T" << ok;
        QTest::newRow("pin list bit 9999") << 2 << 2 << 3 << "9999" << ok;
        QTest::newRow("pin list bit 10000") << 2 << 2 << 3 << "10000" << bad;
        QTest::newRow("pin list bit letter") << 2 << 2 << 3 << "7a" << bad;
        QTest::newRow("pin list bit grouped") << 2 << 2 << 3 << "1,000" << bad;
        QTest::newRow("pin list name column") << 2 << 1 << 3 << "any" << NoValidator;
        QTest::newRow("diagnose bit") << 6 << 1 << 3 << "42" << ok;
        QTest::newRow("diagnose other column") << 6 << 2 << 3 << "x" << NoValidator;
        QTest::newRow("latch x") << 5 << 1 << 0 << "x" << ok;
        QTest::newRow("latch U") << 5 << 1 << 3 << "U" << bad;
        QTest::newRow("enable Z") << 7 << 2 << 3 << "Z" << ok;
        QTest::newRow("enable 10") << 7 << 2 << 3 << "10" << bad;
        QTest::newRow("disable 0") << 8 << 1 << 3 << "0" << ok;
        QTest::newRow("disable L") << 8 << 1 << 3 << "L" << bad;
        for (int kind : {0, 1, 9, 10, 11})
            QTest::newRow(qPrintable(QStringLiteral("kind %1 free").arg(kind))) << kind << 2 << 0 << "2?" << NoValidator;
    }

    void validators()
    {
        QFETCH(int, kind);
        QFETCH(int, col);
        QFETCH(int, pinDirection);
        QFETCH(QString, input);
        QFETCH(int, expected);

        LxLibTable table;
        table.setNumCols(4);
        table.setNumRows(1);
        table.setHorizontalHeaderLabels({QStringLiteral(" "), QStringLiteral("A"), QStringLiteral("B"),
                                         LxLibTable::timeColumnLabel()});
        table.setTableKind(kind);
        auto* cell = new LxLibTableItem(LxLibTableItem::OnTyping, QString());
        cell->setPinDirection(pinDirection);
        table.setItem(0, col, cell);

        auto* editor = qobject_cast<QLineEdit*>(table.createEditor(0, col, true, table.viewport()));
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("LxLibLineEditor"));
        QVERIFY(!editor->hasFrame());
        const QValidator* validator = editor->validator();
        if (expected == NoValidator) {
            QVERIFY(!validator);
            return;
        }
        QVERIFY(validator);
        int pos = 0;
        QCOMPARE(int(validator->validate(input, pos)), expected);
    }

    void headerClicks()
    {
        const auto clickHeader = [](LxLibTable& table, int col) {
            QHeaderView* header = table.horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2));
        };

        LxLibTable enable;
        enable.setTableKind(LxLibTable::EnableKind);
        enable.setNumCols(3);
        enable.setNumRows(2);
        enable.headerNames() << QStringLiteral("DATA 7") << QStringLiteral("DATA 6");
        enable.updateHeaderLabels();
        enable.show();
        QVERIFY(QTest::qWaitForWindowExposed(&enable));
        QCOMPARE(enable.horizontalHeaderItem(2)->text(), QStringLiteral("DATA 6"));
        const int fullWidth = enable.columnWidth(1);

        clickHeader(enable, 1);
        QVERIFY(!enable.headersExpanded());
        QCOMPARE(enable.horizontalHeaderItem(1)->text(), QStringLiteral(" "));
        QCOMPARE(enable.horizontalHeaderItem(2)->text(), QStringLiteral(" "));
        QVERIFY(enable.columnWidth(1) < fullWidth);
        clickHeader(enable, 2);
        QVERIFY(enable.headersExpanded());
        QCOMPARE(enable.horizontalHeaderItem(1)->text(), QStringLiteral("DATA 7"));
        QCOMPARE(enable.horizontalHeaderItem(2)->text(), QStringLiteral("DATA 6"));

        // A package table sorts whole rows by the clicked column, empty cells first
        // and nothing left selected; a second click reverses.
        LxLibTable package;
        package.setTableKind(LxLibTable::PackageKind);
        package.setSorting(true);
        package.setNumCols(2);
        fillRows(package, {{"2", "B"}, {"9", ""}, {"1", "C"}, {"3", "A"}});
        package.show();
        QVERIFY(QTest::qWaitForWindowExposed(&package));
        package.selectRow(2);
        clickHeader(package, 1);
        QCOMPARE(column(package, 0), QStringList({"9", "3", "2", "1"}));
        QVERIFY(package.selectedRanges().isEmpty());
        clickHeader(package, 1);
        QCOMPARE(column(package, 0), QStringList({"1", "2", "3", "9"}));

        // Without sorting a click only selects the column, as in any table.
        package.setSorting(false);
        clickHeader(package, 0);
        QCOMPARE(column(package, 0), QStringList({"1", "2", "3", "9"}));
        QVERIFY(package.isRowSelected(1));
    }

    void pinCombinations_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("message");

        QTest::newRow("reversed pair") << QList<QStringList>{{"A", "B"}, {"B", "A"}}
                                       << "Pin combination \"A - B\" is already used";
        QTest::newRow("repeated pair") << QList<QStringList>{{"A", "B"}, {"C", "D"}, {"A", "B"}}
                                       << "Pin combination \"A - B\" is already used";
        QTest::newRow("latest partner kept") << QList<QStringList>{{"A", "B"}, {"A", "C"}, {"A", "B"}} << QString();
        QTest::newRow("self") << QList<QStringList>{{"R1", "R2"}, {"A", "A"}} << "Pin  \"A\" should not combine with itself";
        QTest::newRow("empty cells skipped") << QList<QStringList>{{"A", ""}, {"", "A"}, {"A", "B"}} << QString();
    }

    void pinCombinations()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, message);

        ScriptedPrompter prompter;
        LxLibTable table;
        table.setTableKind(LxLibTable::PassiveResistorKind);
        table.setNumCols(2);
        fillRows(table, rows);

        QCOMPARE(table.checkPinCombinations(), message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(prompter.count(), 0);
            return;
        }
        QCOMPARE(prompter.count(), 1);
        QCOMPARE(prompter.shown().first().kind, QStringLiteral("information"));
        QCOMPARE(prompter.shown().first().caption, QStringLiteral("Partwright"));
        QCOMPARE(prompter.lastText(), message);
    }

    void removeSelectedRowsAndRowFlags()
    {
        QVERIFY(!removeSelectedRows(nullptr));

        LxLibTable table;
        table.setNumCols(1);
        fillRows(table, {{"r0"}, {"r1"}, {"r2"}, {"r3"}, {"r4"}});
        table.setRowReadOnly(4, true);
        QVERIFY(!removeSelectedRows(&table));
        QCOMPARE(table.numRows(), 5);

        table.setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 0), true);
        QVERIFY(table.isRowSelected(2));
        QVERIFY(!table.isRowSelected(3));
        QVERIFY(removeSelectedRows(&table));
        QCOMPARE(column(table, 0), QStringList({"r0", "r3", "r4"}));
        // The read-only flag moves with its row.
        QVERIFY(table.isRowReadOnly(2));
        QVERIFY(!table.isRowReadOnly(4));

        table.insertRows(0, 2);
        QCOMPARE(table.numRows(), 5);
        QVERIFY(table.isRowReadOnly(4));
        table.swapRows(2, 3);
        QCOMPARE(column(table, 0), QStringList({"", "", "r3", "r0", "r4"}));
    }

    void answers()
    {
        ScriptedPrompter prompter;
        QString answer = QStringLiteral("old");
        prompter.answerText(QStringLiteral("typed"), false);
        QVERIFY(!LxMessages::askName(QStringLiteral("Name?"), QStringLiteral("Part 01"), &answer));
        QCOMPARE(answer, QString());
        prompter.answerText(QString());
        answer = QStringLiteral("old");
        QVERIFY(LxMessages::askName(QStringLiteral("Name?"), QStringLiteral("Part 01"), &answer));
        QCOMPARE(answer, QString());

        // Tests read a name request by its prompt and proposal, as the user does.
        const ScriptedPrompter::Shown& first = prompter.shown().first();
        QCOMPARE(first.kind + '|' + first.caption + '|' + first.text + '|' + first.initial,
                 QStringLiteral("dialog|Partwright Wizard|Name?|Part 01"));

        QString label, caption, initial;
        bool keepHidden = false;
        prompter.answerDialog([&](QDialog* dialog) -> int {
            auto* form = qobject_cast<LxLibInpuDlgForm*>(dialog);
            label = form->NameLabel->text();
            caption = form->windowTitle();
            keepHidden = form->KeepContents->isHidden();
            initial = form->NameLineEdit->text();
            form->NameLineEdit->setText(QStringLiteral("Enable 03"));
            return int(QDialog::Accepted);
        });
        QVERIFY(LxMessages::askName(QStringLiteral("Please type the enable name"), QStringLiteral("Enable 02"), &answer));
        QCOMPARE(answer, QStringLiteral("Enable 03"));
        QCOMPARE(label + '|' + caption + '|' + initial,
                 QStringLiteral("Please type the enable name|Partwright Wizard|Enable 02"));
        QVERIFY(keepHidden);

        // Asked with ok set, the dialog offers "Keep Contents"; its state is never read back.
        prompter.answerDialog([&](QDialog* dialog) {
            auto* form = qobject_cast<LxLibInpuDlgForm*>(dialog);
            keepHidden = form->KeepContents->isHidden();
            form->KeepContents->setChecked(true);
            return int(QDialog::Accepted);
        });
        bool ok = true;
        bool keep = true;
        LxLibInpuDlgDlg::getText(QStringLiteral("Caption"), QStringLiteral("Prompt"), QString(), &ok, &keep);
        QVERIFY(!keepHidden);
        QVERIFY(ok && !keep);
        prompter.answerText(QStringLiteral("U7"));
        ok = false;
        keep = true;
        QCOMPARE(LxLibInpuDlgDlg::getText(QStringLiteral("C"), QStringLiteral("P"), QString(), &ok, &keep),
                 QStringLiteral("U7"));
        QVERIFY(ok && !keep);
        QCOMPARE(prompter.lastText(), QStringLiteral("P"));
        QVERIFY(prompter.unexpected().isEmpty());
    }

    void buttonsAndMessages()
    {
        LxLibInpuDlgDlg dialog;
        dialog.show();
        QTest::mouseClick(dialog.Cancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        dialog.show();
        QTest::mouseClick(dialog.Ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        ScriptedPrompter prompter;
        LxMessages::showInformation(&dialog, QStringLiteral("Model file is saved"));
        prompter.answerYesNo(true);
        QVERIFY(LxMessages::askYesNo(&dialog, QStringLiteral("Delete?")));
        prompter.answerYesNo(false);
        QVERIFY(!LxMessages::askYesNo(&dialog, QStringLiteral("Delete?")));
        QStringList shown;
        for (const ScriptedPrompter::Shown& s : prompter.shown())
            shown << s.kind + '|' + s.caption + '|' + s.text;
        QCOMPARE(shown, (QStringList{"information|Partwright|Model file is saved", "yesNo|Partwright|Delete?",
                                     "yesNo|Partwright|Delete?"}));
    }
};

int runTableTests(int argc, char** argv)
{
    TablesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tables.moc"
