#include "PWPatternListTab.h"

#include "CLogic.h"
#include "LxLibTable.h"
#include "LxListMenu.h"
#include "LxTableHistory.h"
#include "LxMessages.h"
#include "PWEditState.h"
#include "PWImages.h"
#include "PWListHistory.h"
#include "PWListMoveStep.h"
#include "PWListRenameStep.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

PWPatternListTab::PWPatternListTab(const Setup& setup, PWWizardContext* context, QWidget* parent)
    : PWLogicTab(context, parent), m_setup(setup), m_list(new QListWidget(this)),
      m_add(new QPushButton(PartwrightDlg::tr("New ..."), this)),
      m_delete(new QPushButton(PartwrightDlg::tr("Delete"), this)), m_stack(new QStackedWidget(this)),
      m_editorPage(new QWidget(m_stack)), m_invalidPage(new QWidget(m_stack)),
      m_editorLayout(new QVBoxLayout(m_editorPage))
{
    m_list->setObjectName(QLatin1String(setup.names.list));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setMaximumWidth(220);
    m_add->setObjectName(QLatin1String(setup.names.add));
    m_delete->setObjectName(QLatin1String(setup.names.remove));
    m_delete->setEnabled(false);
    m_stack->setObjectName(QLatin1String(setup.names.stack));
    m_editorPage->setObjectName(QLatin1String(setup.names.editorPage));
    m_invalidPage->setObjectName(QLatin1String(setup.names.invalidPage));
    m_editorLayout->setContentsMargins(0, 0, 0, 0);

    auto* empty = new QLabel(setup.emptyText, m_invalidPage);
    empty->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(m_invalidPage))->addWidget(empty);
    m_stack->addWidget(m_editorPage);
    m_stack->addWidget(m_invalidPage);
    m_stack->setCurrentWidget(m_invalidPage);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    auto* left = new QVBoxLayout;
    left->addWidget(m_list);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addWidget(m_stack, 1);

    if (PWEditState* state = context->editState())
        state->addControl(m_add);
}

void PWPatternListTab::setChoices(QComboBox* box, const QStringList& choices)
{
    box->clear();
    box->addItems(choices);
}

int PWPatternListTab::insertionRow(const LxLibTable* table)
{
    const int current = table->currentRow();
    return current >= 0 && table->isRowSelected(current) ? current : table->numRows();
}

QList<QPair<int, QString>> PWPatternListTab::pastedLines(const QString& text)
{
    QList<QPair<int, QString>> lines;
    int n = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        ++n;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().isEmpty())
            lines.append({n, line});
    }
    return lines;
}

void PWPatternListTab::showSignal(QComboBox* box, const QString& name)
{
    int i = box->findText(name);
    if (i < 0) {
        i = qMax(0, box->count() - 1);
        box->insertItem(i, name);
    }
    box->setCurrentIndex(i);
}

int PWPatternListTab::currentIndex() const { return m_list->currentRow(); }

int PWPatternListTab::patternCount(const CLogicPart& part) const
{
    switch (m_setup.kind) {
    case Setup::Enables:
        return part.enablePatterns().count();
    case Setup::Disables:
        return part.disablePatterns().count();
    default:
        return part.latchSequences().count();
    }
}

QString PWPatternListTab::patternName(const CLogicPart& part, int index) const
{
    switch (m_setup.kind) {
    case Setup::Enables:
        return part.enablePatterns().at(index)->GetName();
    case Setup::Disables:
        return part.disablePatterns().at(index)->GetName();
    default:
        return part.latchSequences().at(index)->GetName();
    }
}

lxlib::LxLibObject* PWPatternListTab::takeModelPattern(CLogicPart& part, int index)
{
    if (m_setup.kind == Setup::Enables)
        return part.enablePatterns().take(index);
    if (m_setup.kind == Setup::Disables)
        return part.disablePatterns().take(index);
    return part.latchSequences().take(index);
}

void PWPatternListTab::insertModelPattern(CLogicPart& part, int index, lxlib::LxLibObject* pattern)
{
    if (m_setup.kind == Setup::Enables)
        part.insertEnablePattern(index, static_cast<lxlib::LxLibEnablePattern*>(pattern));
    else if (m_setup.kind == Setup::Disables)
        part.insertDisablePattern(index, static_cast<lxlib::LxLibDisablePattern*>(pattern));
    else
        part.insertLatchSequence(index, static_cast<lxlib::LxLibLatchSequence*>(pattern));
}

const CLogicPart* PWPatternListTab::shownRecord() const
{
    return m_shownPart < 0 ? nullptr : context()->logic().logicParts().at(m_shownPart);
}

CLogicPart& PWPatternListTab::record(int part)
{
    CLogic& logic = context()->logic();
    if (!logic.logicParts().at(part))
        logic.insertLogicPart(part, new CLogicPart);
    return *logic.logicParts().at(part);
}

void PWPatternListTab::markEdited()
{
    if (m_shownPart >= 0 && !context()->loading)
        m_marks.setMark(currentIndex(), PWEditMarks::Edited, m_shownPart);
}

void PWPatternListTab::followHistory(LxTableHistory* history)
{
    m_history = history;
    m_marks.followHistory(history, [this] { return std::make_pair(currentIndex(), m_shownPart); });
}

bool PWPatternListTab::readOnly() const { return context()->viewOnly || context()->memoryCategory(); }

bool PWPatternListTab::editable() const { return !readOnly(); }

QSet<QString> PWPatternListTab::takenNames() const
{
    QSet<QString> names;
    if (m_setup.defaultsAcrossParts) {
        for (const CLogicPart* part : context()->logic().logicParts())
            for (int i = 0; i < patternCount(*part); ++i)
                names.insert(patternName(*part, i));
    }
    for (int i = 0; i < m_list->count(); ++i)
        names.insert(m_list->item(i)->text());
    return names;
}

QString PWPatternListTab::defaultName(int n) const { return m_setup.defaultBase + defaultNameNumber(n); }

void PWPatternListTab::appendEntry(const QString& name)
{
    const QSignalBlocker block(m_list);
    m_list->addItem(new QListWidgetItem(QIcon(lxImage(m_setup.icon)), name));
}

void PWPatternListTab::selectEntry(int index)
{
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(index);
    if (QListWidgetItem* item = m_list->item(index))
        item->setSelected(true);
}

void PWPatternListTab::updateDeleteButton() { m_delete->setEnabled(editable() && m_list->count() > 0); }

void PWPatternListTab::storeEdited()
{
    // Leaving a part stores its tab, so only the part on show can hold edits.
    if (m_shownPart < 0)
        return;
    const int k = m_marks.firstEdited(m_shownPart);
    if (k < 0 || k >= m_list->count())
        return;
    storePattern(m_shownPart, k);
    m_marks.setMark(k, PWEditMarks::Stored, m_shownPart);
    if (m_history)
        m_history->setStored();
}

void PWPatternListTab::storeTab(int part)
{
    if (part == m_shownPart)
        storeEdited();
}

void PWPatternListTab::clearTab()
{
    // The model the marks were kept for is gone.
    m_marks.clear();
    emptyWidgets();
}

void PWPatternListTab::emptyWidgets()
{
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
    }
    clearEditor();
    m_delete->setEnabled(false);
    m_stack->setCurrentWidget(m_invalidPage);
    m_shownPart = -1;
}

void PWPatternListTab::showTab(int part) { fillTab(part); }

void PWPatternListTab::fillTab(int part)
{
    emptyWidgets();
    m_shownPart = part;
    m_addable = false;
    const CLogicPart* p = shownRecord();
    if (!p)
        return;
    prepareEditor();
    const int count = patternCount(*p);
    for (int i = 0; i < count; ++i) {
        const QString name = patternName(*p, i);
        appendEntry(name.isEmpty() ? defaultName(i + 1) : name);
    }
    m_stack->setCurrentWidget(count > 0 ? m_editorPage : m_invalidPage);
    updateDeleteButton();
    if (count == 0)
        return;
    // Showing each entry in turn would leave the last one shown; show only that.
    selectEntry(count - 1);
    showPattern(count - 1);
}

void PWPatternListTab::logicPartRemoved(int part)
{
    m_marks.removeKind(part);
    if (m_shownPart == part)
        m_shownPart = -1;
    else if (m_shownPart > part)
        --m_shownPart;
}

void PWPatternListTab::logicPartInserted(int part, const QList<int>& marks)
{
    m_marks.insertKind(part, marks);
    if (m_shownPart >= part)
        ++m_shownPart;
}

void PWPatternListTab::addItem(const std::function<bool(const QString&)>& add)
{
    if (!shownRecord() || !m_addable) {
        context()->showInformation(m_setup.cannotAdd);
        return;
    }
    const QSet<QString> taken = takenNames();
    const QString proposal
        = firstFreeDefaultName(m_setup.defaultBase, [&taken](const QString& n) { return taken.contains(n); });
    QString answer;
    if (!LxMessages::askName(m_setup.askAdd, proposal, &answer))
        return;
    const int selectedBefore = currentIndex();
    const QString name = answer.trimmed().isEmpty() ? proposal : answer;
    if (add(name) && listHistory())
        listHistory()->push(
            new PWListMoveStep(PWListMoveStep::Added, this, m_shownPart, m_list->count() - 1, selectedBefore));
}

bool PWPatternListTab::addPattern(const QString& name)
{
    if (m_list->count() >= m_setup.limit) {
        context()->showInformation(m_setup.limitReached);
        return false;
    }
    if (m_list->count() > 0)
        storeEdited();
    prepareNew();
    const QString s = name.isEmpty() ? defaultName(m_list->count() + 1) : name;
    if (isReservedPatternName(s)) {
        context()->showInformation(m_setup.notAllowed);
        return false;
    }
    appendEntry(s);
    const int k = m_list->count() - 1;
    m_marks.setMark(k, PWEditMarks::Edited, m_shownPart);
    // Selecting stores the new item at once and shows it back.
    m_list->setCurrentRow(k);
    updateDeleteButton();
    m_stack->setCurrentWidget(m_editorPage);
    return true;
}

void PWPatternListTab::renameCurrent()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    QString answer;
    if (!LxMessages::askName(m_setup.askRename, item->text(), &answer))
        return;
    if (answer.trimmed().isEmpty()) {
        context()->showInformation(m_setup.noRenameName);
        return;
    }
    const QString name = m_setup.stripRename ? answer.trimmed() : answer;
    if (isReservedPatternName(answer) || isReservedPatternName(name)) {
        context()->showInformation(m_setup.notAllowed);
        return;
    }
    if (listHistory())
        listHistory()->push(new PWListRenameStep(this, m_shownPart, m_list->row(item), item->text(), name));
    else
        renameItem(m_shownPart, m_list->row(item), name);
}

QString PWPatternListTab::refusal(int part, int, const QString& name, const PWTakenItem* returning) const
{
    const CLogicPart* p = context()->logic().logicParts().at(part);
    const int count = part == m_shownPart ? m_list->count() : (p ? patternCount(*p) : 0);
    if (returning && count >= m_setup.limit)
        return m_setup.limitReached;
    return isReservedPatternName(returning ? returning->name : name) ? m_setup.notAllowed : QString();
}

void PWPatternListTab::renameItem(int part, int index, const QString& name)
{
    CLogicPart* p = context()->logic().logicParts().at(part);
    if (part == m_shownPart) {
        if (QListWidgetItem* item = m_list->item(index)) {
            const QSignalBlocker block(m_list);
            item->setText(name);
        }
        // The editor stores the name with the item.
        if (index == currentIndex())
            markEdited();
    }
    if (p && index < patternCount(*p)) {
        if (m_setup.kind == Setup::Enables)
            p->enablePatterns().at(index)->SetName(name);
        else if (m_setup.kind == Setup::Disables)
            p->disablePatterns().at(index)->SetName(name);
        else
            p->latchSequences().at(index)->SetName(name);
    }
}

void PWPatternListTab::deleteCurrent(const std::function<void(int, int)>& remove)
{
    QListWidgetItem* item = m_list->currentItem();
    if (m_list->count() == 0 || !item)
        return;
    if (!context()->askYesNo(m_setup.askDelete.arg(item->text())))
        return;
    if (remove)
        remove(m_shownPart, currentIndex());
    else
        removePattern(m_shownPart, currentIndex());
}

void PWPatternListTab::removePattern(int part, int index)
{
    if (listHistory())
        listHistory()->push(new PWListMoveStep(PWListMoveStep::Deleted, this, part, index));
    else
        deletePattern(part, index);
}

void PWPatternListTab::deletePattern(int part, int index)
{
    if (CLogicPart* p = context()->logic().logicParts().at(part))
        delete takeModelPattern(*p, index);
    removeEntry(part, index);
}

std::unique_ptr<PWTakenItem> PWPatternListTab::takeItem(int part, int index)
{
    auto taken = std::make_unique<PWTakenRecord<lxlib::LxLibObject>>();
    taken->mark = m_marks.mark(index, part);
    CLogicPart* p = revealStored(part);
    if (const QListWidgetItem* entry = part == m_shownPart ? m_list->item(index) : nullptr)
        taken->name = entry->text();
    if (p) {
        if (taken->name.isEmpty() && index < patternCount(*p))
            taken->name = patternName(*p, index);
        taken->record.reset(takeModelPattern(*p, index));
    }
    removeEntry(part, index);
    return taken;
}

void PWPatternListTab::putItem(int part, int index, std::unique_ptr<PWTakenItem> item)
{
    revealStored(part);
    auto& taken = static_cast<PWTakenRecord<lxlib::LxLibObject>&>(*item);
    if (!taken.record)
        return;
    insertModelPattern(record(part), index, taken.record.release());
    // Edited only means something for the item the editor shows.
    const bool edited = item->mark == PWEditMarks::Edited;
    m_marks.insertPosition(index, edited ? PWEditMarks::Stored : item->mark, part);
    if (part != m_shownPart)
        return;
    showTab(part);
    selectItem(part, index);
    if (edited)
        m_marks.setMark(index, PWEditMarks::Edited, part);
}

void PWPatternListTab::selectItem(int part, int index)
{
    revealStored(part);
    if (part != m_shownPart || !m_list->item(index))
        return;
    selectEntry(index);
    showPattern(index);
    m_stack->setCurrentWidget(m_editorPage);
    updateDeleteButton();
}

void PWPatternListTab::removeEntry(int part, int index)
{
    if (part == m_shownPart) {
        const QSignalBlocker block(m_list);
        delete m_list->takeItem(index);
    }
    m_marks.removePosition(index, part);
    if (part != m_shownPart)
        return;
    if (m_list->count() == 0) {
        clearEditor();
        updateDeleteButton();
        m_stack->setCurrentWidget(m_invalidPage);
        return;
    }
    selectEntry(qBound(0, m_list->currentRow(), m_list->count() - 1));
    if (!context()->loading)
        showPattern(currentIndex());
}

void PWPatternListTab::selectionChanged()
{
    storeEdited();
    if (!context()->loading && currentIndex() >= 0)
        showPattern(currentIndex());
}

QMenu* PWPatternListTab::createListMenu(QListWidgetItem* item)
{
    if (context()->memoryCategory())
        return nullptr;
    const QIcon icon(lxImage(m_setup.icon));
    const bool onEntry = item && m_list->count() > 0;
    auto* menu = new QMenu(this);
    menu->addAction(icon, PartwrightDlg::tr("New ..."), this, m_menuSlots[0]);
    menu->addAction(icon, PartwrightDlg::tr("Rename ..."), this, m_menuSlots[1])->setEnabled(onEntry);
    menu->addAction(icon, PartwrightDlg::tr("Delete "), this, m_menuSlots[2])->setEnabled(onEntry);
    if (editable() && listHistory())
        listHistory()->appendTo(menu);
    return menu;
}

void PWPatternListTab::execListMenu(QListWidgetItem* item, const QPoint& pos)
{
    lxExecPopup(createListMenu(item), pos);
}
