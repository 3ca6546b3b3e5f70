#include "LxLibTable.h"
#include "LxLibTypes.h"
#include "ScriptedPrompter.h"
#include "lxListBox.h"
#include "lxPassiveConditionDlg.h"
#include "lxPassiveTypeDlg.h"
#include "ui_PWPassivePage.h"

#include <QTest>

// The type and condition dialogs and the passive page form.
class PassiveDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void typeDialog();
    void typeDialogOkNeedsAName();
    void conditionDialog();
    void pageForm();
};

void PassiveDialogTest::typeDialog()
{
    ScriptedPrompter prompter;
    QStringList entries;
    bool enabled = true;
    QString proposed;

    // A fixed type is the only choice.
    prompter.answerDialog([&](QDialog* dialog) {
        auto* d = static_cast<lxPassiveTypeDlg*>(dialog);
        enabled = d->cbPassiveType->isEnabled();
        entries << d->cbPassiveType->currentText() << d->windowTitle();
        proposed = d->PartNameLineEdit->text();
        d->OkButton->click();
        return d->result();
    });
    int type = lxlib::PCT_CAPACITOR;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part3"), type), QStringLiteral("Part3"));
    QCOMPARE(type, int(lxlib::PCT_CAPACITOR));
    QVERIFY(!enabled);
    QCOMPARE(entries, (QStringList{"Capacitor", "Passive Type & Passive Name"}));
    QCOMPARE(proposed, QStringLiteral("Part3"));

    // A free type proposes "Connection"; the entry chosen gives the type.
    prompter.answerDialog([&](QDialog* dialog) {
        auto* d = static_cast<lxPassiveTypeDlg*>(dialog);
        enabled = d->cbPassiveType->isEnabled();
        proposed = d->cbPassiveType->currentText();
        d->cbPassiveType->setCurrentIndex(5);
        d->PartNameLineEdit->setText(QStringLiteral("Y1"));
        d->OkButton->click();
        return d->result();
    });
    type = 0;
    lxPassiveTypeDlg dialog;
    QCOMPARE(dialog.getPassiveType(QStringLiteral("Part1"), type), QStringLiteral("Y1"));
    QVERIFY(enabled);
    QCOMPARE(proposed, QStringLiteral("Connection"));
    QCOMPARE(type, int(lxlib::PCT_RESONATOR));
    QCOMPARE(dialog.passiveType(), int(lxlib::PCT_RESONATOR));

    prompter.answerDialog([](QDialog* d) {
        static_cast<lxPassiveTypeDlg*>(d)->CancelButton->click();
        return d->result();
    });
    type = lxlib::PCT_INDUCTOR;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part1"), type), QString());
    QCOMPARE(type, int(lxlib::PCT_INDUCTOR));
    QVERIFY(prompter.unexpected().isEmpty());

    // Entry i is type i + 1, whatever case its text is compared in.
    const QStringList texts{"Connector", "capacitor", "INDUCTOR", "Resistor", "Connection", "Resonator", "boardcontact"};
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(texts[i]), i + 1);
    QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(QStringLiteral("Board Contact")), 0);
    dialog.slotPassiveTypeActivated(QStringLiteral("Inductor"));
    QCOMPARE(dialog.passiveType(), int(lxlib::PCT_INDUCTOR));
}

void PassiveDialogTest::typeDialogOkNeedsAName()
{
    lxPassiveTypeDlg dialog;
    dialog.show();
    dialog.PartNameLineEdit->clear();
    dialog.OkButton->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.passiveType(), 0);
    dialog.PartNameLineEdit->setText(QStringLiteral("R1"));
    dialog.cbPassiveType->setCurrentIndex(3);
    dialog.OkButton->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.passiveType(), int(lxlib::PCT_RESISTOR));
}

void PassiveDialogTest::conditionDialog()
{
    lxPassiveConditionDlg shown;
    QCOMPARE(shown.windowTitle(), QStringLiteral("Partwright - Device Type"));
    QCOMPARE(shown.ConditionPromptLabel->text(), QStringLiteral("Please type condition name."));
    QCOMPARE(shown.ConditionalLabel->text(), QStringLiteral("Condition name: "));
    shown.show();
    shown.ConditionalLEdit->clear();
    shown.OkButton->click();
    QVERIFY(shown.isVisible());

    ScriptedPrompter prompter;
    QString proposed;
    prompter.answerDialog([&](QDialog* dialog) {
        auto* d = static_cast<lxPassiveConditionDlg*>(dialog);
        proposed = d->ConditionalLEdit->text();
        d->ConditionalLEdit->setText(QStringLiteral("Enabled"));
        d->OkButton->click();
        return d->result();
    });
    lxPassiveConditionDlg dialog;
    QCOMPARE(dialog.getConditionName(QStringLiteral("Condition2")), QStringLiteral("Enabled"));
    QCOMPARE(proposed, QStringLiteral("Condition2"));

    prompter.answerDialog([](QDialog* d) {
        static_cast<lxPassiveConditionDlg*>(d)->CancelButton->click();
        return d->result();
    });
    QCOMPARE(dialog.getConditionName(QStringLiteral("Condition2")), QString());
    QCOMPARE(dialog.answer(), QString());
}

void PassiveDialogTest::pageForm()
{
    QWidget page;
    Ui::PWPassivePage form;
    form.setupUi(&page);
    QVERIFY(qobject_cast<lxListBox*>(form.lxListBoxDeviceList));
    QVERIFY(qobject_cast<lxListBox*>(form.lxListBoxConditionalPartList));
    QCOMPARE(form.lxListBoxDeviceList->metaObject()->className(), "lxListBox");
    for (LxLibTable* table : {form.PassiveResistorTable, form.PassiveConnectionTable, form.lxNonConditionalTable})
        QVERIFY(table);
    QStringList pages;
    for (int i = 0; i < form.wsPinDefinitions->count(); ++i)
        pages << form.wsPinDefinitions->widget(i)->objectName();
    QCOMPARE(pages, (QStringList{"WSPassiveResistor", "WSPassiveConnection", "WSPassiveConnector",
                                 "WSPassiveBoardContact", "WSPassiveUnknown"}));
    QCOMPARE(form.wsPinDefinitions->currentWidget(), form.WSPassiveUnknown);
    QCOMPARE(form.PassivePartsHeading->text(), QStringLiteral("Parts : Passive"));
    QCOMPARE(form.AddPassiveParts->text(), QStringLiteral("New ..."));
    QCOMPARE(form.UnknownPassiveLabel->text(), QStringLiteral("Passive Type Not Specified"));
    QVERIFY(form.ConnectorLabel->font().bold());
}

int runPassiveDialogTests(int argc, char** argv)
{
    PassiveDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passivedialogs.moc"
