#include "PWPassiveDocument.h"

#include "LxLibInfo.h"
#include "PWLogicDocument.h"

#include <memory>

using namespace lxlib;

namespace {

bool isConnectorType(int type)
{
    return type == PCT_CONNECTOR || type == PCT_BOARD_CONTACT;
}

void copyCompletePins(const LxLibPinCombinationList& from, LxLibPinCombinationList& to)
{
    for (const LxLibPinCombination* c : from)
        if (!c->GetPinA().isEmpty() && !c->GetPinB().isEmpty())
            to.append(c->clone());
}

} // namespace

LxLibPassiveComponent* PWPassiveDocument::copyPassiveComponent(const LxLibPassiveComponent& component)
{
    return component.clone();
}

LxLibPassiveComponent* PWPassiveDocument::editorForm(const LxLibPassiveComponent& component)
{
    const int type = component.GetType();
    if (type <= PCT_NONE || type >= PCT_COUNT)
        return nullptr;
    if (const auto* connection = dynamic_cast<const LxLibPassiveCompConnection*>(&component)) {
        // Conditions are kept as read until they are edited.
        auto* copy = new LxLibPassiveCompConnection(component.GetName());
        copy->copySourcePosition(component);
        copyCompletePins(component.GetPinCombinationList(), copy->GetPinCombinationList());
        for (const LxLibCondition* c : connection->GetConditionList())
            copy->AddCondition(c->clone());
        return copy;
    }
    auto* copy = new LxLibPassiveComponent(component.GetName(), type);
    copy->copySourcePosition(component);
    if (!isConnectorType(type))
        copyCompletePins(component.GetPinCombinationList(), copy->GetPinCombinationList());
    return copy;
}

bool PWPassiveDocument::buildAndCheck(LxLibInfo& document, const QList<const LxLibPassiveComponent*>& parts,
                                      const QString& deviceId, QString& error)
{
    error.clear();
    auto component = std::make_unique<LxLibComponent>(deviceId);
    if (parts.isEmpty())
        return false;
    for (const LxLibPassiveComponent* part : parts)
        component->AddDescriptor(copyPassiveComponent(*part));
    document.AddComponent(component.release());
    QString checkError;
    const int count = document.check(&checkError);
    if (count < 1) {
        error = checkError.isEmpty() ? PWLogicDocument::unableToWriteText() : checkError;
        return false;
    }
    document.SetFormatVersion(1.1f);
    document.SetCheckCount(count);
    return true;
}

QList<PWPassiveDocument::Loss> PWPassiveDocument::lossesOnLoad(const LxLibComponent& component)
{
    QList<Loss> losses;
    if (!component.GetPackageList().isEmpty())
        losses.append({tr("This passive model has package information. This is not supported by the Partwright. "
                          "All package settings will get lost."),
                       component.GetPackageList().first()});
    for (const LxLibDescriptor* d : component.GetDescriptorList()) {
        const auto* part = dynamic_cast<const LxLibPassiveComponent*>(d);
        if (part && isConnectorType(part->GetType()) && !part->GetPinCombinationList().isEmpty()) {
            //: %1 = Name of the part
            losses.append({tr("Connector \"%1\" has pin combinations. This is not supported by the Partwright. "
                              "The pin combinations of connectors and board contacts will get lost.")
                               .arg(part->GetName()),
                           part});
            break;
        }
    }
    return losses;
}
