#include "LxLibInpuDlgDlg.h"
#include "LxMessages.h"
#include "ScriptedPrompter.h"

#include <QTest>

// The name dialog, its form and the shared message operations.
class NameDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void answers();
    void dialogContents();
    void buttons();
    void messages();
};

void NameDialogTest::answers()
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

    prompter.answerText(QStringLiteral("U7"));
    bool ok = false;
    bool keep = true;
    QCOMPARE(LxLibInpuDlgDlg::getText(QStringLiteral("C"), QStringLiteral("P"), QString(), &ok, &keep),
             QStringLiteral("U7"));
    QVERIFY(ok);
    QVERIFY(!keep);

    // Tests read a name request by its prompt and proposal, as the user does.
    QCOMPARE(prompter.count(), 3);
    const ScriptedPrompter::Shown& first = prompter.shown().first();
    QCOMPARE(first.kind, QStringLiteral("dialog"));
    QCOMPARE(first.caption, QStringLiteral("Partwright Wizard"));
    QCOMPARE(first.text, QStringLiteral("Name?"));
    QCOMPARE(first.initial, QStringLiteral("Part 01"));
    QCOMPARE(prompter.lastText(), QStringLiteral("P"));
    QVERIFY(prompter.unexpected().isEmpty());
}

void NameDialogTest::dialogContents()
{
    ScriptedPrompter prompter;
    QString label;
    QString caption;
    QString initial;
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
    QString answer;
    QVERIFY(LxMessages::askName(QStringLiteral("Please type the enable name"), QStringLiteral("Enable 02"), &answer));
    QCOMPARE(answer, QStringLiteral("Enable 03"));
    QCOMPARE(initial, QStringLiteral("Enable 02"));
    QCOMPARE(label, QStringLiteral("Please type the enable name"));
    QCOMPARE(caption, QStringLiteral("Partwright Wizard"));
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
    QVERIFY(ok);
    QVERIFY(!keep);
}

void NameDialogTest::buttons()
{
    LxLibInpuDlgDlg dialog;
    dialog.show();
    QTest::mouseClick(dialog.Cancel, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    dialog.show();
    QTest::mouseClick(dialog.Ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void NameDialogTest::messages()
{
    ScriptedPrompter prompter;
    QWidget parent;
    LxMessages::showInformation(&parent, QStringLiteral("Model file is saved"));
    prompter.answerYesNo(true);
    QVERIFY(LxMessages::askYesNo(&parent, QStringLiteral("Delete?")));
    prompter.answerYesNo(false);
    QVERIFY(!LxMessages::askYesNo(&parent, QStringLiteral("Delete?")));

    QCOMPARE(prompter.count(), 3);
    for (const ScriptedPrompter::Shown& shown : prompter.shown())
        QCOMPARE(shown.caption, QStringLiteral("Partwright"));
    QCOMPARE(prompter.shown().at(0).kind, QStringLiteral("information"));
    QCOMPARE(prompter.shown().at(1).kind, QStringLiteral("yesNo"));
    QCOMPARE(prompter.texts().first(), QStringLiteral("Model file is saved"));
}

int runNameDialogTests(int argc, char** argv)
{
    NameDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_namedialog.moc"
