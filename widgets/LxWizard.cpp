#include "LxWizard.h"

#include "LxLibTable.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

LxWizard::LxWizard(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("LxWizardTitle"));
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_title->setFont(f);

    m_stack = new QStackedWidget(this);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    m_help = new QPushButton(tr("&Help"), this);
    m_back = new QPushButton(tr("< &Back"), this);
    m_next = new QPushButton(tr("&Next >"), this);
    m_finish = new QPushButton(tr("&Finish"), this);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_back->setObjectName(QStringLiteral("backButton"));
    m_next->setObjectName(QStringLiteral("nextButton"));
    m_finish->setObjectName(QStringLiteral("finishButton"));
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* b : {m_help, m_back, m_next, m_finish, m_cancel})
        b->setAutoDefault(false);
    m_next->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);
    buttons->addSpacing(12);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_stack, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    const auto step = [this](QPushButton* button, void (LxWizard::*run)()) {
        connect(button, &QPushButton::clicked, this, [this, run] {
            commitEdits();
            (this->*run)();
        });
    };
    step(m_back, &LxWizard::back);
    step(m_next, &LxWizard::next);
    step(m_finish, &LxWizard::accept);
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_help, &QPushButton::clicked, this, &LxWizard::helpClicked);
    updateButtons();
}

void LxWizard::addPage(QWidget* page, const QString& title)
{
    if (!page || indexOf(page) >= 0)
        return;
    m_pages.append({page, title});
    m_stack->addWidget(page);
    updateButtons();
}

int LxWizard::pageCount() const
{
    return static_cast<int>(m_pages.size());
}

QWidget* LxWizard::page(int index) const
{
    return (index >= 0 && index < pageCount()) ? m_pages[index].page : nullptr;
}

int LxWizard::indexOf(QWidget* page) const
{
    for (int i = 0; i < pageCount(); ++i)
        if (m_pages[i].page == page)
            return i;
    return -1;
}

QWidget* LxWizard::currentPage() const
{
    return m_stack->currentWidget();
}

int LxWizard::currentIndex() const
{
    return indexOf(currentPage());
}

void LxWizard::showPage(QWidget* page)
{
    if (indexOf(page) < 0)
        return;
    m_stack->setCurrentWidget(page);
    updateButtons();
    emit selected(title(page));
}

LxWizard::PageState* LxWizard::state(QWidget* page)
{
    const int i = indexOf(page);
    return i >= 0 ? &m_pages[i] : nullptr;
}

const LxWizard::PageState* LxWizard::state(QWidget* page) const
{
    const int i = indexOf(page);
    return i >= 0 ? &m_pages[i] : nullptr;
}

void LxWizard::setTitle(QWidget* page, const QString& title)
{
    if (PageState* s = state(page)) {
        s->title = title;
        updateButtons();
    }
}

QString LxWizard::title(QWidget* page) const
{
    const PageState* s = state(page);
    return s ? s->title : QString();
}

void LxWizard::setAppropriate(QWidget* page, bool appropriate)
{
    if (PageState* s = state(page)) {
        s->appropriate = appropriate;
        updateButtons();
    }
}

bool LxWizard::appropriate(QWidget* page) const
{
    const PageState* s = state(page);
    return s && s->appropriate;
}

void LxWizard::setNextEnabled(QWidget* page, bool enabled)
{
    if (PageState* s = state(page)) {
        s->nextEnabled = enabled;
        updateButtons();
    }
}

bool LxWizard::nextEnabled(QWidget* page) const
{
    const PageState* s = state(page);
    return s && s->nextEnabled;
}

void LxWizard::setBackEnabled(QWidget* page, bool enabled)
{
    if (PageState* s = state(page)) {
        s->backEnabled = enabled;
        updateButtons();
    }
}

void LxWizard::setFinishEnabled(QWidget* page, bool enabled)
{
    if (PageState* s = state(page)) {
        s->finishEnabled = enabled;
        updateButtons();
    }
}

bool LxWizard::finishEnabled(QWidget* page) const
{
    const PageState* s = state(page);
    return s && s->finishEnabled;
}

QWidget* LxWizard::nextPage() const
{
    for (int i = currentIndex() + 1; i < pageCount(); ++i)
        if (m_pages[i].appropriate)
            return m_pages[i].page;
    return nullptr;
}

QWidget* LxWizard::previousPage() const
{
    for (int i = currentIndex() - 1; i >= 0; --i)
        if (m_pages[i].appropriate)
            return m_pages[i].page;
    return nullptr;
}

void LxWizard::next()
{
    if (QWidget* p = nextPage())
        showPage(p);
}

void LxWizard::back()
{
    if (QWidget* p = previousPage())
        showPage(p);
}

void LxWizard::commitEdits()
{
    const QList<LxLibTable*> tables = findChildren<LxLibTable*>();
    for (LxLibTable* table : tables)
        table->commitEdit();
}

void LxWizard::accept()
{
    QDialog::accept();
}

void LxWizard::reject()
{
    QDialog::reject();
}

void LxWizard::updateButtons()
{
    QWidget* current = currentPage();
    const PageState* s = state(current);
    m_title->setText(s ? s->title : QString());
    m_title->setVisible(s && !s->title.isEmpty());
    const bool last = current && !nextPage();
    m_back->setEnabled(s && s->backEnabled && previousPage());
    m_next->setEnabled(s && s->nextEnabled && !last);
    // The last page always offers Finish; other pages only when asked to.
    const bool finishShown = s && (last || s->finishEnabled);
    m_finish->setVisible(finishShown);
    m_finish->setEnabled(s && s->finishEnabled);
    m_next->setDefault(!last);
    m_finish->setDefault(last);
}
