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

template <typename T> T* child(PWHeaderPage& page, const char* name)
{
    auto* w = page.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("missing widget %s", name);
    return w;
}
QComboBox* combo(PWHeaderPage& page, const char* name) { return child<QComboBox>(page, name); }
QLineEdit* line(PWHeaderPage& page, const char* name) { return child<QLineEdit>(page, name); }
QPlainTextEdit* text(PWHeaderPage& page, const char* name)
{
    return child<QPlainTextEdit>(page, name);
}

// Picks an entry as the user would: select it, then report the activation.
void pick(PWHeaderPage& page, const char* name, const QString& entry)
{
    QComboBox* box = combo(page, name);
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
        all << combo(page, name)->currentText() << QString::number(combo(page, name)->count());
    for (const char* name : kLines)
        all << line(page, name)->text();
    for (const char* name : kTexts)
        all << text(page, name)->toPlainText();
    return all;
}

void readDateAuthor(PWHeaderPage& page, const QString& dateAuthor)
{
    lxlib::LxLibInfo doc(QStringLiteral("unused.lib"));
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
        QComboBox* days = combo(page, "DateDayCBox");
        QCOMPARE(combo(page, "DateYearCBox")->count(), 51);
        QCOMPARE(days->currentText(), QStringLiteral("31"));

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

        // 1900 lies outside the year list, so only the rule itself can be asked.
        QCOMPARE(PWHeaderPage::daysInMonth(QStringLiteral("February"), 1900), 28);

        const QStringList before = shown(page);
        page.slotDateMonthCBoxActivated(QStringLiteral("Smarch"));
        QCOMPARE(shown(page), before);
    }

    void resetFromPinnedDate()
    {
        PWHeaderPage page;
        pick(page, "DateMonthCBox", QStringLiteral("April"));
        for (const char* name : kLines)
            line(page, name)->setText(QStringLiteral("x"));
        for (const char* name : kTexts)
            text(page, name)->setPlainText(QStringLiteral("x"));
        page.reset();
        const QStringList today = {QStringLiteral("March"), QStringLiteral("12"),
                                   QStringLiteral("31"), QStringLiteral("31"),
                                   QStringLiteral("2024"), QStringLiteral("51")};
        QCOMPARE(shown(page), today + QStringList(7, QString()));

        setLxToday([] { return QDate(1975, 6, 1); });
        page.reset();
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("1980"));
        // 2044 clamps to 2030, no leap year: the 29th cannot be shown.
        setLxToday([] { return QDate(2044, 2, 29); });
        page.reset();
        QCOMPARE(combo(page, "DateYearCBox")->currentText(), QStringLiteral("2030"));
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("1"));
    }

    void dateAuthorComposition()
    {
        const QString m = QStringLiteral("May"), d = QStringLiteral("5"),
                      y = QStringLiteral("1999"), a = QStringLiteral("A. Writer");
        QCOMPARE(PWHeaderPage::dateAuthorText(m, d, y, a), QStringLiteral("May 5, 1999 A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText(m, d, {}, a), QStringLiteral("May 5, A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText(m, {}, y, a), QStringLiteral("May, 1999 A. Writer"));
        QCOMPARE(PWHeaderPage::dateAuthorText({}, {}, {}, a), a);
    }

    void writeThenReadRoundTrip()
    {
        PWHeaderPage page;
        pick(page, "DateYearCBox", QStringLiteral("2024"));
        pick(page, "DateMonthCBox", QStringLiteral("February"));
        pick(page, "DateDayCBox", QStringLiteral("29"));
        for (const char* name : kLines)
            line(page, name)->setText(QStringLiteral("%1  with blanks").arg(QLatin1String(name)));
        text(page, "teComments")->setPlainText(QStringLiteral("  first  \n   \n\nsecond\n\tthird"));
        text(page, "teDesignNote")->setPlainText(QStringLiteral("a note"));

        lxlib::LxLibInfo doc(QStringLiteral("unused.lib"));
        page.writeHeader(doc);
        const auto& headers = doc.GetHeaderList();
        QCOMPARE(headers.count(), 3); // no warnings entered, so no type-3 header
        QCOMPARE(headers.at(0)->GetHeaderType(), int(lxlib::HT_GENERAL));
        QCOMPARE(headers.at(0)->GetLogCommentList(),
                 QStringList({QStringLiteral("February 29, 2024 leAuthor  with blanks"),
                              QStringLiteral("leCopyRight  with blanks"),
                              QStringLiteral("leFunction  with blanks"),
                              QStringLiteral("leCategory  with blanks")}));
        QCOMPARE(headers.at(1)->GetHeaderType(), int(lxlib::HT_HISTORY));
        QCOMPARE(headers.at(1)->GetLogCommentList(),
                 QStringList({QStringLiteral("first"), QStringLiteral("second"),
                              QStringLiteral("third")}));
        QCOMPARE(headers.at(2)->GetHeaderType(), int(lxlib::HT_NOTE));

        setLxToday([] { return QDate(2001, 4, 30); });
        PWHeaderPage other;
        other.readHeader(doc);
        text(page, "teComments")->setPlainText(QStringLiteral("first\nsecond\nthird"));
        QCOMPARE(shown(other), shown(page));
    }

    void readIncompleteHeaders()
    {
        PWHeaderPage page;
        line(page, "leAuthor")->setText(QStringLiteral("stale"));
        text(page, "teComments")->setPlainText(QStringLiteral("stale"));
        readDateAuthor(page, QStringLiteral("June 30, 1999"));
        QCOMPARE(shown(page).mid(0, 7),
                 QStringList({QStringLiteral("June"), QStringLiteral("12"), QStringLiteral("30"),
                              QStringLiteral("30"), QStringLiteral("1999"), QStringLiteral("51"),
                              QString()}));
        QVERIFY(text(page, "teComments")->toPlainText().isEmpty());

        line(page, "leAuthor")->setText(QStringLiteral("stale"));
        readDateAuthor(page, QStringLiteral("June 5, Someone"));
        QVERIFY(line(page, "leAuthor")->text().isEmpty());
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("5"));

        // Texts that are no entries keep what the reset selected (the pinned today).
        readDateAuthor(page, QStringLiteral("Smarch 42, 1812 X  Y"));
        QCOMPARE(shown(page).mid(0, 7),
                 QStringList({QStringLiteral("March"), QStringLiteral("12"), QStringLiteral("31"),
                              QStringLiteral("31"), QStringLiteral("2024"), QStringLiteral("51"),
                              QStringLiteral("X  Y")}));

        readDateAuthor(page, QStringLiteral("April 31, 2001"));
        QCOMPARE(combo(page, "DateDayCBox")->count(), 30);
        QCOMPARE(combo(page, "DateDayCBox")->currentText(), QStringLiteral("1"));
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
            QVERIFY2(!combo(page, name)->isEnabled(), name);
        state.apply(false, true);
        QVERIFY(!line(page, "leAuthor")->isReadOnly());
        QVERIFY(combo(page, "DateYearCBox")->isEnabled());
    }
};

QTEST_MAIN(TestHeader)
#include "tst_header.moc"
