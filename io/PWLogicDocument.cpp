#include "PWLogicDocument.h"

#include "CLogic.h"
#include "LxLibInfo.h"

using namespace lxlib;

LxLibAliasList PWLogicDocument::copyAliases(const LxLibInfo* document)
{
    LxLibAliasList aliases;
    if (document)
        for (const LxLibAlias* a : document->GetAliasList())
            aliases.append(new LxLibAlias(a->GetAliasId(), a->GetComponentId(), a->GetManufacturerId(),
                                          a->GetPackageId()));
    return aliases;
}

void PWLogicDocument::addAliases(const LxLibAliasList& aliases, LxLibInfo& document)
{
    for (const LxLibAlias* a : aliases)
        document.AddAlias(a->clone());
}

QString PWLogicDocument::unableToWriteText()
{
    return tr("Unable to write the model file, please check your model");
}

bool PWLogicDocument::buildAndCheck(LxLibInfo& document, CLogic& logic, const QString& deviceId, QString& error)
{
    error.clear();
    if (!logic.buildLogicComponent(&document, deviceId, error)) {
        if (error.isEmpty())
            error = unableToWriteText();
        return false;
    }
    QString checkError;
    const int count = document.check(&checkError);
    if (count <= 0) {
        error = checkError.isEmpty() ? unableToWriteText() : checkError;
        return false;
    }
    document.SetFormatVersion(1.2f);
    document.SetCheckCount(count);
    return true;
}
