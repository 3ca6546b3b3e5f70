#include "PWLogicTab.h"

#include "CLogic.h"
#include "PWWizardContext.h"

CLogicPart* PWLogicTab::revealStored(int part)
{
    reveal(part);
    storeTab(part);
    return m_context->logic().logicParts().at(part);
}
