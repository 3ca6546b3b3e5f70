#include "PWReportHtml.h"

#include "CLogic.h"
#include "CLogicData.h"
#include "CLoopTestSequence.h"
#include "CVectorColumns.h"
#include "CVectorTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibComponent.h"
#include "LxLibInfo.h"
#include "LxLibPassive.h"
#include "PWReportText.h"

using namespace lxlib;

namespace {

const QLatin1String TABLE0("\n<TABLE border=\"0\" cellspacing=\"0\" cellpadding=\"0\" bordercolor=\"gray\" "
                           "bgcolor=\"white\" frame=void rules=all>\n");
const QLatin1String TABLE1("\n<TABLE border=\"1\" cellspacing=\"0\" cellpadding=\"0\" bordercolor=\"gray\" "
                           "bgcolor=\"white\" frame=void rules=all>\n");
const QLatin1String ROW("\n<TR>\n");
const QLatin1String ENDROW("</TR>\n");
const QLatin1String CELL("<TD><tt>");
const QLatin1String ENDCELL("</tt>&nbsp;</TD>\n");
const QLatin1String ENDTABLE("\n</TABLE><br>\n");
const QLatin1String EMPTY("<TD colspan=\"1\" nowrap></TD>\n");
const QLatin1String NOWRAP("<TD colspan=\"1\" nowrap><tt>");
const QLatin1String NOWRAP_BOLD("<TD colspan=\"1\" nowrap><tt><B>");
const QLatin1String NBSP("&nbsp;");

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

// Multi-line column labels break inside their header cell.
QStringList htmlHeaders(const CVectorColumns& columns)
{
    QStringList headers;
    for (int c = 0; c < columns.count(); ++c)
        headers << esc(columns.label(c)).replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return headers;
}

// The part's own signal index when it is current; otherwise one made for the report.
CVectorColumns columnsOf(const CLogic& logic, int pos)
{
    const CLogicDataList& indexes = logic.signalIndexes();
    if (pos < indexes.count() && indexes.at(pos)->isBuilt())
        return CVectorColumns(indexes.at(pos));
    CLogicData index;
    index.rebuild(*logic.logicParts().at(pos));
    return CVectorColumns(&index);
}

} // namespace

QString PWReportHtml::htmlReport(const CLogic* logic, const LxLibInfo* document, int mode)
{
    m_html.clear();
    if (mode == LogicMode && logic)
        logicHtml(*logic);
    else if (mode == PassiveMode && document)
        passiveHtml(*document);
    return m_html;
}

void PWReportHtml::pairRow(const QString& left, const QString& right)
{
    m_html += ROW + CELL + left + ENDCELL + CELL + right + ENDCELL + ENDROW;
}

void PWReportHtml::logicHtml(const CLogic& logic)
{
    m_html += QLatin1String("<HTML>\n") + TABLE0 + ROW + CELL + TABLE0;
    pairRow(tr("File Name"), esc(m_fileName));
    pairRow(tr("Device Name"), esc(m_deviceName));
    m_html += ROW + CELL + ENDCELL + ENDROW;
    m_html += ROW + CELL;
    packagesHtml(logic.packages());
    partsHtml(logic);
    m_html += ENDCELL + ENDROW + ENDTABLE + QLatin1String("</HTML>\n");
}

void PWReportHtml::packagesHtml(const CPackageList& packages)
{
    if (packages.isEmpty())
        return;
    m_html += ROW + NOWRAP_BOLD + tr("Packages") + QLatin1String("</B></tt></TD>\n") + EMPTY + ENDROW;
    m_html += ROW + CELL;
    for (const CPackage* package : packages)
        packageHtml(*package);
}

void PWReportHtml::packageHtml(const CPackage& package)
{
    m_html += ROW + EMPTY + NOWRAP_BOLD + tr("Name : ") + esc(package.packageIds().join(QLatin1String(", ")))
              + QLatin1String("</B></tt></TD>\n") + ENDROW;
    if (package.hasTap())
        m_html += ROW + EMPTY + NOWRAP_BOLD + tr("Has Tap") + ENDROW;
    m_html += ROW + CELL + ENDCELL + CELL + TABLE0 + ROW;
    for (const QString& label : {tr("Number"), tr("Name"), tr("Type")})
        m_html += QLatin1String("<TH align=\"left\"><tt>") + label + NBSP + ENDCELL;
    m_html += ENDROW;
    for (const CPackagePin* pin : package.pins()) {
        m_html += ROW;
        for (const QString& value : {pin->pinNumber(), pin->pinName(), packagePinTypeKeyword(pin->pinType())})
            m_html += CELL + esc(value) + NBSP + ENDCELL;
        m_html += ENDROW;
    }
    m_html += ENDTABLE;
}

void PWReportHtml::partsHtml(const CLogic& logic)
{
    m_html += ROW + NOWRAP_BOLD + tr("PARTS") + QLatin1String("</B>") + ENDCELL + NOWRAP + ENDCELL + ENDROW;
    m_html += ROW + CELL + ENDCELL + CELL + TABLE0;
    for (int pos = 0; pos < logic.logicParts().count(); ++pos) {
        const CLogicPart& part = *logic.logicParts().at(pos);
        m_html += ROW + QLatin1String("<TD colspan=\"1\"><tt><B>") + tr("Part Name :") + QLatin1String("</B>")
                  + ENDCELL + QStringLiteral("<TD colspan=\"1\"><tt><B>%1</B>").arg(esc(part.name())) + ENDCELL
                  + ENDROW;
        pinListsHtml(part);
        const QStringList headers = htmlHeaders(columnsOf(logic, pos));
        truthTableHtml(part, headers);
        testSequenceHtml(part, headers);
        enableHtml(part);
        disableHtml(part);
    }
    m_html += ENDCELL + ENDROW + ENDTABLE;
}

void PWReportHtml::pinListsHtml(const CLogicPart& part)
{
    for (const CPinList* pinList : part.pinLists()) {
        //: %1 = Name of the pin list
        m_html += ROW + EMPTY + QLatin1String("<TD colspan=\"2\" nowrap><tt><B>")
                  + tr("Pin List : %1").arg(esc(pinList->name())) + QLatin1String("</B>")
                  + QLatin1String("</tt></TD>\n") + ENDROW;
        m_html += ROW + CELL + ENDCELL + CELL + TABLE0 + ROW;
        for (const QString& label : {tr("Name"), tr("Type"), tr("Bit")})
            m_html += QLatin1String("<TH align=\"left\"><tt>") + label + QLatin1String("&nbsp")
                      + QLatin1String("</tt></TH>\n");
        m_html += ENDROW;
        for (const CPinListPin* pin : pinList->pins()) {
            m_html += ROW;
            for (const QString& value :
                 {pin->pinName(), PWReportText::signalName(pin->signalType()), QString::number(pin->bit())})
                m_html += CELL + esc(value) + NBSP + ENDCELL;
            m_html += ENDROW;
        }
        m_html += ENDTABLE + ENDCELL + ENDROW;
    }
}

void PWReportHtml::sectionStart(const QString& title, const QString& table)
{
    m_html += ROW + NOWRAP + ENDCELL + NOWRAP + QLatin1String("<B>") + title + QLatin1String("</B>") + ENDCELL
              + ENDROW;
    m_html += ROW + CELL + ENDCELL + CELL + table;
}

void PWReportHtml::headerRow(const QStringList& headers)
{
    m_html += ROW;
    for (const QString& header : headers)
        m_html += QLatin1String("\n<TH><tt>") + header + QLatin1String("</tt></TH>\n");
    m_html += ENDROW;
}

void PWReportHtml::vectorCells(const QString& vector)
{
    for (const QChar c : vector) {
        m_html += QLatin1String("<TD align=\"center\"><tt>");
        // Vectors hold logic characters only; escaping each would cost a string per cell.
        if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('&') || c == QLatin1Char('"'))
            m_html += esc(QString(c));
        else
            m_html += c;
        m_html += ENDCELL;
    }
}

void PWReportHtml::truthTableHtml(const CLogicPart& part, const QStringList& headers)
{
    sectionStart(tr("Truth Table"), TABLE1);
    headerRow(headers);
    for (const LxLibTruthTableRecord* record : part.truthTable()) {
        m_html += ROW;
        vectorCells(record->GetVector());
        m_html += ENDROW;
    }
    m_html += ENDTABLE + ENDCELL + ENDROW;
}

void PWReportHtml::testSequenceHtml(const CLogicPart& part, const QStringList& headers)
{
    sectionStart(tr("Test Sequence"), QString());
    // Repeat, end and wait rows span the vector columns, so the diagnose column stays aligned.
    const QString span = QStringLiteral("<TD colspan=\"%1\" nowrap><tt>").arg(qMax<qsizetype>(1, headers.size()));
    const CTestSequenceDiagnoseList& diagnostics = part.testSequenceDiagnostics();
    for (int s = 0; s < part.testSequences().count(); ++s) {
        const CTestSequences* sequence = part.testSequences().at(s);
        m_html += TABLE1 + ROW + span + QLatin1String("<B>") + esc(sequence->name()) + QLatin1String("</B>") + ENDCELL
                  + NOWRAP + QLatin1Char(' ') + tr("Diagnose") + ENDCELL + ENDROW;
        headerRow(headers + QStringList(QString()));
        int row = 0;
        for (const CTestSequence* statement : sequence->statements()) {
            if (statement->kind() == CTestSequence::Vector) {
                m_html += ROW;
                vectorCells(static_cast<const CVectorTestSequence*>(statement)->vector());
                m_html += CELL + esc(PWReportText::diagnosticsText(diagnostics.diagnose(s, row))) + ENDCELL + ENDROW;
            } else if (statement->kind() == CTestSequence::Repeat) {
                const auto* loop = static_cast<const CLoopTestSequence*>(statement);
                m_html += ROW + span + tr("Repeat") + QLatin1Char(' ') + QString::number(loop->count())
                          + QLatin1String(" - ") + PWReportText::breakText(loop->breakMode()) + ENDCELL + EMPTY
                          + ENDROW;
                int member = row;
                for (const CVectorTestSequence* vector : loop->vectors()) {
                    m_html += ROW;
                    vectorCells(vector->vector());
                    m_html += CELL + esc(PWReportText::diagnosticsText(diagnostics.diagnose(s, ++member))) + ENDCELL
                              + ENDROW;
                }
                m_html += ROW + span + tr("End Repeat") + ENDCELL + EMPTY + ENDROW;
            } else if (statement->kind() == CTestSequence::Wait) {
                const auto* wait = static_cast<const CWaitTestSequence*>(statement);
                m_html += ROW + span + tr("Wait ") + QString::number(wait->time()) + QLatin1Char(' ')
                          + wait->unit().GetTimeUnitAsStr().toLower() + ENDCELL + EMPTY + ENDROW;
            }
            row += statement->rowCount();
        }
        m_html += ENDTABLE;
    }
    m_html += ENDCELL + ENDROW;
}

void PWReportHtml::enableHtml(const CLogicPart& part)
{
    sectionStart(tr("Enable Pattern"), TABLE1);
    for (const LxLibEnablePattern* pattern : part.enablePatterns()) {
        m_html += ROW + NOWRAP_BOLD + esc(pattern->GetName()) + QLatin1String("</B>") + ENDCELL + CELL + ENDCELL
                  + ENDROW;
        for (const LxLibSetSignal* setting : pattern->GetSetSignalList())
            pairRow(PWReportText::signalName(setting->GetSignalType()) + NBSP, esc(setting->GetVector()) + NBSP);
        for (const LxLibSetEnable* enable : pattern->GetSetEnableList())
            m_html += ROW + CELL + PWReportText::enableSpecificationText(*enable) + ENDCELL + ENDROW;
    }
    m_html += ENDTABLE + ENDCELL + ENDROW;
}

void PWReportHtml::disableHtml(const CLogicPart& part)
{
    sectionStart(tr("Disable Pattern"), TABLE1);
    int n = 0;
    for (const LxLibDisablePattern* pattern : part.disablePatterns()) {
        // Always a 0 in front: the tenth pattern reads "Disable 010".
        m_html += ROW + NOWRAP_BOLD + tr("Disable 0") + QString::number(++n) + QLatin1String("</B>") + ENDCELL + NOWRAP
                  + ENDCELL + ENDROW;
        for (const LxLibSetSignal* setting : pattern->GetSetSignalList())
            pairRow(PWReportText::signalName(setting->GetSignalType()) + NBSP, esc(setting->GetVector()) + NBSP);
        QString types;
        for (const LxLibSetDisable* disable : pattern->GetSetDisableList())
            types += PWReportText::signalName(disable->GetSignalType()) + QLatin1Char(' ');
        m_html += ROW + QLatin1String("<TD><tt>") + tr("Disabled Pin Type") + ENDCELL + CELL + types + ENDCELL + ENDROW;
    }
    m_html += ENDTABLE + ENDCELL + ENDROW;
}

void PWReportHtml::passiveHtml(const LxLibInfo& document)
{
    m_html += QLatin1String("<HTML>\n") + TABLE0;
    pairRow(tr("File Name : "), esc(m_fileName));
    pairRow(tr("Device Name : "), esc(m_deviceName));
    pairRow(QString(), QString());
    pairRow(tr("Parts "), QString());
    m_html += ROW + CELL + ENDCELL + CELL + TABLE0;
    for (const LxLibComponent* component : document.GetComponentList()) {
        for (const LxLibDescriptor* descriptor : component->GetDescriptorList()) {
            if (descriptor->kind() == DK_PASSIVE)
                passivePartHtml(*static_cast<const LxLibPassiveComponent*>(descriptor));
        }
    }
    m_html += ENDTABLE + ENDCELL + ENDROW + ENDTABLE + QLatin1String("</HTML>\n");
}

void PWReportHtml::passivePartHtml(const LxLibPassiveComponent& passive)
{
    pairRow(tr("Part : "), esc(passive.GetName()));
    pairRow(tr("Type : "), passive.GetTypeAsStr());
    m_html += ROW + CELL + ENDCELL + CELL + TABLE0;
    for (const LxLibPinCombination* pins : passive.GetPinCombinationList())
        pairRow(esc(pins->GetPinA()), esc(pins->GetPinB()));
    if (passive.GetType() == PCT_CONNECTION) {
        for (const LxLibCondition* condition : static_cast<const LxLibPassiveCompConnection&>(passive).GetConditionList()) {
            pairRow(tr("Condition : "), esc(condition->GetConditionId()));
            for (const LxLibPinCombination* pins : condition->GetPinCombinationList())
                pairRow(esc(pins->GetPinA()), esc(pins->GetPinB()));
        }
    }
    m_html += ENDTABLE + ENDCELL + ENDROW;
}
