#ifndef LXWIZARD_H
#define LXWIZARD_H

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QStackedWidget;

// A wizard dialog: a title, a stack of pages and Help/Back/Next/Finish/Cancel.
// Unlike QWizard it lets a subclass veto or redirect every step: next(), back(),
// accept() and reject() are virtual, pages can be skipped with setAppropriate()
// and Next/Finish are enabled per page.
class LxWizard : public QDialog
{
    Q_OBJECT
public:
    explicit LxWizard(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    void addPage(QWidget* page, const QString& title);
    int pageCount() const;
    QWidget* page(int index) const;
    int indexOf(QWidget* page) const;
    QWidget* currentPage() const;
    int currentIndex() const;
    void showPage(QWidget* page);

    void setTitle(QWidget* page, const QString& title);
    QString title(QWidget* page) const;
    void setAppropriate(QWidget* page, bool appropriate);
    bool appropriate(QWidget* page) const;
    void setNextEnabled(QWidget* page, bool enabled);
    bool nextEnabled(QWidget* page) const;
    void setBackEnabled(QWidget* page, bool enabled);
    void setFinishEnabled(QWidget* page, bool enabled);
    bool finishEnabled(QWidget* page) const;

    QPushButton* helpButton() const { return m_help; }
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* finishButton() const { return m_finish; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Ends every running cell edit of the wizard's tables, keeping its text,
    // so that a step or a save sees what the user typed. The buttons do it
    // before each step: a button pressed by shortcut takes no focus from an
    // editor.
    void commitEdits();

    // The next or previous appropriate page, or null.
    QWidget* nextPage() const;
    QWidget* previousPage() const;

public slots:
    virtual void next();
    virtual void back();
    void accept() override;
    void reject() override;

signals:
    void selected(const QString& title);
    void helpClicked();

protected:
    // Refreshes the title and button states for the current page.
    void updateButtons();

private:
    struct PageState
    {
        QWidget* page;
        QString title;
        bool appropriate = true;
        bool nextEnabled = true;
        bool backEnabled = true;
        bool finishEnabled = false;
    };
    PageState* state(QWidget* page);
    const PageState* state(QWidget* page) const;

    QLabel* m_title;
    QStackedWidget* m_stack;
    QPushButton* m_help;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
    QPushButton* m_cancel;
    QList<PageState> m_pages;
};

#endif
