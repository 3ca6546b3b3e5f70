#include "PWLogicPartsPage.h"

#include "CLogic.h"
#include "LxMessages.h"
#include "PWDisableTab.h"
#include "PWEditState.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "LxListMenu.h"
#include "PWImages.h"
#include "PWListHistory.h"
#include "PWListMoveStep.h"
#include "PWListRenameStep.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTruthTableTab.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

namespace {

QIcon logicIcon() { return QIcon(lxImage(QStringLiteral("PWlogic.png"))); }

// A logic part out of the list: the record with all its content, its signal
// index and what the tabs kept for it.
struct TakenPart : PWTakenRecord<CLogicPart>
{
    std::unique_ptr<CLogicData> signalIndex;
    QList<int> marks[PWLogicPartsPage::TabCount];
    int lastTab = -1;
};

} // namespace

PWLogicPartsPage::PWLogicPartsPage(PWWizardContext* context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(new Ui::PWLogicPage), m_history(new PWListHistory(context, this))
{
    m_ui->setupUi(this);
    m_history->bind(m_ui->lbLogicPartLBox);

    m_pinListTab = new PWPinListTab(context, m_ui->TabPinList);
    m_ui->TabPinList->layout()->addWidget(m_pinListTab);
    m_pinListTab->setLogicPartNameProvider([this] {
        const QListWidgetItem* item = m_ui->lbLogicPartLBox->currentItem();
        return item ? item->text() : QString();
    });
    m_tabs[PinListTab] = m_pinListTab;
    m_truthTableTab = new PWTruthTableTab(context, m_ui->TabFunctionTruthTable);
    m_testSequenceTab = new PWTestSequenceTab(context, m_ui->tabTestSequence);
    m_enableTab = new PWEnableTab(context, m_ui->tabEnableControl);
    m_disableTab = new PWDisableTab(context, m_ui->tabDisableControl);
    m_latchTab = new PWLatchTab(context, m_ui->tabLatchSequence);
    m_tabs[TruthTableTab] = m_truthTableTab;
    m_tabs[TestSequenceTab] = m_testSequenceTab;
    m_tabs[EnableTab] = m_enableTab;
    m_tabs[DisableTab] = m_disableTab;
    m_tabs[LatchTab] = m_latchTab;
    for (int t = TruthTableTab; t <= LatchTab; ++t)
        m_ui->LogicPartTWidget->widget(t)->layout()->addWidget(m_tabs[t]);
    for (PWLogicTab* t : m_tabs)
        t->setListHistory(m_history, [this](PWLogicTab* tab, int part) { revealTab(tab, part); });
    // The pin list's name field shows what a rename changed; Ctrl+Z there takes it back too.
    for (QWidget* list : {static_cast<QWidget*>(m_pinListTab->form()->PinListLBox),
                          static_cast<QWidget*>(m_enableTab->list()), static_cast<QWidget*>(m_disableTab->list()),
                          static_cast<QWidget*>(m_latchTab->list()),
                          static_cast<QWidget*>(m_testSequenceTab->form()->lbTestSequenceLBox),
                          static_cast<QWidget*>(m_pinListTab->form()->PinListNameLEdit)})
        m_history->bind(list);

    connect(m_ui->AddLogicPart, &QPushButton::clicked, this, &PWLogicPartsPage::slotAddLogicPart);
    connect(m_ui->DeleteLogicPart, &QPushButton::clicked, this, &PWLogicPartsPage::slotDeleteLogicPart);
    connect(m_ui->lbLogicPartLBox, &QListWidget::itemSelectionChanged, this,
            &PWLogicPartsPage::slotLogicPartLBoxSelectionChanged);
    lxConnectListMenu(m_ui->lbLogicPartLBox, this, [this](QListWidgetItem* item, const QPoint& pos) { slotLogicPartLBoxPopppMenu(item, pos); });
    connect(m_ui->LogicPartTWidget, &QTabWidget::currentChanged, this,
            &PWLogicPartsPage::slotlogicPartTWidgetCurrentChanged);
    if (PWEditState* state = context->editState())
        state->addControl(m_ui->AddLogicPart);
    clear();
}

PWLogicPartsPage::~PWLogicPartsPage() { delete m_ui; }

int PWLogicPartsPage::currentLogicPart() const { return m_ui->lbLogicPartLBox->currentRow(); }

bool PWLogicPartsPage::editable() const { return m_context->category < 3 && !m_context->viewOnly; }

void PWLogicPartsPage::updateButtons()
{
    m_ui->AddLogicPart->setEnabled(editable());
    m_ui->DeleteLogicPart->setEnabled(editable() && m_ui->lbLogicPartLBox->count() > 0);
    m_pinListTab->updateEditable();
    m_testSequenceTab->updateEditable();
}

bool PWLogicPartsPage::nameTaken(const QString& name) const
{
    for (const CLogicPart* part : m_context->logic().logicParts())
        if (part->name() == name)
            return true;
    const QListWidget* box = m_ui->lbLogicPartLBox;
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->text() == name)
            return true;
    return false;
}

void PWLogicPartsPage::selectPart(int pos, bool withSignals)
{
    QListWidget* box = m_ui->lbLogicPartLBox;
    const QSignalBlocker block(withSignals ? nullptr : box);
    box->setCurrentRow(pos);
    if (QListWidgetItem* item = box->item(pos))
        item->setSelected(true);
}

void PWLogicPartsPage::slotAddLogicPart()
{
    if (m_context->pinNames().size() < 2) {
        m_context->showInformation(PartwrightDlg::tr("Unable to add a logic part\nPlease check your Packages"));
        return;
    }
    if (m_ui->lbLogicPartLBox->count() >= MaxLogicParts) {
        m_context->showInformation(
            PartwrightDlg::tr("It is not possible to add a new Logic Part\nMaximum number of logic parts is reached"));
        return;
    }
    const QString proposal =
        firstFreeDefaultName(PartwrightDlg::tr("Part"), [this](const QString& n) { return nameTaken(n); });
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the Logic Part name"), proposal, &answer))
        return;
    const int selectedBefore = currentLogicPart();
    if (addLogicPart(answer.trimmed().isEmpty() ? proposal : answer))
        m_history->push(new PWListMoveStep(PWListMoveStep::Added, this, 0, currentLogicPart(), selectedBefore));
}

bool PWLogicPartsPage::addLogicPart(const QString& name)
{
    if (nameTaken(name)) {
        //: %1 = Name of the logic part
        m_context->showInformation(PartwrightDlg::tr("Part name \"%1\" is already used").arg(name));
        return false;
    }
    QListWidget* box = m_ui->lbLogicPartLBox;
    const int pos = box->count();
    // The record comes first, so that selecting the entry shows it.
    CLogic& logic = m_context->logic();
    if (!logic.logicParts().at(pos))
        logic.insertLogicPart(pos, new CLogicPart(name));
    {
        const QSignalBlocker block(box);
        box->addItem(new QListWidgetItem(logicIcon(), name));
    }
    m_ui->LogicPartWStack->setCurrentWidget(m_ui->LogicPartWStackMain);
    selectPart(pos, true);
    updateButtons();
    return true;
}

void PWLogicPartsPage::slotRenameLogicPart()
{
    QListWidgetItem* item = m_ui->lbLogicPartLBox->currentItem();
    if (!item)
        return;
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the new part name"), item->text(), &answer)
        || answer.trimmed().isEmpty())
        return;
    m_history->push(new PWListRenameStep(this, 0, currentLogicPart(), item->text(), answer));
}

QString PWLogicPartsPage::refusal(int, int, const QString&, const PWTakenItem* returning) const
{
    // Renaming a logic part checks nothing, so neither does taking it back.
    if (!returning)
        return QString();
    if (m_ui->lbLogicPartLBox->count() >= MaxLogicParts)
        return PartwrightDlg::tr("It is not possible to add a new Logic Part\nMaximum number of logic parts is reached");
    if (nameTaken(returning->name))
        //: %1 = Name of the logic part
        return PartwrightDlg::tr("Part name \"%1\" is already used").arg(returning->name);
    return QString();
}

void PWLogicPartsPage::renameItem(int, int pos, const QString& name)
{
    QListWidgetItem* item = m_ui->lbLogicPartLBox->item(pos);
    if (!item)
        return;
    item->setText(name);
    if (CLogicPart* part = m_context->logic().logicParts().at(pos))
        part->setName(name);
    item->setSelected(true);
}

void PWLogicPartsPage::slotDeleteLogicPart()
{
    QListWidgetItem* item = m_ui->lbLogicPartLBox->currentItem();
    if (m_ui->lbLogicPartLBox->count() == 0 || !item)
        return;
    //: %1 = Name of the logic part
    if (!m_context->askYesNo(PartwrightDlg::tr("Do you want to delete Logic Part \"%1\"?").arg(item->text())))
        return;
    m_history->push(new PWListMoveStep(PWListMoveStep::Deleted, this, 0, currentLogicPart()));
}

std::unique_ptr<PWTakenItem> PWLogicPartsPage::takeItem(int, int pos)
{
    auto taken = std::make_unique<TakenPart>();
    // The part leaves with what its tab shows, so that it comes back complete.
    if (pos == currentLogicPart())
        storeCurrentTab();
    CLogic& logic = m_context->logic();
    if (const QListWidgetItem* entry = m_ui->lbLogicPartLBox->item(pos))
        taken->name = entry->text();
    taken->record.reset(logic.logicParts().take(pos));
    taken->signalIndex.reset(logic.signalIndexes().take(pos));
    for (int t = 0; t < TabCount; ++t)
        taken->marks[t] = m_tabs[t]->partMarks(pos);
    taken->lastTab = lastTab(pos);
    removePartEntry(pos);
    if (m_ui->lbLogicPartLBox->count() > 0) {
        showCurrentTab();
        m_previousPart = currentLogicPart();
    }
    return taken;
}

void PWLogicPartsPage::putItem(int, int pos, std::unique_ptr<PWTakenItem> item)
{
    auto& taken = static_cast<TakenPart&>(*item);
    storeCurrentTab();
    CLogic& logic = m_context->logic();
    logic.insertLogicPart(pos, taken.record ? taken.record.release() : new CLogicPart(item->name));
    // A part never shown has no signal index; the next selection builds it.
    if (taken.signalIndex)
        logic.insertSignalIndex(pos, taken.signalIndex.release());
    {
        const QSignalBlocker block(m_ui->lbLogicPartLBox);
        m_ui->lbLogicPartLBox->insertItem(pos, new QListWidgetItem(logicIcon(), item->name));
    }
    for (int t = 0; t < TabCount; ++t)
        m_tabs[t]->logicPartInserted(pos, taken.marks[t]);
    if (pos <= m_lastTab.size())
        m_lastTab.insert(pos, taken.lastTab);
    // What the tabs showed is stored; nothing is stored on the next selection.
    m_previousPart = -1;
    m_ui->LogicPartWStack->setCurrentWidget(m_ui->LogicPartWStackMain);
    selectItem(0, pos);
}

void PWLogicPartsPage::selectItem(int, int pos)
{
    selectPart(pos, false);
    slotLogicPartLBoxSelectionChanged();
    updateButtons();
}

void PWLogicPartsPage::revealTab(PWLogicTab* tab, int part)
{
    if (currentLogicPart() != part)
        selectItem(0, part);
    for (int t = 0; t < TabCount; ++t) {
        if (m_tabs[t] == tab && m_shownTab != t)
            m_ui->LogicPartTWidget->setCurrentIndex(t);
    }
}

bool PWLogicPartsPage::deleteLogicPart(int pos)
{
    m_context->logic().deleteLogicPart(pos);
    removePartEntry(pos);
    return true;
}

void PWLogicPartsPage::removePartEntry(int pos)
{
    QListWidget* box = m_ui->lbLogicPartLBox;
    {
        const QSignalBlocker block(box);
        delete box->takeItem(pos);
    }
    for (PWLogicTab* t : m_tabs)
        t->logicPartRemoved(pos);
    if (pos < m_lastTab.size())
        m_lastTab.remove(pos);
    // The deleted part's edits went with it; nothing is stored on the next selection.
    m_previousPart = -1;
    if (box->count() > 0) {
        selectPart(qBound(0, box->currentRow(), box->count() - 1), false);
        m_context->currentLogicPart = box->currentRow();
        updateButtons();
        return;
    }
    m_ui->LogicPartWStack->setCurrentWidget(m_ui->LogicPartWStackInValid);
    m_context->currentLogicPart = 0;
    for (PWLogicTab* t : m_tabs)
        t->clearTab();
    updateButtons();
}

void PWLogicPartsPage::storeCurrentTab()
{
    if (currentLogicPart() >= 0)
        m_tabs[m_shownTab]->storeTab(currentLogicPart());
}

void PWLogicPartsPage::showCurrentTab()
{
    m_tabs[m_shownTab]->showTab(currentLogicPart());
}

void PWLogicPartsPage::slotLogicPartLBoxSelectionChanged()
{
    if (m_previousPart != -1)
        m_tabs[m_shownTab]->storeTab(m_previousPart);
    const int current = currentLogicPart();
    m_context->currentLogicPart = qMax(0, current);
    if (current >= 0) {
        m_context->logic().rebuildSignalIndex(current);
        showCurrentTab();
    }
    m_previousPart = current;
}

void PWLogicPartsPage::slotlogicPartTWidgetCurrentChanged(int index)
{
    const int part = currentLogicPart();
    const int left = m_shownTab;
    if (part >= 0)
        m_tabs[left]->storeTab(part);
    const CLogic& logic = m_context->logic();
    if (!m_context->loading && (m_context->category == 1 || m_context->category == 2) && left == PinListTab) {
        QString error;
        if (logic.validatePinLists(error) && !logic.checkPinListsMatch(error)) {
            m_context->showInformation(error);
            const QSignalBlocker block(m_ui->LogicPartTWidget);
            m_ui->LogicPartTWidget->setCurrentIndex(PinListTab);
            return;
        }
    }
    m_shownTab = index;
    if (part >= 0) {
        m_tabs[index]->showTab(part);
        if (part >= m_lastTab.size())
            m_lastTab.insert(m_lastTab.size(), part + 1 - m_lastTab.size(), -1);
        m_lastTab[part] = index;
    }
    QString error;
    emit finishAllowed(logic.checkPinListsPresent(error) || m_context->viewOnly);
}

QMenu* PWLogicPartsPage::createLogicPartMenu(QListWidgetItem* item)
{
    if (m_context->category == 3 || m_context->category == 4)
        return nullptr;
    // Viewing only, the menu offers no more than the disabled buttons.
    const bool changes = editable();
    auto* menu = new QMenu(this);
    menu->addAction(logicIcon(), PartwrightDlg::tr("New ..."), this, &PWLogicPartsPage::slotAddLogicPart)
        ->setEnabled(changes);
    menu->addAction(logicIcon(), PartwrightDlg::tr("Rename ..."), this, &PWLogicPartsPage::slotRenameLogicPart)
        ->setEnabled(changes && item);
    menu->addAction(logicIcon(), PartwrightDlg::tr("Delete"), this, &PWLogicPartsPage::slotDeleteLogicPart)
        ->setEnabled(changes && item);
    if (changes)
        m_history->appendTo(menu);
    return menu;
}

void PWLogicPartsPage::slotLogicPartLBoxPopppMenu(QListWidgetItem* item, const QPoint& pos)
{
    lxExecPopup(createLogicPartMenu(item), pos);
}

void PWLogicPartsPage::showModel()
{
    clear();
    const CLogicPartList& parts = m_context->logic().logicParts();
    {
        const QSignalBlocker block(m_ui->lbLogicPartLBox);
        for (const CLogicPart* part : parts)
            m_ui->lbLogicPartLBox->addItem(new QListWidgetItem(logicIcon(), part->name()));
    }
    if (parts.count() > 0) {
        m_ui->LogicPartWStack->setCurrentWidget(m_ui->LogicPartWStackMain);
        selectPart(0, true);
    }
    updateButtons();
}

void PWLogicPartsPage::clear()
{
    {
        const QSignalBlocker block(m_ui->lbLogicPartLBox);
        m_ui->lbLogicPartLBox->clear();
    }
    {
        const QSignalBlocker block(m_ui->LogicPartTWidget);
        m_ui->LogicPartTWidget->setCurrentIndex(PinListTab);
    }
    for (PWLogicTab* t : m_tabs)
        t->clearTab();
    m_shownTab = PinListTab;
    m_previousPart = -1;
    m_context->currentLogicPart = 0;
    m_context->pinListMarks.clear();
    m_lastTab.clear();
    m_history->clear();
    m_ui->LogicPartWStack->setCurrentWidget(m_ui->LogicPartWStackInValid);
    updateButtons();
}
