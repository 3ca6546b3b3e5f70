#include "PWReportText.h"

#include "CLogic.h"
#include "CLoopTestSequence.h"
#include "CVectorTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibComponent.h"
#include "LxLibInfo.h"
#include "LxLibPassive.h"

using namespace lxlib;

namespace {

const QLatin1String kTab("\t");
const QLatin1String kTwoTabs("\t\t");

} // namespace

QString PWReportText::signalName(int signalType)
{
    return LxLibSignalTypeBit::ConvertSignalToString(signalType);
}

QString PWReportText::settingText(const LxLibSetSignal& setting)
{
    return QStringLiteral("%1 = \"%2\"\t").arg(signalName(setting.GetSignalType()), setting.GetVector());
}

QString PWReportText::enableSpecificationText(const LxLibSetEnable& enable)
{
    const int type = enable.GetEnableType();
    switch (type) {
    case ET_CHIP_ENABLE:
        return tr("Chip Enable");
    case ET_OUTPUT_ENABLE:
        return tr("Output Enable");
    case ET_POWER_CONTROL:
        return tr("Power Control");
    case ET_OUTPUT_DISABLE: {
        const auto& disable = static_cast<const LxLibSetEnableDisable&>(enable);
        //: %1 = Signal type whose outputs are disabled
        return tr("Output Disable %1").arg(signalName(disable.GetSignal().GetSignalType()));
    }
    case ET_CONNECTION:
    case ET_EQUATION:
        break;
    default:
        return QString();
    }
    const auto& relation = static_cast<const LxLibSetEnableRelation&>(enable);
    const QString first = signalName(relation.GetFirstSignal().GetSignalType());
    const QString second = signalName(relation.GetSecondSignal().GetSignalType());
    const bool invert = relation.GetFlags() & 1;
    QString text;
    if (type == ET_CONNECTION && invert)
        //: %1 = First signal type, %2 = Second signal type
        text = tr("Connection Invert %1 %2");
    else if (type == ET_CONNECTION)
        //: %1 = First signal type, %2 = Second signal type
        text = tr("Connection %1 %2");
    else if ((relation.GetFlags() & 2) && invert)
        //: %1 = First signal type, %2 = Second signal type
        text = tr("%1 is Latch Invert %2");
    else if (relation.GetFlags() & 2)
        //: %1 = First signal type, %2 = Second signal type
        text = tr("%1 is Latch %2");
    else if (invert)
        //: %1 = First signal type, %2 = Second signal type
        text = tr("%1 is Inverted %2");
    else
        //: %1 = First signal type, %2 = Second signal type
        text = tr("%1 is %2");
    return text.arg(first, second);
}

QString PWReportText::diagnosticsText(const CLogicDiagnose* diagnose)
{
    if (!diagnose)
        return QString();
    QString text;
    for (const LxLibDiagRuleStuckAt* rule : diagnose->GetRuleList())
        text += QStringLiteral("%1 %2 %3, ")
                    .arg(signalName(rule->GetSignalType()), QString::number(rule->GetSignalBit()),
                         rule->GetStuckAtTypeAsStr());
    text.chop(2);
    return text;
}

QString PWReportText::breakText(int breakMode)
{
    return breakMode == BM_ON_ERROR ? tr("Break On Error") : tr("Break On No Error");
}

QStringList PWReportText::packagesText(const CPackageList& packages)
{
    QStringList lines;
    if (packages.isEmpty())
        return lines;
    lines << tr("PACKAGES");
    for (const CPackage* package : packages) {
        lines << tr("Package Name") + QLatin1String("\t: ") + package->packageIds().join(QLatin1String(", "));
        if (package->hasTap())
            lines << tr("Package Has TAP");
        lines << kTwoTabs + tr("Nr ") + kTab + tr("Name ") + kTab + tr("Type");
        for (const CPackagePin* pin : package->pins())
            lines << kTwoTabs + pin->pinNumber() + kTab + pin->pinName() + kTab
                         + packagePinTypeKeyword(pin->pinType());
    }
    return lines;
}

QStringList PWReportText::partsText(const CLogicPartList& parts)
{
    QStringList lines;
    if (parts.isEmpty())
        return lines;
    lines << tr("PARTS");
    for (const CLogicPart* part : parts) {
        lines << QLatin1String("  ") + tr("Part Name") + QLatin1String("\t: ") + part->name();
        for (const CPinList* pinList : part->pinLists())
            lines << pinListText(*pinList);
        lines << truthTableText(*part) << testSequenceText(*part) << enableText(*part) << disableText(*part);
    }
    return lines;
}

QStringList PWReportText::pinListText(const CPinList& pinList)
{
    QStringList lines;
    lines << kTab + tr("Pin List Name") + QLatin1String("\t: ") + pinList.name();
    lines << kTwoTabs + tr("Name") + kTab + tr("Type") + kTab + tr("Bit");
    for (const CPinListPin* pin : pinList.pins())
        lines << kTwoTabs + pin->pinName() + kTab + signalName(pin->signalType()) + kTab + QString::number(pin->bit());
    return lines;
}

QStringList PWReportText::truthTableText(const CLogicPart& part)
{
    QStringList lines;
    if (part.truthTable().isEmpty())
        return lines;
    lines << kTab + tr("Truth Table");
    for (const LxLibTruthTableRecord* record : part.truthTable())
        lines << kTwoTabs + record->GetVector();
    return lines;
}

QStringList PWReportText::testSequenceText(const CLogicPart& part)
{
    QStringList lines;
    const CTestSequenceDiagnoseList& diagnostics = part.testSequenceDiagnostics();
    for (int s = 0; s < part.testSequences().count(); ++s) {
        const CTestSequences* sequence = part.testSequences().at(s);
        lines << kTab + tr("Test Sequence Name") + QLatin1String("\t: ") + sequence->name();
        // The diagnostics are kept per table row, where a repeat also has its end row.
        int row = 0;
        for (const CTestSequence* statement : sequence->statements()) {
            if (statement->kind() == CTestSequence::Vector) {
                const auto* vector = static_cast<const CVectorTestSequence*>(statement);
                lines << kTwoTabs + vector->vector() + QLatin1String(",\t")
                             + diagnosticsText(diagnostics.diagnose(s, row));
            } else if (statement->kind() == CTestSequence::Repeat) {
                const auto* loop = static_cast<const CLoopTestSequence*>(statement);
                lines << kTwoTabs + tr("Repeat") + kTab + QString::number(loop->count()) + QLatin1String(": ")
                             + breakText(loop->breakMode());
                int member = row;
                for (const CVectorTestSequence* vector : loop->vectors())
                    lines << QLatin1String("\t\t ") + vector->vector() + QLatin1String(",\t")
                                 + diagnosticsText(diagnostics.diagnose(s, ++member));
                lines << kTwoTabs + tr("End Repeat");
            } else if (statement->kind() == CTestSequence::Wait) {
                const auto* wait = static_cast<const CWaitTestSequence*>(statement);
                lines << kTwoTabs + tr("Wait") + kTab + QString::number(wait->time()) + kTab
                             + wait->unit().GetTimeUnitAsStr().toLower();
            }
            row += statement->rowCount();
        }
    }
    return lines;
}

QStringList PWReportText::enableText(const CLogicPart& part)
{
    QStringList lines;
    if (part.enablePatterns().isEmpty())
        return lines;
    lines << kTab + tr("Enable Patterns") + kTab;
    for (const LxLibEnablePattern* pattern : part.enablePatterns()) {
        QString line = kTwoTabs;
        for (const LxLibSetSignal* setting : pattern->GetSetSignalList())
            line += settingText(*setting);
        QStringList specifications;
        for (const LxLibSetEnable* enable : pattern->GetSetEnableList())
            specifications << enableSpecificationText(*enable);
        line += specifications.join(QLatin1Char(' '));
        lines << line + tr("Name : ") + pattern->GetName();
    }
    return lines;
}

QStringList PWReportText::disableText(const CLogicPart& part)
{
    QStringList lines;
    if (part.disablePatterns().isEmpty())
        return lines;
    lines << kTab + tr("Disable Patterns");
    for (const LxLibDisablePattern* pattern : part.disablePatterns()) {
        QString line = kTwoTabs;
        for (const LxLibSetSignal* setting : pattern->GetSetSignalList())
            line += settingText(*setting);
        line += tr("Disable Type : ");
        for (const LxLibSetDisable* disable : pattern->GetSetDisableList())
            line += signalName(disable->GetSignalType()) + QLatin1Char(' ');
        lines << line;
    }
    return lines;
}

QStringList PWReportText::passiveText(const LxLibInfo& document)
{
    QStringList lines;
    for (const LxLibComponent* component : document.GetComponentList()) {
        //: %1 = Name of the device
        lines << tr("Device Name\t\t: %1\n").arg(component->GetName());
        lines << tr("Parts") + QLatin1Char('\n');
        for (const LxLibDescriptor* descriptor : component->GetDescriptorList()) {
            if (descriptor->kind() != DK_PASSIVE)
                continue;
            const auto* passive = static_cast<const LxLibPassiveComponent*>(descriptor);
            if (!passive->GetName().isEmpty())
                //: %1 = Name of the passive part
                lines << tr("\tName\t: %1").arg(passive->GetName());
            if (!passive->GetTypeAsStr().isEmpty())
                //: %1 = Type of the passive part
                lines << tr("\tType\t: %1").arg(passive->GetTypeAsStr());
            for (const LxLibPinCombination* pins : passive->GetPinCombinationList())
                lines << QLatin1String("\t\t\"") + pins->GetPinA() + QLatin1String("\"\t\"") + pins->GetPinB()
                             + QLatin1String("\"\n");
            if (passive->GetType() != PCT_CONNECTION)
                continue;
            const auto* connection = static_cast<const LxLibPassiveCompConnection*>(passive);
            for (const LxLibCondition* condition : connection->GetConditionList()) {
                QString entry;
                if (!condition->GetConditionId().isEmpty())
                    //: %1 = Name of the condition
                    entry = tr("\t\tCondition : %1\n").arg(condition->GetConditionId());
                for (const LxLibPinCombination* pins : condition->GetPinCombinationList())
                    entry += QStringLiteral("\t\t\t\"%1\" \"%2\"\t\n").arg(pins->GetPinA(), pins->GetPinB());
                lines << entry;
            }
        }
    }
    return lines;
}

QStringList PWReportText::logicHead(const QString& fileName, const QString& deviceName, const QString& categoryName)
{
    return {tr("File Name") + QLatin1String("\t\t:") + fileName, tr("Device Name") + QLatin1String("\t\t:") + deviceName,
            tr("Device Type Category") + QLatin1String("\t:") + categoryName};
}

QStringList PWReportText::passiveHead(const QString& fileName, const QString& categoryName)
{
    return {tr("File Name") + QLatin1String("\t\t: ") + fileName,
            tr("Device Type Category") + QLatin1String("\t: ") + categoryName};
}

QStringList PWReportText::logicReport(const CLogic& logic, const QString& fileName, const QString& deviceName,
                                      const QString& categoryName)
{
    const QStringList lines = packagesText(logic.packages()) + partsText(logic.logicParts());
    return lines.isEmpty() ? lines : logicHead(fileName, deviceName, categoryName) + lines;
}

QStringList PWReportText::passiveReport(const LxLibInfo& document, const QString& fileName,
                                        const QString& categoryName)
{
    const QStringList lines = passiveText(document);
    return lines.isEmpty() ? lines : passiveHead(fileName, categoryName) + lines;
}
