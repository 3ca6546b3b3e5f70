#include "PWDeviceModel.h"

#include "LxLibInfo.h"

#include <utility>

using namespace lxlib;

QString PWDeviceModel::categoryName(int category)
{
    switch (category) {
    case Passive:
        return tr("Passive");
    case Logic:
        return tr("Logic");
    case MemoryTest:
        return tr("Memory test");
    case MemoryProgram:
        return tr("Memory program");
    default:
        return QString();
    }
}

void PWDeviceModel::readHeader(const LxLibInfo& document)
{
    for (const LxLibHeader* h : document.GetHeaderList()) {
        switch (h->GetHeaderType()) {
        case HT_GENERAL:
            m_header.dateAuthor = h->getDateAuthor();
            m_header.copyright = h->getCopyRight();
            m_header.function = h->getFunction();
            m_header.category = h->getCategory();
            break;
        case HT_HISTORY:
            m_header.history = h->GetLogCommentList().join(QLatin1Char('\n'));
            break;
        case HT_WARNING:
            m_header.warnings = h->GetLogCommentList().join(QLatin1Char('\n'));
            break;
        case HT_NOTE:
            m_header.notes = h->GetLogCommentList().join(QLatin1Char('\n'));
            break;
        default:
            break;
        }
    }
}

namespace {

// One header of the type holding each non-blank line trimmed; none when no line is left.
void addLines(LxLibInfo& document, int type, const QString& text)
{
    auto header = std::make_unique<LxLibHeader>(type);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            header->AddLogComment(trimmed);
    }
    if (!header->GetLogCommentList().isEmpty())
        document.AddHeader(header.release());
}

} // namespace

void PWDeviceModel::writeHeader(LxLibInfo& document) const
{
    auto* general = new LxLibHeader(HT_GENERAL);
    general->AddLogComment(m_header.dateAuthor);
    general->AddLogComment(m_header.copyright);
    general->AddLogComment(m_header.function);
    general->AddLogComment(m_header.category);
    document.AddHeader(general);
    addLines(document, HT_HISTORY, m_header.history);
    addLines(document, HT_WARNING, m_header.warnings);
    addLines(document, HT_NOTE, m_header.notes);
}

QStringList PWDeviceModel::enableEqualOperatorChoices(float formatVersion)
{
    QStringList choices{tr("Normal"), tr("Invert")};
    // Only files of format 1.1 know the latched operators.
    if (formatVersion == 1.1f)
        choices << tr("Latch") << tr("Latch invert");
    return choices;
}

QStringList PWDeviceModel::enableConnectionOperatorChoices()
{
    return {tr("Normal"), tr("Invert")};
}

void PWDeviceModel::addNotice(const QString& text, const LxLibObject& refused)
{
    m_notices.append({text, refused.sourceLine(), refused.sourceColumn()});
}

void PWDeviceModel::clear()
{
    m_notices.clear();
    m_deviceId.clear();
    m_category = NoCategory;
    m_editMode = NoEdit;
    m_header = Header();
    m_logic->clear();
    m_passives.clear();
    m_sourceVersion = 1.2f;
}

std::unique_ptr<CLogic> PWDeviceModel::takeLogic()
{
    return std::exchange(m_logic, std::make_unique<CLogic>());
}
