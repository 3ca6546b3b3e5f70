#ifndef EDITORCONTEXT_H
#define EDITORCONTEXT_H

#include "PWEditState.h"
#include "PWWizardContext.h"

#include <QWidget>

// What an editor page is built on in a test: a stand-in dialog, the edit
// state and the shared context, the page under test declared after it.
struct EditorContext
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
};

#endif
