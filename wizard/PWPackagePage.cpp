#include "PWPackagePage.h"

#include "LxLibComboItem.h"
#include "LxFindBar.h"
#include "LxLibTable.h"
#include "PWEditState.h"
#include "LxListMenu.h"
#include "LxTableHistory.h"
#include "PWImages.h"
#include "PWListHistory.h"
#include "PWListMoveStep.h"
#include "PWListRenameStep.h"
#include "PWPackagePinCheck.h"
#include "PWPasteChecks.h"
#include "PWTablePaste.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ui_PWPackagePage.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

PWPackagePage::PWPackagePage(PWWizardContext* context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(new Ui::PWPackagePage),
      m_history(new PWListHistory(context, this))
{
    m_ui->setupUi(this);
    m_history->bind(m_ui->PackageLBox);
    LxLibTable* table = m_ui->PackageTable;
    table->setTableKind(LxLibTable::PackageKind);
    table->setNumCols(3);
    table->setHorizontalHeaderLabels(
        {PartwrightDlg::tr("Number"), PartwrightDlg::tr("Name"), PartwrightDlg::tr("Type")});
    table->setSorting(true);

    connect(m_ui->AddNewPackage, &QPushButton::clicked, this, &PWPackagePage::slotAddPackage);
    connect(m_ui->DelPackage, &QPushButton::clicked, this, &PWPackagePage::slotDelPackage);
    connect(m_ui->PackageLBox, &QListWidget::itemSelectionChanged, this,
            &PWPackagePage::slotPackageLBoxSelectionChanged);
    lxConnectListMenu(m_ui->PackageLBox, this, [this](QListWidgetItem* item, const QPoint& pos) { slotPackageListMenuRequested(item, pos); });
    connect(m_ui->AddPackageId, &QPushButton::clicked, this, &PWPackagePage::slotAddPackageId);
    connect(m_ui->DelPackageId, &QPushButton::clicked, this, &PWPackagePage::slotDelPackageId);
    connect(m_ui->PackageIdListCBox, &QComboBox::activated, this, &PWPackagePage::slotPackageIdListCBoxActivated);
    connect(m_ui->PackageHasTap, &QCheckBox::stateChanged, this, &PWPackagePage::slotSetPackageHasTap);
    connect(m_ui->AddPackagePinDefinition, &QPushButton::clicked, this,
            &PWPackagePage::slotAddPackagePinDefinition);
    connect(m_ui->DelPackagePinDefinition, &QPushButton::clicked, this,
            &PWPackagePage::slotDelPackagePinDefinition);
    connect(table, &LxLibTable::valueChanged, this, &PWPackagePage::slotPackageTableValueChanged);
    connect(table, &LxLibTable::pasteRequested, this, &PWPackagePage::slotPastePins);
    connect(table, qOverload<int, int>(&LxLibTable::currentChanged), this,
            &PWPackagePage::slotPackageTableCurrentChanged);
    setUpHistory();
    new LxFindBar(table, LxFindBar::Rows, {0, 1});

    if (PWEditState* state = m_context->editState()) {
        state->addField(table);
        for (QWidget* w : {static_cast<QWidget*>(m_ui->AddNewPackage), static_cast<QWidget*>(m_ui->AddPackageId),
                           static_cast<QWidget*>(m_ui->DelPackageId), static_cast<QWidget*>(m_ui->PackageHasTap),
                           static_cast<QWidget*>(m_ui->AddPackagePinDefinition),
                           static_cast<QWidget*>(m_ui->DelPackagePinDefinition)})
            state->addControl(w);
    }
}

PWPackagePage::~PWPackagePage() { delete m_ui; }

int PWPackagePage::currentPackage() const { return m_ui->PackageLBox->currentRow(); }

void PWPackagePage::setUpHistory()
{
    LxTableHistory* history = m_ui->PackageTable->enableHistory();
    // The ids, the one chosen and the TAP flag are part of every step.
    history->setExtraState(
        [this] {
            QStringList ids;
            for (int i = 0; i < m_ui->PackageIdListCBox->count(); ++i)
                ids.append(m_ui->PackageIdListCBox->itemText(i));
            return QVariantList{ids, m_ui->PackageIdListCBox->currentIndex(), m_ui->PackageHasTap->isChecked(),
                                m_ui->DisplayPackageName->text()};
        },
        [this](const QVariant& state) {
            const QVariantList values = state.toList();
            const QSignalBlocker tapBlock(m_ui->PackageHasTap);
            m_ui->PackageIdListCBox->clear();
            m_ui->PackageIdListCBox->addItems(values.value(0).toStringList());
            m_ui->PackageIdListCBox->setCurrentIndex(values.value(1).toInt());
            m_ui->PackageHasTap->setChecked(values.value(2).toBool());
            // Deleting the id a package is listed by renames its entry.
            const QString name = values.value(3).toString();
            if (QListWidgetItem* item = m_ui->PackageLBox->currentItem(); item && !name.isEmpty())
                item->setText(name);
            m_ui->DisplayPackageName->setText(name);
        });
    // An id coming back must still be free in the other packages.
    history->setRestoreCheck([this](const QVariant& state) {
        const QStringList ids = state.toList().value(0).toStringList();
        const CPackageList& packages = m_context->logic().packages();
        for (const QString& id : ids) {
            if (m_ui->PackageIdListCBox->findText(id, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
                continue;
            for (int i = 0; i < packages.count(); ++i) {
                if (i != currentPackage() && packages.at(i)->packageIds().contains(id)) {
                    //: %1 = Name of the package
                    m_context->showInformation(PartwrightDlg::tr("Package id \"%1\" is already used").arg(id));
                    return false;
                }
            }
        }
        return true;
    });
    connect(history, &LxTableHistory::restored, this, [this] { fitTextColumns(false); });
    m_context->packageMarks.followHistory(history, [this] { return std::make_pair(currentPackage(), 0); });
}

void PWPackagePage::resetHistory() { m_ui->PackageTable->history()->reset(); }

void PWPackagePage::markEdited()
{
    m_context->packageMarks.setMark(currentPackage(), PWEditMarks::Edited);
}

void PWPackagePage::appendPackageEntry(const QString& name)
{
    m_ui->PackageLBox->addItem(new QListWidgetItem(QIcon(lxImage(QStringLiteral("PWpackages.png"))), name));
}

void PWPackagePage::selectPackage(int pos)
{
    QListWidget* box = m_ui->PackageLBox;
    box->setCurrentRow(pos);
    if (QListWidgetItem* item = box->item(pos))
        item->setSelected(true);
}

void PWPackagePage::takeOverEdited()
{
    const int pos = m_context->packageMarks.firstEdited();
    if (pos < 0)
        return;
    storePackage(pos);
    m_context->packageMarks.setMark(pos, PWEditMarks::Stored);
    m_ui->PackageTable->history()->setStored();
}

QString PWPackagePage::usedIdMessage(const QString& id, bool withIdInEmptyText, int except) const
{
    const CPackageList& packages = m_context->logic().packages();
    for (int i = 0; i < packages.count(); ++i) {
        if (i == except || !packages.at(i)->packageIds().contains(id))
            continue;
        if (!id.isEmpty())
            //: %1 = Name of the package
            return PartwrightDlg::tr("Package id \"%1\" is already used").arg(id);
        if (withIdInEmptyText)
            //: %1 = The package id, which is empty
            return PartwrightDlg::tr("Empty package id \"%1\" is already used").arg(id);
        return PartwrightDlg::tr("Empty package id is already used");
    }
    return QString();
}

bool PWPackagePage::refuseUsedId(const QString& id, bool withIdInEmptyText)
{
    const QString message = usedIdMessage(id, withIdInEmptyText);
    if (!message.isEmpty())
        m_context->showInformation(message);
    return !message.isEmpty();
}

void PWPackagePage::slotAddPackage()
{
    QString name;
    if (!m_context->askName(PartwrightDlg::tr("Please enter the package id"), QString(), &name))
        return;
    if (m_ui->PackageLBox->count() >= MaxPackages) {
        m_context->showInformation(
            PartwrightDlg::tr("It is not possible to add a new package\nMaximum number of package is reached"));
        return;
    }
    const int selectedBefore = currentPackage();
    takeOverEdited();
    if (refuseUsedId(name, false))
        return;

    {
        const QSignalBlocker tableBlock(m_ui->PackageTable);
        m_ui->PackageTable->setNumRows(0);
    }
    m_ui->PackageIdListCBox->clear();
    m_ui->PackageIdListCBox->addItem(name);
    {
        const QSignalBlocker tapBlock(m_ui->PackageHasTap);
        m_ui->PackageHasTap->setChecked(false);
    }
    appendPackageEntry(name);
    const int pos = m_ui->PackageLBox->count() - 1;
    m_context->packageMarks.setMark(pos, PWEditMarks::Edited);
    {
        // The widgets already show the new package; showing it would empty them.
        const QSignalBlocker listBlock(m_ui->PackageLBox);
        selectPackage(pos);
    }
    m_ui->DisplayPackageName->setText(name);
    if (!m_context->viewOnly)
        m_ui->DelPackage->setEnabled(true);
    m_ui->PackageSpecWStack->setCurrentWidget(m_ui->wzpPackagePage0);
    updateEditable();
    m_history->push(new PWListMoveStep(PWListMoveStep::Added, this, 0, pos, selectedBefore));
    resetHistory();
}

void PWPackagePage::slotRenamePackage()
{
    QListWidgetItem* item = m_ui->PackageLBox->currentItem();
    if (!item || !item->isSelected())
        return;
    const QString oldName = item->text();
    QString name;
    if (!m_context->askName(PartwrightDlg::tr("Please enter the new package id") + QLatin1Char(' '), oldName, &name))
        return;
    if (refuseUsedId(name, false))
        return;
    m_history->push(new PWListRenameStep(this, 0, currentPackage(), oldName, name));
}

void PWPackagePage::renameItem(int, int pos, const QString& name)
{
    QListWidgetItem* item = m_ui->PackageLBox->item(pos);
    if (!item)
        return;
    const QString oldName = item->text();
    // The combo box holds the ids of the current package only.
    if (pos == currentPackage()) {
        QComboBox* ids = m_ui->PackageIdListCBox;
        for (int i = 0; i < ids->count(); ++i) {
            if (ids->itemText(i) == oldName)
                ids->setItemText(i, name);
        }
        m_ui->DisplayPackageName->setText(name);
        markEdited();
    }
    if (CPackage* package = m_context->logic().packages().at(pos)) {
        for (QString& id : package->packageIds()) {
            if (id == oldName)
                id = name;
        }
    }
    item->setText(name);
    item->setSelected(true);
}

QString PWPackagePage::refusal(int, int pos, const QString& name, const PWTakenItem* returning) const
{
    if (returning) {
        if (m_ui->PackageLBox->count() >= MaxPackages)
            return PartwrightDlg::tr("It is not possible to add a new package\nMaximum number of package is reached");
        const auto& taken = static_cast<const PWTakenRecord<CPackage>&>(*returning);
        const QStringList ids = taken.record ? taken.record->packageIds() : QStringList{returning->name};
        // The current package may hold ids that are not taken over yet.
        const int current = currentPackage();
        const bool unstored = m_context->packageMarks.mark(current) == PWEditMarks::Edited;
        for (const QString& id : ids) {
            QString message = usedIdMessage(id, false, unstored ? current : -1);
            const QComboBox* shown = m_ui->PackageIdListCBox;
            if (message.isEmpty() && unstored && shown->findText(id, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
                //: %1 = Name of the package
                message = PartwrightDlg::tr("Package id \"%1\" is already used").arg(id);
            if (!message.isEmpty())
                return message;
        }
        return QString();
    }
    return usedIdMessage(name, false, pos);
}

void PWPackagePage::slotDelPackage()
{
    QListWidget* box = m_ui->PackageLBox;
    const int pos = box->currentRow();
    if (box->count() == 0 || pos < 0)
        return;
    CLogicPart* part = m_context->logic().logicParts().at(m_context->currentLogicPart);
    if (box->count() == 1 && part && !part->pinLists().isEmpty()) {
        if (!m_context->askYesNo(PartwrightDlg::tr("Deleting a package will reset or delete the logic parts")))
            return;
        for (int i = part->pinLists().count() - 1; i >= 0; --i)
            part->pinLists().remove(i);
        m_context->logic().rebuildSignalIndex(m_context->currentLogicPart);
        m_context->logic().prunePatterns(m_context->currentLogicPart);
        emit pinListsDeleted();
    } else {
        //: %1 = Name of the package
        if (!m_context->askYesNo(
                PartwrightDlg::tr("Do you want to delete package \"%1\"?").arg(box->item(pos)->text())))
            return;
    }
    m_history->push(new PWListMoveStep(PWListMoveStep::Deleted, this, 0, pos));
}

std::unique_ptr<PWTakenItem> PWPackagePage::takeItem(int, int pos)
{
    QListWidget* box = m_ui->PackageLBox;
    auto taken = std::make_unique<PWTakenRecord<CPackage>>();
    taken->mark = m_context->packageMarks.mark(pos);
    // A package never taken over is only in the widgets until now.
    takeOverEdited();
    taken->record.reset(m_context->logic().packages().take(pos));
    {
        const QSignalBlocker listBlock(box);
        QListWidgetItem* entry = box->takeItem(pos);
        taken->name = entry ? entry->text() : QString();
        delete entry;
    }
    m_context->packageMarks.removePosition(pos);
    m_context->rebuildPinNames();
    showAfterRemoval();
    return taken;
}

void PWPackagePage::putItem(int, int pos, std::unique_ptr<PWTakenItem> item)
{
    takeOverEdited();
    auto& taken = static_cast<PWTakenRecord<CPackage>&>(*item);
    CPackage* package = taken.record ? taken.record.release() : new CPackage;
    if (package->packageIds().isEmpty())
        package->addPackageId(item->name);
    m_context->logic().packages().insert(pos, package);
    {
        const QSignalBlocker listBlock(m_ui->PackageLBox);
        const QIcon icon(lxImage(QStringLiteral("PWpackages.png")));
        m_ui->PackageLBox->insertItem(pos, new QListWidgetItem(icon, item->name));
    }
    // Edited only means something for the package the widgets show.
    m_context->packageMarks.insertPosition(pos, PWEditMarks::Clean, 0);
    m_context->rebuildPinNames();
    selectItem(0, pos);
    m_context->packageMarks.setMark(pos, item->mark);
}

void PWPackagePage::selectItem(int, int pos)
{
    {
        const QSignalBlocker listBlock(m_ui->PackageLBox);
        selectPackage(pos);
    }
    slotPackageLBoxSelectionChanged();
    if (m_ui->PackageLBox->count() == 0)
        return;
    if (!m_context->viewOnly)
        m_ui->DelPackage->setEnabled(true);
    m_ui->PackageSpecWStack->setCurrentWidget(m_ui->wzpPackagePage0);
}

void PWPackagePage::showAfterRemoval()
{
    QListWidget* box = m_ui->PackageLBox;
    if (box->count() == 0) {
        m_ui->DelPackage->setEnabled(false);
        m_ui->PackageSpecWStack->setCurrentWidget(m_ui->wzpPackagePage1);
        m_ui->DisplayPackageName->clear();
        resetHistory();
        return;
    }
    selectPackage(box->currentRow() < 0 ? 0 : box->currentRow());
    slotPackageLBoxSelectionChanged();
}

QMenu* PWPackagePage::createPackageMenu(QListWidgetItem* item)
{
    if (m_context->memoryCategory())
        return nullptr;
    const int count = m_ui->PackageLBox->count();
    const QIcon image = QIcon(lxImage(QStringLiteral("PWpackages.png")));
    // Viewing only, the menu offers no more than the disabled buttons.
    const bool editable = !m_context->viewOnly;
    auto* menu = new QMenu(this);
    menu->addAction(image, PartwrightDlg::tr("New ..."), this, &PWPackagePage::slotAddPackage)->setEnabled(editable);
    QAction* rename = menu->addAction(image, PartwrightDlg::tr("Rename ..."), this, &PWPackagePage::slotRenamePackage);
    QAction* remove = menu->addAction(image, PartwrightDlg::tr("Delete "), this, &PWPackagePage::slotDelPackage);
    rename->setEnabled(editable && item && count > 0);
    remove->setEnabled(editable && item && count > 0);
    menu->addSeparator();
    QMenu* copy = menu->addMenu(QIcon(lxImage(QStringLiteral("PWpartwright.png"))), PartwrightDlg::tr("Copy From..."));
    copy->setEnabled(editable && item && count > 1);
    const int current = currentPackage();
    for (int i = 0; i < count; ++i) {
        if (i == current)
            continue;
        //: %1 = Name of the package
        copy->addAction(image, PartwrightDlg::tr("Package \"%1\"").arg(m_ui->PackageLBox->item(i)->text()), this,
                        [this, i] { slotInsertPackage(i); });
    }
    if (editable)
        m_history->appendTo(menu);
    return menu;
}

void PWPackagePage::slotPackageListMenuRequested(QListWidgetItem* item, const QPoint& pos)
{
    lxExecPopup(createPackageMenu(item), pos);
}

void PWPackagePage::slotInsertPackage(int pos)
{
    QStringList ids;
    for (int i = 0; i < m_ui->PackageIdListCBox->count(); ++i)
        ids.append(m_ui->PackageIdListCBox->itemText(i));
    // Copying another package's pins in is one step of this package's history.
    const LxTableHistory::Step step(m_ui->PackageTable, 0, -1);
    showPackage(pos);
    m_ui->PackageIdListCBox->clear();
    m_ui->PackageIdListCBox->addItems(ids);
    markEdited();
}

void PWPackagePage::slotPackageLBoxSelectionChanged()
{
    QListWidgetItem* item = m_ui->PackageLBox->currentItem();
    m_ui->DisplayPackageName->setText(item ? item->text() : QString());
    takeOverEdited();
    showPackage(currentPackage());
}

void PWPackagePage::setPinTypeChoice(int row, int type)
{
    auto* choice = new LxLibComboItem(PackagePinTypeChoices(), false);
    choice->setCurrentItem(type);
    m_ui->PackageTable->setItem(row, 2, choice);
}

void PWPackagePage::fillTable(const CPackage* package)
{
    LxLibTable* table = m_ui->PackageTable;
    const CPackagePinList& pins = package->pins();
    table->setNumRows(pins.count());
    for (int r = 0; r < pins.count(); ++r) {
        const CPackagePin* pin = pins.at(r);
        table->setText(r, 0, pin->pinNumber());
        table->setText(r, 1, pin->pinName());
        setPinTypeChoice(r, pin->pinType());
    }
    if (pins.count() > 0)
        table->setCurrentCell(pins.count() - 1, 0);
    fitTextColumns(true);
}

void PWPackagePage::showPackage(int pos)
{
    LxLibTable* table = m_ui->PackageTable;
    const int refresh = table->refreshState();
    table->setRefreshState(0);
    if (m_ui->PackageLBox->count() > 0) {
        const QSignalBlocker tableBlock(table);
        const QSignalBlocker tapBlock(m_ui->PackageHasTap);
        table->setUpdatesEnabled(false);
        table->setNumRows(0);
        m_ui->PackageIdListCBox->clear();
        m_ui->PackageHasTap->setChecked(false);
        if (const CPackage* package = m_context->logic().packages().at(pos)) {
            fillTable(package);
            m_ui->PackageIdListCBox->addItems(package->packageIds());
            m_ui->PackageIdListCBox->setCurrentIndex(0);
            m_ui->PackageHasTap->setChecked(package->hasTap());
        }
        table->setUpdatesEnabled(true);
    }
    updateEditable();
    table->setRefreshState(refresh);
    if (!table->history()->isRecording())
        resetHistory();
}

void PWPackagePage::updateEditable()
{
    if (m_context->memoryCategory())
        m_ui->PackageTable->setReadOnly(true);
    else if (!m_context->viewOnly)
        m_ui->PackageTable->setReadOnly(false);
}

void PWPackagePage::storePackage(int pos)
{
    LxLibTable* table = m_ui->PackageTable;
    auto* package = new CPackage;
    for (int r = 0; r < table->numRows(); ++r) {
        const LxLibComboItem* choice = table->comboItem(r, 2);
        const int type = choice ? qMax(0, choice->currentItem()) : 0;
        package->addPin(table->text(r, 0), table->text(r, 1), type);
    }
    for (int i = 0; i < m_ui->PackageIdListCBox->count(); ++i)
        package->addPackageId(m_ui->PackageIdListCBox->itemText(i));
    package->setHasTap(m_ui->PackageHasTap->isChecked());
    CPackageList& packages = m_context->logic().packages();
    packages.remove(pos);
    packages.insert(pos, package);
    m_context->rebuildPinNames();
}

void PWPackagePage::slotAddPackageId()
{
    QString id;
    if (!m_context->askName(PartwrightDlg::tr("Please enter the package id"), QString(), &id))
        return;
    QComboBox* ids = m_ui->PackageIdListCBox;
    if (ids->findText(id, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        m_context->showInformation(PartwrightDlg::tr("This package id is aready used"));
        return;
    }
    if (refuseUsedId(id, true))
        return;
    const LxTableHistory::Step step(m_ui->PackageTable, 0, 0);
    ids->addItem(id);
    ids->setCurrentIndex(ids->count() - 1);
    markEdited();
}

void PWPackagePage::slotDelPackageId()
{
    QComboBox* ids = m_ui->PackageIdListCBox;
    if (ids->count() == 0)
        return;
    if (ids->count() == 1) {
        m_context->showInformation(PartwrightDlg::tr("It is not possible to delete all package id's"));
        return;
    }
    const QString id = ids->currentText();
    //: %1 = The package id
    if (!m_context->askYesNo(PartwrightDlg::tr("Do you want to delete package id \"%1\"?").arg(id)))
        return;
    const LxTableHistory::Step step(m_ui->PackageTable, 0, 0);
    ids->removeItem(ids->currentIndex());
    QListWidgetItem* item = m_ui->PackageLBox->currentItem();
    if (item && item->text() == id) {
        item->setText(ids->currentText());
        m_ui->DisplayPackageName->setText(item->text());
    }
    markEdited();
}

void PWPackagePage::slotPackageIdListCBoxActivated() { markEdited(); }

void PWPackagePage::slotSetPackageHasTap(int)
{
    // The box has already changed; the step needs to see it as it was.
    QCheckBox* tap = m_ui->PackageHasTap;
    const bool checked = tap->isChecked();
    {
        const QSignalBlocker tapBlock(tap);
        tap->setChecked(!checked);
        const LxTableHistory::Step step(m_ui->PackageTable, 0, 0);
        tap->setChecked(checked);
    }
    markEdited();
}

void PWPackagePage::slotAddPackagePinDefinition()
{
    LxLibTable* table = m_ui->PackageTable;
    const int row = table->numRows();
    {
        const LxTableHistory::Step step(table, row, 0);
        const QSignalBlocker tableBlock(table);
        table->insertRows(row);
        setPinTypeChoice(row, 0);
    }
    table->setCurrentCell(row, 0);
    markEdited();
}

void PWPackagePage::slotDelPackagePinDefinition()
{
    removeSelectedRows(m_ui->PackageTable);
    markEdited();
}

QStringList PWPackagePage::columnTexts(int col) const
{
    QStringList texts;
    for (int r = 0; r < m_ui->PackageTable->numRows(); ++r)
        texts.append(m_ui->PackageTable->text(r, col));
    return texts;
}

bool PWPackagePage::isUniqueCellText(const QStringList& column, int row, int col, const QString& t)
{
    return PWPasteChecks::isUniquePackageText(column, row, col, t);
}

void PWPackagePage::slotPastePins(const QString& text)
{
    if (m_ui->PackageLBox->count() == 0 || m_context->memoryCategory() || m_context->viewOnly)
        return;
    PWPackagePinCheck check;
    const auto nameSuppliesApart = [this, &check](PWTableText::Plan& plan,
                                                  const std::function<PWTableText::Plan()>& makePlan) {
        const int repeated = check.repeatedSupplyPins();
        if (repeated == 0)
            return true;
        //: %1 = Number of pasted pins refused for a name another pin has
        const QString question = PartwrightDlg::tr(
            "%1 pasted power, ground or unconnected pins repeat a name. Name them apart by their pin number (GND_A1, GND_B7, ...)?");
        if (m_context->askYesNo(question.arg(repeated))) {
            check.setNameApart(true);
            plan = makePlan();
        }
        return true;
    };
    const bool changed = PWTablePaste::paste(
        m_ui->PackageTable, *m_context, text, check.rowCheck(),
        [this, types = PackagePinTypeChoices()](int row, const QStringList& cells) {
            m_ui->PackageTable->setText(row, 0, cells[0]);
            m_ui->PackageTable->setText(row, 1, cells[1]);
            setPinTypeChoice(row, qMax(0, static_cast<int>(types.indexOf(cells[2]))));
        },
        nameSuppliesApart);
    if (changed) {
        fitTextColumns(false);
        markEdited();
    }
}

void PWPackagePage::fitTextColumns(bool mayShrink)
{
    LxLibTable* table = m_ui->PackageTable;
    // Wide enough for long signal names, narrow enough to keep the type in view.
    const int widest = table->fontMetrics().averageCharWidth() * 40;
    for (int col : {0, 1})
        table->fitColumnToTexts(col, widest, mayShrink);
}

void PWPackagePage::slotPackageTableValueChanged(int row, int col)
{
    markEdited();
    LxLibTable* table = m_ui->PackageTable;
    const QString t = table->text(row, col);
    if (t.isEmpty() || isUniqueCellText(columnTexts(col), row, col, t))
        return;
    m_context->showInformation(PartwrightDlg::tr("Pin number is already used in this package"));
    {
        const QSignalBlocker tableBlock(table);
        table->clearCell(row, col);
    }
    table->setCurrentCell(row, col);
}

void PWPackagePage::slotPackageTableCurrentChanged(int, int) {}

void PWPackagePage::showModel()
{
    clear();
    const CPackageList& packages = m_context->logic().packages();
    for (const CPackage* package : packages)
        appendPackageEntry(package->packageIds().value(0));
    if (packages.count() == 0)
        return;
    {
        const QSignalBlocker listBlock(m_ui->PackageLBox);
        selectPackage(0);
    }
    m_ui->DisplayPackageName->setText(m_ui->PackageLBox->item(0)->text());
    showPackage(0);
    m_ui->DelPackage->setEnabled(!m_context->viewOnly && !m_context->memoryCategory());
    m_ui->PackageSpecWStack->setCurrentWidget(m_ui->wzpPackagePage0);
}

void PWPackagePage::clear()
{
    const QSignalBlocker listBlock(m_ui->PackageLBox);
    const QSignalBlocker tableBlock(m_ui->PackageTable);
    m_ui->PackageLBox->clear();
    m_ui->PackageTable->setNumRows(0);
    m_ui->PackageIdListCBox->clear();
    m_ui->DisplayPackageName->clear();
    m_ui->DelPackage->setEnabled(false);
    m_ui->PackageSpecWStack->setCurrentWidget(m_ui->wzpPackagePage1);
    m_context->packageMarks.clear();
    m_history->clear();
    resetHistory();
}
