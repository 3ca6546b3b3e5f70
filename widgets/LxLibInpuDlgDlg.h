#ifndef LXLIBINPUDLGDLG_H
#define LXLIBINPUDLGDLG_H

#include "LxLibInpuDlgForm.h"

// The modal name request every editor uses.
class LxLibInpuDlgDlg : public LxLibInpuDlgForm
{
    Q_OBJECT

public:
    LxLibInpuDlgDlg();

    // Shows "Keep Contents" only when *ok is true on entry. Returns the entry on
    // Ok and an empty text otherwise; *ok tells whether Ok was pressed and
    // *keepContents is always reset.
    static QString getText(const QString& caption, const QString& prompt, const QString& initial, bool* ok,
                           bool* keepContents);

public slots:
    void slotKeepContentes(int state) override;
};

#endif
