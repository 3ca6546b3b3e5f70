#ifndef PWHEADERPAGE_H
#define PWHEADERPAGE_H

#include <QWidget>
#include <memory>

namespace Ui { class PWHeaderPage; }
namespace lxlib { class LxLibInfo; }
class PWEditState;

// The descriptive header of a model. Its content lives only in the widgets and is
// moved into / out of the library document when a model is saved or loaded.
//
// Choices left open by the file format:
// - reset clamps a current year outside the year list to its nearest end
//   ("1980" or "2030"), so the date stays as close to today as the list allows;
// - reading a day or year text that is not an entry of its combo keeps the
//   selection the reset made (today's), rather than inventing an entry.
class PWHeaderPage : public QWidget
{
    Q_OBJECT
public:
    explicit PWHeaderPage(QWidget* parent = nullptr);
    ~PWHeaderPage() override;

    void reset();
    void writeHeader(lxlib::LxLibInfo& doc) const;
    void readHeader(const lxlib::LxLibInfo& doc);
    void registerEditState(PWEditState& state);

    // Month, then day, then ", " year, then author; empty parts drop out together
    // with their separator.
    static QString dateAuthorText(const QString& month, const QString& day,
                                  const QString& year, const QString& author);
    // 0 for a text that is not a month name.
    static int daysInMonth(const QString& month, int year);

public slots:
    void slotDateMonthCBoxActivated(const QString& month);
    void slotDateDayCBoxActivated(const QString& day);
    void slotDateYearCBoxActivated(const QString& year);

private:
    void updateDayList(const QString& month, const QString& day, const QString& year);
    void readDateAuthor(const QString& text);

    std::unique_ptr<Ui::PWHeaderPage> m_ui;
};

#endif
