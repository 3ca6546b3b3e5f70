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
    void okNeedsAName();
    void pageForm();
};

void PassiveDialogTest::typeDialog()
{
    ScriptedPrompter prompter;
    QStringList seen;
    // A fixed type is the only choice; a free one proposes "Connection".
    const auto answer = [&](int entry, const QString& name) {
        prompter.answerDialog([&seen, entry, name](QDialog* dialog) {
            auto* d = static_cast<lxPassiveTypeDlg*>(dialog);
            seen << d->cbPassiveType->currentText() + (d->cbPassiveType->isEnabled() ? "" : " fixed")
                 << d->PartNameLineEdit->text();
            if (entry >= 0)
                d->cbPassiveType->setCurrentIndex(entry);
            d->PartNameLineEdit->setText(name);
            d->OkButton->click();
            return d->result();
        });
    };
    answer(-1, QStringLiteral("C7"));
    int type = lxlib::PCT_CAPACITOR;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part3"), type), QStringLiteral("C7"));
    QCOMPARE(type, int(lxlib::PCT_CAPACITOR));
    answer(5, QStringLiteral("Y1"));
    type = 0;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part1"), type), QStringLiteral("Y1"));
    QCOMPARE(type, int(lxlib::PCT_RESONATOR));
    QCOMPARE(seen, (QStringList{"Capacitor fixed", "Part3", "Connection", "Part1"}));

    // Cancel leaves the type alone.
    prompter.answerDialog([](QDialog* d) {
        static_cast<lxPassiveTypeDlg*>(d)->CancelButton->click();
        return d->result();
    });
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part1"), type), QString());
    QCOMPARE(type, int(lxlib::PCT_RESONATOR));
    QVERIFY(prompter.unexpected().isEmpty());
    QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(QStringLiteral("boardcontact")), int(lxlib::PCT_BOARD_CONTACT));
    QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(QStringLiteral("Board Contact")), 0);
}

void PassiveDialogTest::okNeedsAName()
{
    lxPassiveTypeDlg type;
    type.show();
    type.PartNameLineEdit->clear();
    type.OkButton->click();
    QVERIFY(type.isVisible());
    type.PartNameLineEdit->setText(QStringLiteral("R1"));
    type.cbPassiveType->setCurrentIndex(3);
    type.OkButton->click();
    QVERIFY(!type.isVisible());
    QCOMPARE(type.passiveType(), int(lxlib::PCT_RESISTOR));

    lxPassiveConditionDlg condition;
    condition.show();
    condition.ConditionalLEdit->clear();
    condition.OkButton->click();
    QVERIFY(condition.isVisible());

    ScriptedPrompter prompter;
    prompter.answerText(QStringLiteral("Enabled"));
    QCOMPARE(condition.getConditionName(QStringLiteral("Condition2")), QStringLiteral("Enabled"));
    QCOMPARE(prompter.shown().first().text, QStringLiteral("PassiveConditionForm"));
    prompter.answerText(QStringLiteral("Enabled"), false);
    QCOMPARE(condition.getConditionName(QStringLiteral("Condition2")), QString());
}

void PassiveDialogTest::pageForm()
{
    QWidget page;
    Ui::PWPassivePage form;
    form.setupUi(&page);
    QCOMPARE(form.lxListBoxDeviceList->metaObject()->className(), "lxListBox");
    QCOMPARE(form.lxListBoxConditionalPartList->metaObject()->className(), "lxListBox");
    QStringList pages;
    for (int i = 0; i < form.wsPinDefinitions->count(); ++i)
        pages << form.wsPinDefinitions->widget(i)->objectName();
    QCOMPARE(pages, (QStringList{"WSPassiveResistor", "WSPassiveConnection", "WSPassiveConnector",
                                 "WSPassiveBoardContact", "WSPassiveUnknown"}));
    QCOMPARE(form.wsPinDefinitions->currentWidget(), form.WSPassiveUnknown);
}

int runPassiveDialogTests(int argc, char** argv)
{
    PassiveDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passivedialogs.moc"
