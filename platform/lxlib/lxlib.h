#ifndef LXLIB_H
#define LXLIB_H

// The whole model library.
#include "LxLibAlias.h"
#include "LxLibComponent.h"
#include "LxLibHeader.h"
#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibPackage.h"
#include "LxLibPassive.h"
#include "LxLibPattern.h"
#include "LxLibPinList.h"
#include "LxLibStatement.h"
#include "LxLibTypes.h"

#endif
