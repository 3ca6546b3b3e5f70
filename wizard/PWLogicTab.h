#ifndef PWLOGICTAB_H
#define PWLOGICTAB_H

#include <QList>
#include <QWidget>

#include <functional>

class CLogicPart;
class PWListHistory;
class PWWizardContext;

// One tab of the logic part page. The page stores the tab it leaves and shows
// the tab it enters; the tab keeps what is being edited in its widgets between.
class PWLogicTab : public QWidget
{
    Q_OBJECT
public:
    PWLogicTab(PWWizardContext* context, QWidget* parent) : QWidget(parent), m_context(context) {}

    // Takes the item the tab shows into logic part `part` when it holds edits.
    virtual void storeTab(int part) = 0;
    // Refills the tab from logic part `part`; a position without a part shows it empty.
    virtual void showTab(int part) = 0;
    virtual void clearTab() = 0;
    // A logic part was removed; edits kept for the parts behind it move up.
    virtual void logicPartRemoved(int part) { Q_UNUSED(part); }
    // The edit marks kept for a part, handed back by logicPartInserted when a
    // removed part returns.
    virtual QList<int> partMarks(int part) const
    {
        Q_UNUSED(part);
        return {};
    }
    // A removed logic part is back at `part`; the parts behind it move down.
    virtual void logicPartInserted(int part, const QList<int>& marks)
    {
        Q_UNUSED(part);
        Q_UNUSED(marks);
    }

    // The page's list history, and how the page brings a part's tab into view
    // before one of its steps is taken back.
    void setListHistory(PWListHistory* history, std::function<void(PWLogicTab*, int)> reveal)
    {
        m_history = history;
        m_reveal = std::move(reveal);
    }

protected:
    PWWizardContext* context() const { return m_context; }
    PWListHistory* listHistory() const { return m_history; }
    void reveal(int part)
    {
        if (m_reveal)
            m_reveal(this, part);
    }
    // Reveals the part's tab and stores what it shows, so that the model holds
    // the whole list; the part's record, null when there is none.
    CLogicPart* revealStored(int part);

private:
    PWWizardContext* m_context;
    PWListHistory* m_history = nullptr;
    std::function<void(PWLogicTab*, int)> m_reveal;
};

#endif
