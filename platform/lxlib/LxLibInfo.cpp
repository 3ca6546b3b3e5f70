#include "LxLibInfo.h"

#include "LxLibChecker.h"
#include "LxLibLogic.h"
#include "LxLibPassive.h"
#include "LxLibReader.h"
#include "LxLibWriter.h"

namespace lxlib {

LxLibInfo::LxLibInfo(const QString& fileName, QObject* parent) : QObject(parent), m_fileName(fileName)
{
    qRegisterMetaType<lxlib::Message>();
}

LxLibInfo::~LxLibInfo() = default;

void LxLibInfo::clear()
{
    m_headers.clear();
    m_aliases.clear();
    m_components.clear();
    m_checkCount = 0;
    m_endLine = 0;
}

bool LxLibInfo::read(bool reportWarnings, bool stopAtFirstError, bool* errorFlag)
{
    LxLibReader reader(*this, m_fileName, reportWarnings, stopAtFirstError);
    const bool ok = reader.readFile(m_fileName);
    if (errorFlag)
        *errorFlag = reader.errorCount() > 0;
    return ok;
}

bool LxLibInfo::readFromData(const QByteArray& data, bool reportWarnings, bool stopAtFirstError, bool* errorFlag)
{
    LxLibReader reader(*this, m_fileName, reportWarnings, stopAtFirstError);
    const bool ok = reader.read(data);
    if (errorFlag)
        *errorFlag = reader.errorCount() > 0;
    return ok;
}

bool LxLibInfo::write() { return LxLibWriter::writeFile(*this, m_fileName); }

bool LxLibInfo::write(const QString& path) { return LxLibWriter::writeFile(*this, path); }

QByteArray LxLibInfo::toText() const { return LxLibWriter::toText(*this); }

int LxLibInfo::check(QString* errorText) { return LxLibChecker(*this).run(errorText); }

namespace {

// Calls f for every logic-like descriptor of every component until f returns true.
template <typename F>
bool anyLogic(const LxLibComponentList& components, F f)
{
    for (const LxLibComponent* c : components)
        for (const LxLibDescriptor* d : c->GetDescriptorList())
            if (const auto* logic = dynamic_cast<const LxLibLogic*>(d))
                if (f(*logic))
                    return true;
    return false;
}

bool anyBitValue(const LxLibSetSignalList& list)
{
    for (const LxLibSetSignal* s : list)
        if (s->HasBitValue())
            return true;
    return false;
}

bool anyDifferential(const LxLibSetEnableList& list)
{
    for (const LxLibSetEnable* e : list)
        if (e->IsDifferential())
            return true;
    return false;
}

} // namespace

bool LxLibInfo::hasEnableMultipleSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibEnablePattern* p : l.GetEnablePatternList()) {
            int specs = 0;
            for (const LxLibSetEnable* e : p->GetSetEnableList())
                if (e->GetEnableType() >= ET_CHIP_ENABLE && e->GetEnableType() <= ET_OUTPUT_DISABLE)
                    ++specs;
            if (specs > 1)
                return true;
        }
        return false;
    });
}

bool LxLibInfo::hasLatchMultipleSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibLatchSequence* s : l.GetLatchSequenceList())
            if (s->GetSetEnableList().count() > 1)
                return true;
        return false;
    });
}

bool LxLibInfo::hasEnableBitValueSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibEnablePattern* p : l.GetEnablePatternList())
            if (anyBitValue(p->GetSetSignalList()))
                return true;
        return false;
    });
}

bool LxLibInfo::hasLatchBitValueSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibLatchSequence* s : l.GetLatchSequenceList())
            for (const LxLibSetSignalList* v : s->GetSetSignalListList())
                if (anyBitValue(*v))
                    return true;
        return false;
    });
}

bool LxLibInfo::hasDisableBitValueSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibDisablePattern* p : l.GetDisablePatternList()) {
            if (anyBitValue(p->GetSetSignalList()))
                return true;
            for (const LxLibSetDisable* d : p->GetSetDisableList())
                if (d->GetSignalBit() >= 0)
                    return true;
        }
        return false;
    });
}

bool LxLibInfo::hasEnableDifferentialSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibEnablePattern* p : l.GetEnablePatternList())
            if (anyDifferential(p->GetSetEnableList()))
                return true;
        return false;
    });
}

bool LxLibInfo::hasLatchDifferentialSpecifications() const
{
    return anyLogic(m_components, [](const LxLibLogic& l) {
        for (const LxLibLatchSequence* s : l.GetLatchSequenceList())
            if (anyDifferential(s->GetSetEnableList()))
                return true;
        return false;
    });
}

bool LxLibInfo::hasPinDifferentialSpecifications() const
{
    for (const LxLibComponent* c : m_components)
        for (const LxLibPackage* p : c->GetPackageList())
            for (const LxLibPackagePin* pin : p->GetPackagePinList())
                if (!pin->GetDifferentialPartner().isEmpty())
                    return true;
    return false;
}

} // namespace lxlib
