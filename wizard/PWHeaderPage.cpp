#include "PWHeaderPage.h"
#include "ui_PWHeaderPage.h"

#include "LxClock.h"
#include "PWEditState.h"
#include "PWVocabulary.h"
#include "lxlib.h"

#include <QComboBox>
#include <QTextBlock>
#include <algorithm>

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2030;

QStringList numberList(int first, int last)
{
    QStringList list;
    list.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}

void selectText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

QStringList trimmedLines(const QPlainTextEdit* edit)
{
    QStringList lines;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

} // namespace

PWHeaderPage::PWHeaderPage(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::PWHeaderPage>())
{
    m_ui->setupUi(this);

    QFont headingFont = m_ui->lblHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    m_ui->lblHeading->setFont(headingFont);

    m_ui->DateMonthCBox->addItems(MonthNames());
    m_ui->DateDayCBox->addItems(DayLists().last());
    m_ui->DateYearCBox->addItems(numberList(kFirstYear, kLastYear));
    for (QComboBox* box : {m_ui->DateMonthCBox, m_ui->DateDayCBox, m_ui->DateYearCBox})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    connect(m_ui->DateMonthCBox, &QComboBox::textActivated, this,
            &PWHeaderPage::slotDateMonthCBoxActivated);
    connect(m_ui->DateDayCBox, &QComboBox::textActivated, this,
            &PWHeaderPage::slotDateDayCBoxActivated);
    connect(m_ui->DateYearCBox, &QComboBox::textActivated, this,
            &PWHeaderPage::slotDateYearCBoxActivated);

    reset();
}

PWHeaderPage::~PWHeaderPage() = default;

void PWHeaderPage::reset()
{
    const QDate today = lxToday();
    m_ui->DateMonthCBox->setCurrentIndex(today.month() - 1);
    const int year = std::clamp(today.year(), kFirstYear, kLastYear);
    m_ui->DateYearCBox->setCurrentIndex(year - kFirstYear);
    // A day list left short by an earlier month would not hold today's day.
    updateDayList(m_ui->DateMonthCBox->currentText(), QString::number(today.day()),
                  m_ui->DateYearCBox->currentText());

    m_ui->leAuthor->clear();
    m_ui->leCopyRight->clear();
    m_ui->leFunction->clear();
    m_ui->leCategory->clear();
    m_ui->teComments->clear();
    m_ui->teDesignWarning->clear();
    m_ui->teDesignNote->clear();
}

int PWHeaderPage::daysInMonth(const QString& month, int year)
{
    return MonthNames().contains(month) ? int(dayListFor(month, year).size()) : 0;
}

void PWHeaderPage::updateDayList(const QString& month, const QString& day, const QString& year)
{
    if (!MonthNames().contains(month))
        return;
    const QStringList& days = dayListFor(month, year.toInt());
    QComboBox* box = m_ui->DateDayCBox;
    const QSignalBlocker blocker(box);
    if (box->count() != days.size()) {
        box->clear();
        box->addItems(days);
    }
    const int index = box->findText(day);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

void PWHeaderPage::slotDateMonthCBoxActivated(const QString& month)
{
    updateDayList(month, m_ui->DateDayCBox->currentText(), m_ui->DateYearCBox->currentText());
}

void PWHeaderPage::slotDateDayCBoxActivated(const QString& day)
{
    updateDayList(m_ui->DateMonthCBox->currentText(), day, m_ui->DateYearCBox->currentText());
}

void PWHeaderPage::slotDateYearCBoxActivated(const QString& year)
{
    updateDayList(m_ui->DateMonthCBox->currentText(), m_ui->DateDayCBox->currentText(), year);
}

QString PWHeaderPage::dateAuthorText(const QString& month, const QString& day,
                                     const QString& year, const QString& author)
{
    QString text = month;
    if (!day.isEmpty())
        text = text.isEmpty() ? day : text + QLatin1Char(' ') + day;
    if (!year.isEmpty())
        text = text.isEmpty() ? year : text + QStringLiteral(", ") + year;
    if (!author.isEmpty()) {
        if (text.isEmpty())
            text = author;
        else
            text += (year.isEmpty() ? QStringLiteral(", ") : QStringLiteral(" ")) + author;
    }
    return text;
}

void PWHeaderPage::writeHeader(lxlib::LxLibInfo& doc) const
{
    auto* general = new lxlib::LxLibHeader(lxlib::HT_GENERAL);
    general->AddLogComment(dateAuthorText(m_ui->DateMonthCBox->currentText(),
                                          m_ui->DateDayCBox->currentText(),
                                          m_ui->DateYearCBox->currentText(),
                                          m_ui->leAuthor->text()));
    general->AddLogComment(m_ui->leCopyRight->text());
    general->AddLogComment(m_ui->leFunction->text());
    general->AddLogComment(m_ui->leCategory->text());
    doc.AddHeader(general);

    const std::pair<int, const QPlainTextEdit*> lists[] = {
        {lxlib::HT_HISTORY, m_ui->teComments},
        {lxlib::HT_WARNING, m_ui->teDesignWarning},
        {lxlib::HT_NOTE, m_ui->teDesignNote}};
    for (const auto& [type, edit] : lists) {
        const QStringList lines = trimmedLines(edit);
        if (lines.isEmpty())
            continue;
        auto* header = new lxlib::LxLibHeader(type);
        for (const QString& line : lines)
            header->AddLogComment(line);
        doc.AddHeader(header);
    }
}

void PWHeaderPage::readHeader(const lxlib::LxLibInfo& doc)
{
    reset();
    const auto& headers = doc.GetHeaderList();
    for (int i = 0; i < headers.count(); ++i) {
        const lxlib::LxLibHeader* header = headers.at(i);
        const QString joined = header->GetLogCommentList().join(QLatin1Char('\n'));
        switch (header->GetHeaderType()) {
        case lxlib::HT_GENERAL:
            readDateAuthor(header->getDateAuthor());
            m_ui->leCopyRight->setText(header->getCopyRight());
            m_ui->leFunction->setText(header->getFunction());
            m_ui->leCategory->setText(header->getCategory());
            break;
        case lxlib::HT_HISTORY:
            m_ui->teComments->setPlainText(joined);
            break;
        case lxlib::HT_WARNING:
            m_ui->teDesignWarning->setPlainText(joined);
            break;
        case lxlib::HT_NOTE:
            m_ui->teDesignNote->setPlainText(joined);
            break;
        default:
            break;
        }
    }
}

void PWHeaderPage::readDateAuthor(const QString& text)
{
    if (text.isEmpty())
        return;
    const QStringList sections = text.split(QLatin1Char(' '));
    if (MonthNames().contains(sections.value(0)))
        selectText(m_ui->DateMonthCBox, sections.value(0));
    selectText(m_ui->DateYearCBox, sections.value(2));

    // The day list is refilled for the month and year just read, so a "29" or
    // "31" is found even when an earlier month had left the list short.
    const QString month = m_ui->DateMonthCBox->currentText();
    const QString year = m_ui->DateYearCBox->currentText();
    QString day = sections.value(1);
    day.remove(QLatin1Char(','));
    bool isNumber = false;
    const int dayNumber = day.toInt(&isNumber);
    const bool isEntry = isNumber && QString::number(dayNumber) == day && dayNumber >= 1
                         && dayNumber <= daysInMonth(month, year.toInt());
    updateDayList(month, isEntry ? day : m_ui->DateDayCBox->currentText(), year);

    m_ui->leAuthor->setText(sections.size() > 3 ? sections.mid(3).join(QLatin1Char(' '))
                                                : QString());
}

void PWHeaderPage::registerEditState(PWEditState& state)
{
    for (QWidget* field : std::initializer_list<QWidget*>{
             m_ui->leAuthor, m_ui->leCopyRight, m_ui->leCategory, m_ui->leFunction,
             m_ui->teComments, m_ui->teDesignWarning, m_ui->teDesignNote})
        state.addField(field, PWEditState::Logic);
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_ui->DateMonthCBox, m_ui->DateDayCBox, m_ui->DateYearCBox})
        state.addControl(control, PWEditState::Logic);
}
