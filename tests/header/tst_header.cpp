#include "LxClock.h"
#include "PWEditState.h"
#include "PWHeaderPage.h"
#include "lxlib.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const char* const kCombos[] = {"DateMonthCBox", "DateDayCBox", "DateYearCBox"};
const char* const kLines[] = {"leAuthor", "leCopyRight", "leCategory", "leFunction"};
const char* const kTexts[] = {"teComments", "teDesignWarning", "teDesignNote"};

template <typename T = QComboBox>
T* child(PWHeaderPage& page, const char* name)
{
    if (auto* w = page.findChild<T*>(QLatin1String(name)))
        return w;
    qFatal("missing widget %s", name);
}
QLineEdit* line(PWHeaderPage& page, const char* name) { return child<QLineEdit>(page, name); }
QPlainTextEdit* text(PWHeaderPage& page, const char* name) { return child<QPlainTextEdit>(page, name); }

// Picks an entry as the user would: select it, then report the activation.
void pick(PWHeaderPage& page, const char* name, const QString& entry)
{
    QComboBox* box = child(page, name);
    const int index = box->findText(entry);
    if (index < 0)
        qFatal("no entry %s", qPrintable(entry));
    box->setCurrentIndex(index);
    emit box->textActivated(entry);
}

// Everything the page shows, in a fixed order, so two pages compare in one go.
QStringList shown(PWHeaderPage& page)
{
    QStringList all;
    for (const char* name : kCombos)
        all << child(page, name)->currentText() << QString::number(child(page, name)->count());
    for (const char* name : kLines)
        all << line(page, name)->text();
    for (const char* name : kTexts)
        all << text(page, name)->toPlainText();
    return all;
}

// The date part of shown(), with the author after it.
QStringList dateAndAuthor(const char* month, const char* day, const char* days, const char* year, const char* author)
{
    return {month, "12", day, days, year, "51", author};
}

void readDateAuthor(PWHeaderPage& page, const QString& dateAuthor)
{
    lxlib::LxLibInfo doc("unused.lib");
    auto* header = new lxlib::LxLibHeader(lxlib::HT_GENERAL);
    header->AddLogComment(dateAuthor);
    doc.AddHeader(header);
    page.readHeader(doc);
}

} // namespace

class TestHeader : public QObject
{
    Q_OBJECT

private slots:
    void init() { setLxToday([] { return QDate(2024, 3, 31); }); }
    void cleanup() { setLxToday({}); }

    void dayListRules()
    {
        PWHeaderPage page;
        QComboBox* days = child(page, "DateDayCBox");
        QCOMPARE(child(page, "DateYearCBox")->count(), 51);
        QCOMPARE(days->currentText(), "31");
        // The list follows month and leap year; a day it still holds stays chosen.
        const struct { const char *box, *entry; int count; const char* day; } steps[] = {
            {"DateMonthCBox", "April", 30, "1"},     {"DateDayCBox", "17", 30, "17"},
            {"DateMonthCBox", "May", 31, "17"},      {"DateDayCBox", "29", 31, "29"},
            {"DateMonthCBox", "February", 29, "29"}, {"DateYearCBox", "2023", 28, "1"},
            {"DateDayCBox", "28", 28, "28"},         {"DateYearCBox", "2000", 29, "28"}};
        for (const auto& step : steps) {
            pick(page, step.box, step.entry);
            QCOMPARE(days->count(), step.count);
            QCOMPARE(days->currentText(), step.day);
        }
        // 1900 lies outside the year list, so only the rule itself can be asked.
        QCOMPARE(PWHeaderPage::daysInMonth("February", 1900), 28);

        const QStringList before = shown(page);
        page.slotDateMonthCBoxActivated("Smarch");
        QCOMPARE(shown(page), before);
    }

    void writeThenRead()
    {
        QCOMPARE(PWHeaderPage::dateAuthorText("May", "5", "1999", "A. Writer"), "May 5, 1999 A. Writer");
        QCOMPARE(PWHeaderPage::dateAuthorText("May", "5", {}, "A. Writer"), "May 5, A. Writer");
        QCOMPARE(PWHeaderPage::dateAuthorText("May", {}, "1999", "A. Writer"), "May, 1999 A. Writer");
        QCOMPARE(PWHeaderPage::dateAuthorText({}, {}, {}, "A. Writer"), "A. Writer");

        PWHeaderPage page;
        pick(page, "DateYearCBox", "2024");
        pick(page, "DateMonthCBox", "February");
        pick(page, "DateDayCBox", "29");
        for (const char* name : kLines)
            line(page, name)->setText(QStringLiteral("%1  with blanks").arg(QLatin1String(name)));
        text(page, "teComments")->setPlainText("  first  \n   \n\nsecond\n\tthird");
        text(page, "teDesignNote")->setPlainText("a note");

        lxlib::LxLibInfo doc("unused.lib");
        page.writeHeader(doc);
        const auto& headers = doc.GetHeaderList();
        QCOMPARE(headers.count(), 3); // no warnings entered, so no type-3 header
        QCOMPARE(headers.at(0)->GetHeaderType(), int(lxlib::HT_GENERAL));
        QCOMPARE(headers.at(0)->GetLogCommentList(),
                 QStringList({"February 29, 2024 leAuthor  with blanks", "leCopyRight  with blanks",
                              "leFunction  with blanks", "leCategory  with blanks"}));
        QCOMPARE(headers.at(1)->GetHeaderType(), int(lxlib::HT_HISTORY));
        QCOMPARE(headers.at(1)->GetLogCommentList(), QStringList({"first", "second", "third"}));
        QCOMPARE(headers.at(2)->GetHeaderType(), int(lxlib::HT_NOTE));

        setLxToday([] { return QDate(2001, 4, 30); });
        PWHeaderPage other;
        other.readHeader(doc);
        text(page, "teComments")->setPlainText("first\nsecond\nthird");
        QCOMPARE(shown(other), shown(page));
    }

    void resetAndReadIncompleteHeaders()
    {
        PWHeaderPage page;
        pick(page, "DateMonthCBox", "April");
        for (const char* name : kLines)
            line(page, name)->setText("x");
        for (const char* name : kTexts)
            text(page, name)->setPlainText("x");
        page.reset();
        QCOMPARE(shown(page), dateAndAuthor("March", "31", "31", "2024", "") + QStringList(6, QString()));

        line(page, "leAuthor")->setText("stale");
        text(page, "teComments")->setPlainText("stale");
        readDateAuthor(page, "June 30, 1999");
        QCOMPARE(shown(page).mid(0, 7), dateAndAuthor("June", "30", "30", "1999", ""));
        QVERIFY(text(page, "teComments")->toPlainText().isEmpty());

        line(page, "leAuthor")->setText("stale");
        readDateAuthor(page, "June 5, Someone");
        QVERIFY(line(page, "leAuthor")->text().isEmpty());
        QCOMPARE(child(page, "DateDayCBox")->currentText(), "5");

        // Texts that are no entries keep what the reset selected (the pinned today).
        readDateAuthor(page, "Smarch 42, 1812 X  Y");
        QCOMPARE(shown(page).mid(0, 7), dateAndAuthor("March", "31", "31", "2024", "X  Y"));

        readDateAuthor(page, "April 31, 2001");
        QCOMPARE(child(page, "DateDayCBox")->count(), 30);
        QCOMPARE(child(page, "DateDayCBox")->currentText(), "1");

        setLxToday([] { return QDate(1975, 6, 1); });
        page.reset();
        QCOMPARE(child(page, "DateYearCBox")->currentText(), "1980");
        // 2044 clamps to 2030, no leap year: the 29th cannot be shown.
        setLxToday([] { return QDate(2044, 2, 29); });
        page.reset();
        QCOMPARE(child(page, "DateYearCBox")->currentText(), "2030");
        QCOMPARE(child(page, "DateDayCBox")->currentText(), "1");
    }

    void editStateLocksFields()
    {
        PWHeaderPage page;
        PWEditState state;
        page.registerEditState(state);
        state.apply(true, false);
        for (const char* name : kLines)
            QVERIFY2(line(page, name)->isReadOnly(), name);
        for (const char* name : kTexts)
            QVERIFY2(text(page, name)->isReadOnly(), name);
        for (const char* name : kCombos)
            QVERIFY2(!child(page, name)->isEnabled(), name);
        state.apply(false, true);
        QVERIFY(!line(page, "leAuthor")->isReadOnly() && child(page, "DateYearCBox")->isEnabled());
    }
};

QTEST_MAIN(TestHeader)
#include "tst_header.moc"
