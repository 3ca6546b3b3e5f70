#ifndef PAGEFIXTURE_H
#define PAGEFIXTURE_H

#include "PWEditState.h"
#include "PWWizardContext.h"

#include <QWidget>

// A wizard page on its own: the dialog it lives in, the edit state and the
// context it shares with the other pages, and the page itself.
template <typename Page>
struct PageFixture
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
    Page page{&context, &dialog};
};

#endif
