#include "PWEnableTab.h"

#include "CLogic.h"
#include "LxLibPattern.h"
#include "LxLibTable.h"
#include "LxTableHistory.h"
#include "PWEditState.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStackedWidget>

using namespace lxlib;

namespace {

PWPatternListTab::Setup enableSetup()
{
    PWPatternListTab::Setup s;
    s.kind = PWPatternListTab::Setup::Enables;
    s.names = {"lbEnableLBox", "AddEnable", "DeleteEnable", "wsEnable", "wsEnablePage1", "wspEnableInvalid"};
    s.emptyText = PartwrightDlg::tr("There is no Enable Pattern available");
    s.icon = QStringLiteral("PWenable.png");
    s.defaultBase = PartwrightDlg::tr("Enable");
    s.limit = PWEnableTab::MaxEnables;
    s.cannotAdd = PartwrightDlg::tr("Unable to add Enable Pattern\nPlease check your Pin List");
    s.askAdd = PartwrightDlg::tr("Please enter the Enable name");
    s.limitReached = PartwrightDlg::tr("It is not possible to add a new Enable\nMaximum number of Enables is reached");
    s.notAllowed = PartwrightDlg::tr("This Enable Pattern name is not allowed!");
    s.askRename = PartwrightDlg::tr("Please enter the new enable id ");
    s.noRenameName = PartwrightDlg::tr("There is no enable id specified");
    //: %1 = Name of the enable pattern
    s.askDelete = PartwrightDlg::tr("Do you want to delete  \"%1\"?");
    return s;
}

QStringList equationOperators()
{
    return {PartwrightDlg::tr("Normal"), PartwrightDlg::tr("Invert"), PartwrightDlg::tr("Latch"),
            PartwrightDlg::tr("Latch invert")};
}

// Whether a signal selector offers a signal (it always ends with an empty entry).
bool hasSignals(const QComboBox* box)
{
    for (int i = 0; i < box->count(); ++i)
        if (!box->itemText(i).isEmpty())
            return true;
    return false;
}

void copySignal(QComboBox* to, const QString& name)
{
    const int i = to->findText(name);
    if (i >= 0)
        to->setCurrentIndex(i);
}

int signalCode(const QComboBox* box) { return LxLibSignalTypeBit::ConvertSignalToType(box->currentText()); }

} // namespace

PWEnableTab::PWEnableTab(PWWizardContext* context, QWidget* parent)
    : PWPatternTab(enableSetup(),
                   {"gbEnableDefinition", "EnableTable", "AddEnableItem", "DeleteEnableItem",
                    PartwrightDlg::tr("Enable Definition"), LxLibTable::EnableKind,
                    PartwrightDlg::tr("Enable Vector is empty. Delete it?")},
                   context, parent), m_type(new QComboBox(this)),
      m_powerControl(new QCheckBox(PartwrightDlg::tr("Power Control"), this))
{
    m_type->setObjectName(QStringLiteral("EnableTypeCBox"));
    m_type->addItems({PartwrightDlg::tr("None"), PartwrightDlg::tr("Equation"), PartwrightDlg::tr("Connection"),
                      PartwrightDlg::tr("Output Enable"), PartwrightDlg::tr("Chip Enable")});
    m_powerControl->setObjectName(QStringLiteral("checkBoxPowerControl"));

    auto* stack = new QStackedWidget(this);
    stack->setObjectName(QStringLiteral("wsEnableType"));
    stack->addWidget(relationGroup(QStringLiteral("gbEnableType"), PartwrightDlg::tr("Equation"),
                                   PartwrightDlg::tr("Equal to"), m_equal));
    stack->addWidget(relationGroup(QStringLiteral("wsEnableConnection"), PartwrightDlg::tr("Connection"),
                                   PartwrightDlg::tr("Connected to"), m_connection));
    stack->hide();
    m_typeStack = stack;
    m_equal[0]->setObjectName(QStringLiteral("EnableEqualCBox1"));
    m_equal[1]->setObjectName(QStringLiteral("EnableEqualCBox2"));
    m_equal[2]->setObjectName(QStringLiteral("EnableEqualCBox3"));
    m_connection[0]->setObjectName(QStringLiteral("EnableConnectionCBox1"));
    m_connection[1]->setObjectName(QStringLiteral("EnableConnectionCBox2"));
    m_connection[2]->setObjectName(QStringLiteral("EnableConnectionCBox3"));
    m_equal[1]->addItems(equationOperators());
    m_connection[1]->addItems(equationOperators().mid(0, 2));

    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(PartwrightDlg::tr("Enable Type"), this));
    typeRow->addWidget(m_type);
    typeRow->addSpacing(20);
    typeRow->addWidget(m_powerControl);
    typeRow->addStretch();
    editorLayout()->insertLayout(0, typeRow);
    editorLayout()->insertWidget(1, stack);

    connectList(this, &PWEnableTab::slotAddEnable, &PWEnableTab::slotRenameEnable, &PWEnableTab::slotDeleteEnable,
                &PWEnableTab::slotEnableLBoxSelectionChanged, &PWEnableTab::slotEnableLBoxContextMenuRequested);
    connectTable(this, &PWEnableTab::slotAddEnableItem, &PWEnableTab::slotDeleteEnableItem,
                 &PWEnableTab::slotEnableTableValueChanged, &PWEnableTab::slotEnableTableComboBoxItemActivated);
    connect(m_type, &QComboBox::activated, this, &PWEnableTab::slotEnableTypeCBoxActivated);
    connect(m_powerControl, &QCheckBox::clicked, this, &PWEnableTab::slotSetPowerControl);
    PWEditState* state = context->editState();
    for (QComboBox* box : {m_equal[0], m_equal[1], m_equal[2], m_connection[0], m_connection[1], m_connection[2]}) {
        connect(box, &QComboBox::activated, this, &PWEnableTab::slotEnableEqualConnectionCBoxActivated);
        if (state)
            state->addControl(box);
    }
    if (state) {
        state->addControl(m_type);
        state->addControl(m_powerControl);
    }
    setUpHistory();
}

void PWEnableTab::setUpHistory()
{
    LxTableHistory* history = table()->history();
    // The kind of enable and its signals belong to the pattern as much as its rows do.
    history->setExtraState(
        [this] {
            QVariantList state{m_type->currentIndex(), m_powerControl->isChecked()};
            for (QComboBox* const* boxes : {m_equal, m_connection})
                state << boxes[0]->currentText() << boxes[1]->currentIndex() << boxes[2]->currentText();
            return state;
        },
        [this](const QVariant& state) {
            const QVariantList values = state.toList();
            m_powerControl->setChecked(values.value(1).toBool());
            int i = 2;
            for (QComboBox* const* boxes : {m_equal, m_connection}) {
                showSignal(boxes[0], values.value(i++).toString());
                boxes[1]->setCurrentIndex(values.value(i++).toInt());
                showSignal(boxes[2], values.value(i++).toString());
            }
            showEnableType(values.value(0).toInt());
        });
    for (QWidget* field : {static_cast<QWidget*>(m_type), static_cast<QWidget*>(m_powerControl),
                           static_cast<QWidget*>(m_typeStack)})
        history->bind(field);
}

PWEnableTab::~PWEnableTab() = default;

QGroupBox* PWEnableTab::relationGroup(const QString& name, const QString& title, const QString& relation,
                                      QComboBox* boxes[3])
{
    auto* group = new QGroupBox(title, this);
    group->setObjectName(name);
    auto* grid = new QGridLayout(group);
    const QString labels[3] = {PartwrightDlg::tr("Signal Type"), relation, PartwrightDlg::tr("Signal Type")};
    for (int i = 0; i < 3; ++i) {
        boxes[i] = new QComboBox(group);
        boxes[i]->setMinimumContentsLength(8);
        grid->addWidget(new QLabel(labels[i], group), 0, i);
        grid->addWidget(boxes[i], 1, i);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

void PWEnableTab::clearEditor()
{
    PWPatternTab::clearEditor();
    setOutputDisable(nullptr);
}

void PWEnableTab::fillSignalChoices()
{
    const CLogic& logic = context()->logic();
    const int part = shownPart();
    QStringList names;
    logic.getSignalNames(names, CLogic::EnableLeftHand, part);
    setChoices(m_equal[0], names);
    names.clear();
    logic.getSignalNames(names, CLogic::EnableRightHand, part);
    setChoices(m_equal[2], names);
    names.clear();
    logic.getSignalNames(names, CLogic::EnableConnection, part);
    setChoices(m_connection[0], names);
    setChoices(m_connection[2], names);
    // The operators depend on the format of the file loaded last.
    const PWWizardContext& c = *context();
    setChoices(m_equal[1], c.enableEqualChoices.isEmpty() ? equationOperators() : c.enableEqualChoices);
    setChoices(m_connection[1],
               c.enableConnectionChoices.isEmpty() ? equationOperators().mid(0, 2) : c.enableConnectionChoices);
}

void PWEnableTab::prepareEditor()
{
    const QSignalBlocker blockType(m_type);
    setupPatternColumns(shownPart());
    setAddable(hasRowChoices());
    fillSignalChoices();
}

void PWEnableTab::setOutputDisable(const LxLibSetEnable* setEnable)
{
    m_outputDisable.reset(setEnable ? setEnable->clone() : nullptr);
    const QSignalBlocker block(m_type);
    // A new pattern does not inherit a kind it cannot have.
    if (m_type->currentIndex() >= TypeOutputDisable)
        showEnableType(TypeNone);
    while (m_type->count() > TypeOutputDisable)
        m_type->removeItem(TypeOutputDisable);
    if (!setEnable)
        return;
    const auto* disable = dynamic_cast<const LxLibSetEnableDisable*>(setEnable);
    const QString signal = disable ? LxLibSignalTypeBit::ConvertSignalToString(disable->GetSignal().GetSignalType())
                                   : QString();
    //: %1 = Signal type whose outputs the enable pattern switches off
    m_type->addItem(PartwrightDlg::tr("Output Disable %1").arg(signal).trimmed());
}

void PWEnableTab::showEnableType(int type)
{
    if (m_type->currentIndex() != type && type < m_type->count()) {
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(type);
    }
    QStackedWidget* stack = m_typeStack;
    if (type != TypeEquation && type != TypeConnection) {
        stack->hide();
        return;
    }
    QComboBox* const* boxes = type == TypeEquation ? m_equal : m_connection;
    stack->setCurrentIndex(type == TypeEquation ? 0 : 1);
    if (hasSignals(boxes[0]) && boxes[1]->count() > 0 && hasSignals(boxes[2])) {
        stack->show();
        return;
    }
    stack->hide();
    stack->setCurrentIndex(0);
    {
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(TypeNone);
    }
    markEdited();
    context()->showInformation(type == TypeEquation
                                   ? PartwrightDlg::tr("There is no data available to create an Enable Equation type")
                                   : PartwrightDlg::tr("There is no data available to create an Enable Connection type"));
}

void PWEnableTab::showRelation(const LxLibSetEnable& setEnable, int type)
{
    const auto* relation = dynamic_cast<const LxLibSetEnableRelation*>(&setEnable);
    const QString first = LxLibSignalTypeBit::ConvertSignalToString(relation ? relation->GetFirstSignal().GetSignalType() : 0);
    const QString second = LxLibSignalTypeBit::ConvertSignalToString(relation ? relation->GetSecondSignal().GetSignalType() : 0);
    QComboBox* const* source = type == TypeEquation ? m_equal : m_connection;
    QComboBox* const* copy = type == TypeEquation ? m_connection : m_equal;
    showSignal(source[0], first);
    showSignal(source[2], second);
    copySignal(copy[0], first);
    copySignal(copy[2], second);
    const bool invert = relation && relation->IsInvert();
    if (type == TypeConnection) {
        source[1]->setCurrentIndex(invert ? 1 : 0);
    } else {
        const int op = (relation && relation->IsLatch() ? 2 : 0) + (invert ? 1 : 0);
        // A latched operator read from a file of another format is shown as what it is.
        const QStringList all = equationOperators();
        while (source[1]->count() <= op)
            source[1]->addItem(all.value(source[1]->count()));
        source[1]->setCurrentIndex(op);
    }
    showEnableType(type);
}

void PWEnableTab::showEnablePattern(int index)
{
    const CLogicPart* record = shownRecord();
    const LxLibEnablePattern* pattern = record ? record->enablePatterns().at(index) : nullptr;
    if (!pattern)
        return;
    const QSignalBlocker blockType(m_type);
    const QSignalBlocker blockPower(m_powerControl);
    clearEditor();
    fillSignalChoices();
    showEnableType(TypeNone);
    m_powerControl->setChecked(false);
    bool shown = false;
    for (const LxLibSetEnable* setEnable : pattern->GetSetEnableList()) {
        const int type = setEnable->GetEnableType();
        if (type == ET_POWER_CONTROL)
            m_powerControl->setChecked(true);
        if (shown || type < ET_CHIP_ENABLE || type > ET_OUTPUT_DISABLE)
            continue;
        shown = true;
        switch (type) {
        case ET_CHIP_ENABLE:
            showEnableType(TypeChipEnable);
            break;
        case ET_OUTPUT_ENABLE:
            showEnableType(TypeOutputEnable);
            break;
        case ET_CONNECTION:
            showRelation(*setEnable, TypeConnection);
            break;
        case ET_EQUATION:
            showRelation(*setEnable, TypeEquation);
            break;
        default:
            setOutputDisable(setEnable);
            showEnableType(TypeOutputDisable);
            break;
        }
    }
    showRows(pattern->GetSetSignalList());
}

LxLibSetEnable* PWEnableTab::shownSetEnable() const
{
    switch (m_type->currentIndex()) {
    case TypeEquation: {
        const int op = m_equal[1]->currentIndex();
        return new LxLibSetEnableEqual(signalCode(m_equal[0]), signalCode(m_equal[2]), -1, -1, op & 1, op >> 1 & 1);
    }
    case TypeConnection:
        return new LxLibSetEnableConnection(signalCode(m_connection[0]), signalCode(m_connection[2]), -1, -1,
                                            m_connection[1]->currentIndex() == 1 ? 1 : 0, 0);
    case TypeOutputEnable:
        return new LxLibSetEnable(ET_OUTPUT_ENABLE);
    case TypeChipEnable:
        return new LxLibSetEnable(ET_CHIP_ENABLE);
    case TypeOutputDisable:
        return m_outputDisable ? m_outputDisable->clone() : nullptr;
    default:
        return nullptr;
    }
}

bool PWEnableTab::storeEnablePattern(int part, int index)
{
    CLogicPart& rec = record(part);
    const QListWidgetItem* entry = list()->item(index);
    auto* pattern = new LxLibEnablePattern(entry ? entry->text() : QString());
    readRows(pattern->GetSetSignalList(), true);
    if (m_powerControl->isChecked())
        pattern->AddSetEnable(new LxLibSetEnable(ET_POWER_CONTROL));
    if (LxLibSetEnable* setEnable = shownSetEnable())
        pattern->AddSetEnable(setEnable);
    rec.enablePatterns().remove(index);
    rec.insertEnablePattern(index, pattern);
    setStored(part, index);
    return true;
}

bool PWEnableTab::addEnablePattern(const QString& name) { return addPattern(name); }

void PWEnableTab::removeEnablePattern(int part, int index) { removePattern(part, index); }

void PWEnableTab::fillEnableTab() { fillTab(context()->currentLogicPart); }

void PWEnableTab::showTab(int part)
{
    // The page makes a part current before it shows the part's tab.
    Q_UNUSED(part);
    fillEnableTab();
}

void PWEnableTab::slotAddEnable()
{
    addItem([this](const QString& name) { return addEnablePattern(name); });
}

void PWEnableTab::slotDeleteEnable()
{
    deleteCurrent([this](int part, int index) { removeEnablePattern(part, index); });
}

void PWEnableTab::slotRenameEnable() { renameCurrent(); }

void PWEnableTab::slotEnableLBoxSelectionChanged() { selectionChanged(); }

void PWEnableTab::slotEnableLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos)
{
    execListMenu(item, pos);
}

void PWEnableTab::slotAddEnableItem() { addRow(); }

void PWEnableTab::slotDeleteEnableItem() { deleteRows(); }

void PWEnableTab::slotEnableTableValueChanged(int row, int col) { tableValueChanged(row, col); }

void PWEnableTab::slotEnableTableComboBoxItemActivated(int) { markEdited(); }

void PWEnableTab::slotEnableTypeCBoxActivated(int index)
{
    showEnableType(index);
    table()->history()->recordExtra();
    markEdited();
}

void PWEnableTab::slotEnableEqualConnectionCBoxActivated(int)
{
    const QObject* from = sender();
    for (int i : {0, 2}) {
        if (from == m_connection[i])
            copySignal(m_equal[i], m_connection[i]->currentText());
        else if (from == m_equal[i])
            copySignal(m_connection[i], m_equal[i]->currentText());
    }
    table()->history()->recordExtra();
    markEdited();
}

void PWEnableTab::slotSetPowerControl()
{
    table()->history()->recordExtra();
    markEdited();
}
