#include "PWDisableTab.h"

#include "CLogic.h"
#include "LxLibPattern.h"
#include "LxLibTable.h"
#include "LxTableHistory.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QSignalBlocker>

using namespace lxlib;

namespace {

PWPatternListTab::Setup disableSetup()
{
    PWPatternListTab::Setup s;
    s.kind = PWPatternListTab::Setup::Disables;
    s.names = {"lbDisableLBox", "AddDisable", "DeleteDisable", "wsDisable", "wsDisablePage1", "wspDisableInvalid"};
    s.emptyText = PartwrightDlg::tr("There is no Disable Pattern available");
    s.icon = QStringLiteral("PWdisable.png");
    s.defaultBase = PartwrightDlg::tr("Disable");
    s.limit = PWDisableTab::MaxDisables;
    s.cannotAdd = PartwrightDlg::tr("Unable to add Disable Pattern\nPlease check your Pin List");
    s.askAdd = PartwrightDlg::tr("Please enter the Disable name");
    s.limitReached
        = PartwrightDlg::tr("It is not possible to add a new Disable Pattern\nMaximum number of Disables is reached");
    s.notAllowed = PartwrightDlg::tr("This Disable Pattern name is not allowed!");
    s.askRename = PartwrightDlg::tr("Please enter the new disable id");
    s.noRenameName = PartwrightDlg::tr("There is no disable id specified");
    //: %1 = Name of the disable pattern
    s.askDelete = PartwrightDlg::tr("Do you want to delete  \"%1\"?");
    return s;
}

const QString kAll = QStringLiteral("All");

} // namespace

PWDisableTab::PWDisableTab(PWWizardContext* context, QWidget* parent)
    : PWPatternTab(disableSetup(),
                   {"gbDisableDefinition", "DisableTable", "AddDisableItem", "DeleteDisableItem",
                    PartwrightDlg::tr("Disable Definition"), LxLibTable::DisableKind,
                    PartwrightDlg::tr("Disable Vector is empty. Delete it?")},
                   context, parent)
{
    auto* group = new QGroupBox(PartwrightDlg::tr("Disable Type"), this);
    group->setObjectName(QStringLiteral("grDiableType"));
    auto* grid = new QGridLayout(group);
    // In the order of the disable type list.
    const char* const names[DisableTypeCount] = {"cbData", "cbDataa", "cbDatab", "cbDatao", "cbOut", "cbIo", "cbRyby"};
    const QStringList& types = DisableSignalTypeList();
    for (int i = 0; i < DisableTypeCount; ++i) {
        m_boxes[i] = new QCheckBox(types[i], group);
        m_boxes[i]->setObjectName(QLatin1String(names[i]));
        m_boxes[i]->setEnabled(false);
        grid->addWidget(m_boxes[i], i / 4, i % 4);
        connect(m_boxes[i], &QCheckBox::stateChanged, this, &PWDisableTab::slotDisableTypeStateChanged);
    }
    editorLayout()->insertWidget(0, group);
    LxTableHistory* history = table()->history();
    // The disable types belong to the pattern as much as its rows do.
    history->setExtraState(
        [this] {
            QVariantList checks;
            for (const QCheckBox* box : m_boxes)
                checks << box->isChecked();
            return checks;
        },
        [this](const QVariant& state) {
            const QVariantList checks = state.toList();
            for (int i = 0; i < DisableTypeCount; ++i) {
                const QSignalBlocker block(m_boxes[i]);
                m_boxes[i]->setChecked(checks.value(i).toBool());
            }
        });
    history->bind(group);
    connectList(this, &PWDisableTab::slotAddDisable, &PWDisableTab::slotRenameDisable, &PWDisableTab::slotDeleteDisable,
                &PWDisableTab::slotDisableLBoxSelectionChanged, &PWDisableTab::slotDisableLBoxContextMenuRequested);
    connectTable(this, &PWDisableTab::slotAddDisableItem, &PWDisableTab::slotDeleteDisableItem,
                 &PWDisableTab::slotDisableTableValueChanged, &PWDisableTab::slotDisableTableComboBoxItemActivated);
}

QCheckBox* PWDisableTab::typeBox(const QString& signalTypeName) const
{
    const int i = static_cast<int>(DisableSignalTypeList().indexOf(signalTypeName));
    return i < 0 ? nullptr : m_boxes[i];
}

void PWDisableTab::enableDisableTypeChecks(const QString& name, bool enable)
{
    enable = enable && !readOnly();
    if (name == kAll) {
        for (QCheckBox* box : m_boxes) {
            const QSignalBlocker block(box);
            box->setEnabled(enable);
            box->setChecked(false);
        }
    } else if (QCheckBox* box = typeBox(name)) {
        box->setEnabled(enable);
    }
}

void PWDisableTab::setDisableTypeChecks(const QString& name, bool on)
{
    on = on && !readOnly();
    if (name == kAll) {
        for (QCheckBox* box : m_boxes) {
            const QSignalBlocker block(box);
            if (box->isEnabled())
                box->setChecked(on);
        }
    } else if (QCheckBox* box = typeBox(name)) {
        // A disabled box shows the opposite, so a read-only view shows every named type checked.
        const QSignalBlocker block(box);
        box->setChecked(box->isEnabled() ? on : !on);
    }
}

void PWDisableTab::updateDisableTypeChecks()
{
    enableDisableTypeChecks(kAll, false);
    QStringList available;
    context()->logic().getSignalNames(available, CLogic::DisableEditor, shownPart());
    for (const QString& type : available)
        if (!type.isEmpty())
            enableDisableTypeChecks(type, true);
}

void PWDisableTab::slotDisableTypeStateChanged(int)
{
    table()->history()->recordExtra();
    markEdited();
}

void PWDisableTab::slotDisableTypeCBoxActivated(int) { markEdited(); }

void PWDisableTab::slotDisableEqualConnectionCBoxActivated(int) { markEdited(); }

bool PWDisableTab::addDisablePattern(const QString& name) { return addPattern(name); }

void PWDisableTab::removeDisablePattern(int part, int index) { removePattern(part, index); }

void PWDisableTab::fillDisableTab() { fillTab(context()->currentLogicPart); }

void PWDisableTab::showTab(int part)
{
    // The page makes a part current before it shows the part's tab.
    Q_UNUSED(part);
    fillDisableTab();
}

void PWDisableTab::slotAddDisable()
{
    addItem([this](const QString& name) { return addDisablePattern(name); });
}

void PWDisableTab::slotDeleteDisable()
{
    deleteCurrent([this](int part, int index) { removeDisablePattern(part, index); });
}

void PWDisableTab::slotRenameDisable() { renameCurrent(); }

void PWDisableTab::slotDisableLBoxSelectionChanged() { selectionChanged(); }

void PWDisableTab::slotDisableLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos)
{
    execListMenu(item, pos);
}

void PWDisableTab::slotAddDisableItem() { addRow(); }

void PWDisableTab::slotDeleteDisableItem() { deleteRows(); }

void PWDisableTab::slotDisableTableValueChanged(int row, int col) { tableValueChanged(row, col); }

void PWDisableTab::slotDisableTableComboBoxItemActivated(int) { markEdited(); }

void PWDisableTab::prepareNew()
{
    clearEditor();
    setDisableTypeChecks(kAll, true);
}

void PWDisableTab::prepareEditor()
{
    setupPatternColumns(shownPart());
    setAddable(hasDrivableBits());
    updateDisableTypeChecks();
}

void PWDisableTab::showDisablePattern(int index)
{
    const CLogicPart* record = shownRecord();
    if (!record)
        return;
    clearEditor();
    updateDisableTypeChecks();
    if (const LxLibDisablePattern* pattern = record->disablePatterns().at(index)) {
        showRows(pattern->GetSetSignalList());
        setDisableTypeChecks(kAll, false);
        for (const LxLibSetDisable* d : pattern->GetSetDisableList())
            setDisableTypeChecks(LxLibSignalTypeBit::ConvertSignalToString(d->GetSignalType()), true);
    }
    // The history starts from the types shown.
    table()->history()->reset();
}

bool PWDisableTab::storeDisablePattern(int part, int index)
{
    CLogicPart& rec = record(part);
    const QListWidgetItem* entry = list()->item(index);
    auto* pattern = new LxLibDisablePattern(entry ? entry->text() : QString());
    readRows(pattern->GetSetSignalList(), true);
    for (int i = 0; i < DisableTypeCount; ++i)
        if (m_boxes[i]->checkState() != Qt::Unchecked)
            pattern->AddSetDisable(new LxLibSetDisable(LxLibSignalTypeBit::ConvertSignalToType(DisableSignalTypeList()[i])));
    rec.disablePatterns().remove(index);
    rec.insertDisablePattern(index, pattern);
    setStored(part, index);
    return true;
}
