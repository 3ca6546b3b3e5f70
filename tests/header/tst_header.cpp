#include "LxClock.h"
#include "PWEditState.h"
#include "PWHeaderPage.h"
#include "lxlib.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestHeader : public QObject
{
    Q_OBJECT

private:
    template <typename T> static T* child(PWHeaderPage& page, const char* name)
    {
        auto* w = page.findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("missing widget %s", name);
        return w;
    }
    static QComboBox* combo(PWHeaderPage& page, const char* name)
    {
        return child<QComboBox>(page, name);
    }
    // Picks an entry as the user would: select it, then report the activation.
    static void pick(PWHeaderPage& page, const char* name, const QString& text)
    {
        QComboBox* box = combo(page, name);
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        emit box->textActivated(text);
    }
    static QStringList entries(QComboBox* box)
    {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list.append(box->itemText(i));
        return list;
    }
    static void pickDate(PWHeaderPage& page, const QString& year, const QString& month,
                         const QString& day)
    {
        pick(page, "DateYearCBox", year);
        pick(page, "DateMonthCBox", month);
        pick(page, "DateDayCBox", day);
    }

private slots:
    void init() { setLxToday([] { return QDate(2024, 3, 31); }); }
    void cleanup() { setLxToday({}); }

    void listsAtConstruction()
    {
        PWHeaderPage page;
        QComboBox* months = combo(page, "DateMonthCBox");
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(0), QStringLiteral("January"));
        QCOMPARE(months->itemText(11), QStringLiteral("December"));
        QComboBox* years = combo(page, "DateYearCBox");
        QCOMPARE(years->count(), 51);
        QCOMPARE(years->itemText(0), QStringLiteral("1980"));
        QCOMPARE(years->itemText(50), QStringLiteral("2030"));
        QCOMPARE(entries(combo(page, "DateDayCBox")).size(), 31);
    }

    void dayListRules()
    {
        PWHeaderPage page;
        QComboBox* days = combo(page, "DateDayCBox");

        pickDate(page, QStringLiteral("2024"), QStringLiteral("March"), QStringLiteral("31"));
        pick(page, "DateMonthCBox", QStringLiteral("April"));
        QCOMPARE(days->count(), 30);
        QCOMPARE(days->currentText(), QStringLiteral("1"));

        pick(page, "DateDayCBox", QStringLiteral("17"));
        pick(page, "DateMonthCBox", QStringLiteral("May"));
        QCOMPARE(days->count(), 31);
        QCOMPARE(days->currentText(), QStringLiteral("17"));

        pick(page, "DateDayCBox", QStringLiteral("29"));
        pick(page, "DateMonthCBox", QStringLiteral("February"));
        QCOMPARE(days->count(), 29);
        QCOMPARE(days->currentText(), QStringLiteral("29"));
        pick(page, "DateYearCBox", QStringLiteral("2023"));
        QCOMPARE(days->count(), 28);
        QCOMPARE(days->currentText(), QStringLiteral("1"));

        pick(page, "DateDayCBox", QStringLiteral("28"));
        pick(page, "DateYearCBox", QStringLiteral("2000"));
        QCOMPARE(days->count(), 29);
        QCOMPARE(days->currentText(), QStringLiteral("28"));

        // Outside the year list: only the rule itself can be checked.
        QCOMPARE(PWHeaderPage::daysInMonth(QStringLiteral("February"), 1900), 28);
        QCOMPARE(PWHeaderPage::daysInMonth(QStringLiteral("February"), 2000), 29);
        QCOMPARE(PWHeaderPage::daysInMonth(QStringLiteral("Smarch"), 2000), 0);

        // An unknown month text leaves the list alone.
        const QStringList before = entries(days);
        page.slotDateMonthCBoxActivated(QStringLiteral("Smarch"));
        QCOMPARE(entries(days), before);
    }

    void resetFromPinnedDate()
    {
        PWHeaderPage page;
        pick(page, "DateMonthCBox", QStringLiteral("April"));
        child<QLineEdit>(page, "leAuthor")->setText(QStringLiteral("someone"));
        child<QPlainTextEdit>(page, "teDesignNote")->setPlainText(QStringLiteral("note"));

        page.reset();
        QCOMPARE(combo(page, "DateMonthCBox")->currentText(), QStringLiteral("March"));
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("31"));
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("2024"));
        QVERIFY(child<QLineEdit>(page, "leAuthor")->text().isEmpty());
        QVERIFY(child<QPlainTextEdit>(page, "teDesignNote")->toPlainText().isEmpty());

        setLxToday([] { return QDate(1975, 2, 28); });
        page.reset();
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("1980"));
        setLxToday([] { return QDate(2044, 2, 29); });
        page.reset();
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("2030"));
        // 2030 is no leap year, so the 29th cannot be shown.
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("1"));
    }

    void dateAuthorComposition()
    {
        const QString m = QStringLiteral("May"), d = QStringLiteral("5"),
                      y = QStringLiteral("1999"), a = QStringLiteral("A. Writer");
        QCOMPARE(PWHeaderPage::dateAuthorText(m, d, y, a), QStringLiteral("May 5, 1999 A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText(m, d, y, {}), QStringLiteral("May 5, 1999"));
        QCOMPARE(PWHeaderPage::dateAuthorText(m, d, {}, a), QStringLiteral("May 5, A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText(m, {}, y, a), QStringLiteral("May, 1999 A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText({}, {}, y, a), QStringLiteral("1999 A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText({}, {}, {}, a), a);
        QCOMPARE(PWHeaderPage::dateAuthorText({}, {}, {}, {}), QString());
    }

    void writeThenReadRoundTrip()
    {
        PWHeaderPage page;
        pickDate(page, QStringLiteral("2024"), QStringLiteral("February"), QStringLiteral("29"));
        child<QLineEdit>(page, "leAuthor")->setText(QStringLiteral("Ann  van Dijk"));
        child<QLineEdit>(page, "leCopyRight")->setText(QStringLiteral("(c) 2024"));
        child<QLineEdit>(page, "leCategory")->setText(QStringLiteral("Buffers"));
        child<QLineEdit>(page, "leFunction")->setText(QStringLiteral("octal buffer"));
        child<QPlainTextEdit>(page, "teComments")
            ->setPlainText(QStringLiteral("  first  \n   \n\nsecond\n\tthird"));
        child<QPlainTextEdit>(page, "teDesignNote")->setPlainText(QStringLiteral("a note"));

        lxlib::LxLibInfo doc(QStringLiteral("unused.lib"));
        page.writeHeader(doc);
        const auto& headers = doc.GetHeaderList();
        QCOMPARE(headers.count(), 3); // no warnings entered, so no type-3 header
        QCOMPARE(headers.at(0)->GetHeaderType(), int(lxlib::HT_GENERAL));
        QCOMPARE(headers.at(0)->GetLogCommentList(),
                 QStringList({QStringLiteral("February 29, 2024 Ann  van Dijk"),
                              QStringLiteral("(c) 2024"), QStringLiteral("octal buffer"),
                              QStringLiteral("Buffers")}));
        QCOMPARE(headers.at(1)->GetHeaderType(), int(lxlib::HT_HISTORY));
        QCOMPARE(headers.at(1)->GetLogCommentList(),
                 QStringList({QStringLiteral("first"), QStringLiteral("second"),
                              QStringLiteral("third")}));
        QCOMPARE(headers.at(2)->GetHeaderType(), int(lxlib::HT_NOTE));

        PWHeaderPage other;
        other.readHeader(doc);
        QCOMPARE(combo(other, "DateMonthCBox")->currentText(), QStringLiteral("February"));
        QCOMPARE(combo(other, "DateDayCBox")->currentText(), QStringLiteral("29"));
        QCOMPARE(combo(other, "DateDayCBox")->count(), 29);
        QCOMPARE(combo(other, "DateYearCBox")->currentText(), QStringLiteral("2024"));
        QCOMPARE(child<QLineEdit>(other, "leAuthor")->text(), QStringLiteral("Ann  van Dijk"));
        QCOMPARE(child<QLineEdit>(other, "leCopyRight")->text(), QStringLiteral("(c) 2024"));
        QCOMPARE(child<QLineEdit>(other, "leCategory")->text(), QStringLiteral("Buffers"));
        QCOMPARE(child<QLineEdit>(other, "leFunction")->text(), QStringLiteral("octal buffer"));
        QCOMPARE(child<QPlainTextEdit>(other, "teComments")->toPlainText(),
                 QStringLiteral("first\nsecond\nthird"));
        QCOMPARE(child<QPlainTextEdit>(other, "teDesignNote")->toPlainText(),
                 QStringLiteral("a note"));

        // Writing what was read gives the same document.
        lxlib::LxLibInfo again(QStringLiteral("unused.lib"));
        other.writeHeader(again);
        QCOMPARE(again.GetHeaderList().count(), headers.count());
        for (int i = 0; i < headers.count(); ++i)
            QCOMPARE(again.GetHeaderList().at(i)->GetLogCommentList(),
                     headers.at(i)->GetLogCommentList());
    }

    void readIncompleteHeaders()
    {
        auto readText = [](PWHeaderPage& page, const QString& text) {
            lxlib::LxLibInfo doc(QStringLiteral("unused.lib"));
            auto* h = new lxlib::LxLibHeader(lxlib::HT_GENERAL);
            h->AddLogComment(text);
            doc.AddHeader(h);
            page.readHeader(doc);
        };
        PWHeaderPage page;
        child<QLineEdit>(page, "leAuthor")->setText(QStringLiteral("stale"));
        child<QPlainTextEdit>(page, "teComments")->setPlainText(QStringLiteral("stale"));

        readText(page, QStringLiteral("June 30, 1999"));
        QCOMPARE(combo(page, "DateMonthCBox")->currentText(), QStringLiteral("June"));
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("30"));
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("1999"));
        QVERIFY(child<QLineEdit>(page, "leAuthor")->text().isEmpty());
        QVERIFY(child<QPlainTextEdit>(page, "teComments")->toPlainText().isEmpty());

        child<QLineEdit>(page, "leAuthor")->setText(QStringLiteral("stale"));
        readText(page, QStringLiteral("June 5, Someone"));
        QVERIFY(child<QLineEdit>(page, "leAuthor")->text().isEmpty());
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("5"));

        // Texts that are no entries keep what the reset selected (the pinned today).
        readText(page, QStringLiteral("Smarch 42, 1812 X"));
        QCOMPARE(combo(page, "DateMonthCBox")->currentText(), QStringLiteral("March"));
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("31"));
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("2024"));
        QCOMPARE(child<QLineEdit>(page, "leAuthor")->text(), QStringLiteral("X"));

        // A day that does not fit the month read falls back to "1".
        readText(page, QStringLiteral("April 31, 2001"));
        QCOMPARE(combo(page, "DateDayCBox")->count(), 30);
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("1"));
    }

    void editStateLocksFields()
    {
        PWHeaderPage page;
        PWEditState state;
        page.registerEditState(state);
        state.apply(true, false);
        for (const char* name : {"leAuthor", "leCopyRight", "leCategory", "leFunction"})
            QVERIFY2(child<QLineEdit>(page, name)->isReadOnly(), name);
        for (const char* name : {"teComments", "teDesignWarning", "teDesignNote"})
            QVERIFY2(child<QPlainTextEdit>(page, name)->isReadOnly(), name);
        for (const char* name : {"DateMonthCBox", "DateDayCBox", "DateYearCBox"})
            QVERIFY2(!combo(page, name)->isEnabled(), name);

        state.apply(false, true);
        QVERIFY(!child<QLineEdit>(page, "leAuthor")->isReadOnly());
        QVERIFY(combo(page, "DateYearCBox")->isEnabled());
    }
};

QTEST_MAIN(TestHeader)
#include "tst_header.moc"
