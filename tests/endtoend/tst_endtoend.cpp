// A logic model the whole way through the wizard: built in the widgets,
// finished to disk, opened again, one pin changed and saved again.

#include "CLogic.h"
#include "LxLibTable.h"
#include "PWLogicPartsPage.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList linesOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing>")};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

void paste(LxLibTable* table, const QString& text)
{
    QApplication::clipboard()->setText(text);
    table->setFocus();
    table->setCurrentCell(-1, -1);
    QTest::keySequence(table, QKeySequence::Paste);
}

void next(PartwrightDlg& dlg) { QTest::mouseClick(dlg.nextButton(), Qt::LeftButton); }

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void buildSaveReopenChange();
};

void TestEndToEnd::buildSaveReopenChange()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("OCT2.model"));
    ScriptedPrompter prompts;
    {
        PartwrightDlg dlg(nullptr, QString(), QString());
        dlg.setModelLibPath(dir.path());
        dlg.show();
        dlg.rbCreateNewModel->click();
        next(dlg);
        QTest::keyClicks(dlg.leDeviceId, QStringLiteral("OCT2"));
        dlg.rbLogicDevice->click();
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::HeaderPage));
        QTest::keyClicks(dlg.findChild<QLineEdit*>(QStringLiteral("leFunction")), QStringLiteral("Dual buffer"));
        QTest::keyClicks(dlg.findChild<QLineEdit*>(QStringLiteral("leAuthor")), QStringLiteral("Jo"));
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::PackagePage));

        prompts.answerText(QStringLiteral("DIP8"));
        QTest::mouseClick(dlg.packagePage()->form()->AddNewPackage, Qt::LeftButton);
        paste(dlg.packagePage()->form()->PackageTable,
              QStringLiteral("1\t1OE\tINPUT\n2\t1A\tINPUT\n3\t1Y\tOUTPUT\n4\tGND\tGND\n"
                             "5\t2OE\tINPUT\n6\t2A\tINPUT\n7\t2Y\tOUTPUT\n8\tVCC\tPWR\n"));
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::LogicPage));

        PWLogicPartsPage* logic = dlg.logicPage();
        prompts.answerText(QStringLiteral("Buffer"));
        QTest::mouseClick(logic->form()->AddLogicPart, Qt::LeftButton);
        PWPinListTab* pins = logic->pinListTab();
        for (const char* half : {"1", "2"}) {
            prompts.answerText(QStringLiteral("Half ") + QLatin1String(half));
            QTest::mouseClick(pins->form()->AddPinList, Qt::LeftButton);
            paste(pins->form()->PinListTable, QStringLiteral("%1OE\tOE\t0\n%1A\tIN\t1\n%1Y\tOUT\t2\n").arg(QLatin1String(half)));
        }
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::LastPage));
        dlg.leModelName->setText(file);
        QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
        QVERIFY2(dlg.finishedFlag(), qPrintable(prompts.texts().join(QLatin1String(" | "))));
    }
    const QStringList first = linesOf(file);
    QVERIFY(first.contains(QStringLiteral("      signal IN 1 \"2A\"")));
    QVERIFY(first.contains(QStringLiteral("    pin \"7\" \"2Y\" OUTPUT")));

    {
        // Opened as the host's edit call opens it: the file is the proposed path.
        PartwrightDlg dlg(nullptr, QString(), file);
        dlg.show();
        dlg.leOpenExisistingModel->setText(file);
        next(dlg);
        QCOMPARE(dlg.leDeviceId->text(), QStringLiteral("OCT2"));
        QVERIFY(dlg.rbLogicDevice->isChecked());
        next(dlg);
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("leFunction"))->text(), QStringLiteral("Dual buffer"));
        QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("leAuthor"))->text(), QStringLiteral("Jo"));
        next(dlg);
        LxLibTable* table = dlg.packagePage()->form()->PackageTable;
        QCOMPARE(dlg.packagePage()->form()->PackageLBox->item(0)->text(), QStringLiteral("DIP8"));
        QCOMPARE(table->numRows(), 8);
        QCOMPARE(table->rowTexts(6), (QStringList{"7", "2Y", "OUTPUT"}));

        // The one change: pin 7 becomes pin 17, saved while its editor is still open.
        table->setFocus();
        table->setCurrentCell(6, 0);
        QTest::keyClick(table, Qt::Key_1);
        QWidget* editor = table->indexWidget(table->currentIndex());
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_7);
        prompts.answerYesNoCancel(LxPrompter::Yes);
        dlg.menuAction(PartwrightDlg::MenuSave)->trigger();
        QVERIFY(!table->isEditing());
        QVERIFY(linesOf(file).contains(QStringLiteral("    pin \"17\" \"2Y\" OUTPUT")));
        next(dlg);
        PWLogicPartsPage* logic = dlg.logicPage();
        QCOMPARE(logic->form()->lbLogicPartLBox->item(0)->text(), QStringLiteral("Buffer"));
        Ui::PWPinListTab* pins = logic->pinListTab()->form();
        QCOMPARE(pins->PinListLBox->count(), 2);
        QCOMPARE(pins->PinListNameLEdit->text(), QStringLiteral("Half 2"));
        QCOMPARE(pins->PinListTable->rowTexts(2), (QStringList{"2Y", "OUT", "2"}));
        pins->PinListLBox->setCurrentRow(0);
        QCOMPARE(pins->PinListTable->rowTexts(0), (QStringList{"1OE", "OE", "0"}));
        next(dlg);
        QCOMPARE(dlg.leModelName->text(), file);
        prompts.answerYesNoCancel(LxPrompter::Yes); // replace the existing file
        QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
        QVERIFY2(dlg.finishedFlag(), qPrintable(prompts.texts().join(QLatin1String(" | "))));
    }
    const QStringList second = linesOf(file);
    QCOMPARE(second.size(), first.size());
    QStringList changed;
    for (int i = 0; i < first.size(); ++i) {
        if (first[i] != second[i])
            changed << first[i] + QLatin1String(" -> ") + second[i];
    }
    QCOMPARE(changed, QStringList{QStringLiteral("    pin \"7\" \"2Y\" OUTPUT ->     pin \"17\" \"2Y\" OUTPUT")});
    QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(prompts.unexpected().join(QLatin1String(" | "))));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
