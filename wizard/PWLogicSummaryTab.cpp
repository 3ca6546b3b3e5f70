#include "PWLogicSummaryTab.h"

#include "CLogic.h"
#include "PWWizardContext.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

template <typename List>
QStringList patternNames(const List& list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names.append(list.at(i)->GetName());
    return names;
}

} // namespace

PWLogicSummaryTab::PWLogicSummaryTab(Kind kind, PWWizardContext* context, QWidget* parent)
    : PWLogicTab(context, parent), m_kind(kind), m_text(new QPlainTextEdit(this))
{
    m_text->setObjectName(QStringLiteral("summaryText"));
    m_text->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    clearTab();
}

QString PWLogicSummaryTab::summary() const { return m_text->toPlainText(); }

QStringList PWLogicSummaryTab::itemNames(int part) const
{
    const CLogicPart* p = context()->logic().logicParts().at(part);
    if (!p)
        return {};
    switch (m_kind) {
    case TruthTable: {
        QStringList rows;
        for (int i = 0; i < p->truthTable().count(); ++i)
            rows.append(tr("row %1").arg(i + 1));
        return rows;
    }
    case TestSequences: {
        QStringList names;
        for (int i = 0; i < p->testSequences().count(); ++i)
            names.append(p->testSequences().at(i)->name());
        return names;
    }
    case EnablePatterns:
        return patternNames(p->enablePatterns());
    case DisablePatterns:
        return patternNames(p->disablePatterns());
    case LatchSequences:
        return patternNames(p->latchSequences());
    }
    return {};
}

void PWLogicSummaryTab::showTab(int part)
{
    static const char* const what[] = {QT_TR_NOOP("truth table rows"), QT_TR_NOOP("test sequences"),
                                       QT_TR_NOOP("enable patterns"), QT_TR_NOOP("disable patterns"),
                                       QT_TR_NOOP("latch sequences")};
    const QStringList names = itemNames(part);
    if (names.isEmpty()) {
        m_text->setPlainText(tr("This logic part has no %1.").arg(tr(what[m_kind])));
        return;
    }
    QString text = tr("This logic part has %1 %2. They are kept as loaded and saved with the model "
                      "unchanged; this version of the wizard shows them but does not edit them.")
                       .arg(names.size())
                       .arg(tr(what[m_kind]));
    if (m_kind != TruthTable) {
        text += QLatin1String("\n\n");
        for (const QString& name : names)
            text += QLatin1String("  ") + (name.isEmpty() ? tr("(unnamed)") : name) + QLatin1Char('\n');
    }
    m_text->setPlainText(text);
}

void PWLogicSummaryTab::clearTab() { m_text->clear(); }
