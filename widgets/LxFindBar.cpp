#include "LxFindBar.h"

#include "LxLibTable.h"

#include <QAction>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The vertical box layout holding w (directly or in a row beside others), and where.
bool findVerticalSlot(QLayout* layout, QWidget* w, QBoxLayout** box, int* index)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        QLayout* sub = item->layout();
        if (sub && findVerticalSlot(sub, w, box, index))
            return true;
        const bool holds = item->widget() == w || (sub && sub->indexOf(w) >= 0);
        auto* vbox = qobject_cast<QBoxLayout*>(layout);
        if (holds && vbox && (vbox->direction() == QBoxLayout::TopToBottom)) {
            *box = vbox;
            *index = i;
            return true;
        }
    }
    return false;
}

QAction* addShortcut(QWidget* owner, const QKeySequence& keys, Qt::ShortcutContext context)
{
    auto* action = new QAction(owner);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}

} // namespace

LxFindBar::LxFindBar(LxLibTable* table, Mode mode, const QList<int>& searchColumns)
    : QWidget(table->parentWidget()), m_table(table), m_mode(mode), m_columns(searchColumns)
{
    setObjectName(table->objectName() + QStringLiteral("FindBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Find:"), this));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("FindText"));
    m_edit->setClearButtonEnabled(true);
    layout->addWidget(m_edit, 1);
    auto* previous = new QToolButton(this);
    previous->setArrowType(Qt::UpArrow);
    previous->setToolTip(tr("Previous match (Shift+F3)"));
    auto* next = new QToolButton(this);
    next->setArrowType(Qt::DownArrow);
    next->setToolTip(tr("Next match (F3)"));
    layout->addWidget(previous);
    layout->addWidget(next);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("FindStatus"));
    layout->addWidget(m_status);
    auto* closeButton = new QToolButton(this);
    closeButton->setText(QStringLiteral("\u00d7"));
    closeButton->setToolTip(tr("Close the find bar (Escape)"));
    closeButton->setAutoRaise(true);
    layout->addWidget(closeButton);
    insertAboveTable();
    QWidget::hide();

    connect(m_edit, &QLineEdit::textEdited, this, [this] { find(0, true); });
    connect(m_edit, &QLineEdit::returnPressed, this, &LxFindBar::findNext);
    connect(previous, &QToolButton::clicked, this, &LxFindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &LxFindBar::findNext);
    connect(closeButton, &QToolButton::clicked, this, &LxFindBar::close);

    QWidget* area = parentWidget() ? parentWidget() : table;
    connect(addShortcut(area, QKeySequence::Find, Qt::WidgetWithChildrenShortcut), &QAction::triggered, this,
            &LxFindBar::open);
    connect(addShortcut(area, QKeySequence(Qt::Key_F3), Qt::WidgetWithChildrenShortcut), &QAction::triggered, this,
            &LxFindBar::findNext);
    connect(addShortcut(area, QKeySequence(Qt::SHIFT | Qt::Key_F3), Qt::WidgetWithChildrenShortcut),
            &QAction::triggered, this, &LxFindBar::findPrevious);
    connect(addShortcut(this, QKeySequence(Qt::Key_Escape), Qt::WidgetWithChildrenShortcut), &QAction::triggered,
            this, &LxFindBar::close);
}

void LxFindBar::insertAboveTable()
{
    QBoxLayout* box = nullptr;
    int index = 0;
    if (parentWidget() && findVerticalSlot(parentWidget()->layout(), m_table, &box, &index))
        box->insertWidget(index, this);
}

void LxFindBar::open()
{
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void LxFindBar::close()
{
    hide();
    m_table->setFocus(Qt::OtherFocusReason);
}

bool LxFindBar::findNext() { return find(1, false); }

bool LxFindBar::findPrevious() { return find(-1, false); }

QString LxFindBar::columnLabel(int col) const
{
    if (!m_table->headersExpanded() && col >= 1 && col - 1 < m_table->headerNames().size())
        return m_table->headerNames().at(col - 1);
    const QTableWidgetItem* header = m_table->horizontalHeaderItem(col);
    return header ? header->text() : QString();
}

bool LxFindBar::matchesAt(int index, const QString& query, bool exact) const
{
    const auto matches = [&](const QString& text) {
        return exact ? text.compare(query, Qt::CaseInsensitive) == 0 : text.contains(query, Qt::CaseInsensitive);
    };
    if (m_mode == Columns)
        return index > 0 && matches(columnLabel(index).trimmed());
    for (int col : m_columns) {
        if (matches(m_table->text(index, col)))
            return true;
    }
    return false;
}

// direction 0: typing (the current row itself may match), 1 next, -1 previous.
bool LxFindBar::find(int direction, bool preferExact)
{
    if (isHidden())
        show();
    const QString query = m_edit->text().trimmed();
    if (query.isEmpty()) {
        showResult(true);
        return false;
    }
    const int count = m_mode == Columns ? m_table->columnCount() : m_table->rowCount();
    const int current = m_mode == Columns ? m_table->currentColumn() : m_table->currentRow();
    const int step = direction < 0 ? -1 : 1;
    const int start = current < 0 ? (step > 0 ? 0 : count - 1) : (direction == 0 ? current : current + step);
    int found = -1;
    for (const bool exact : {true, false}) {
        if (exact && !preferExact)
            continue;
        for (int i = 0; i < count && found < 0; ++i) {
            const int index = ((start + step * i) % count + count) % count;
            if (matchesAt(index, query, exact))
                found = index;
        }
    }
    showResult(found >= 0);
    if (found < 0)
        return false;
    if (m_mode == Columns) {
        const int row = qMax(0, m_table->currentRow());
        m_table->setCurrentCell(row, found, QItemSelectionModel::NoUpdate);
        m_table->selectColumn(found);
        m_table->scrollTo(m_table->model()->index(row, found));
    } else {
        const int col = m_table->currentColumn() >= 0 ? m_table->currentColumn() : m_columns.value(0);
        m_table->setCurrentCell(found, col, QItemSelectionModel::NoUpdate);
        m_table->selectRow(found);
        m_table->scrollTo(m_table->model()->index(found, col), QAbstractItemView::PositionAtCenter);
    }
    return true;
}

void LxFindBar::showResult(bool found)
{
    m_match = found;
    m_status->setText(found ? QString() : tr("No match"));
    // A red tint on the text says the same where the label is out of view.
    m_edit->setStyleSheet(found ? QString() : QStringLiteral("QLineEdit { background: #ffd0d0; }"));
}
