#ifndef PWFEATUREWARNINGS_H
#define PWFEATUREWARNINGS_H

#include <QCoreApplication>
#include <QStringList>

namespace lxlib {
class LxLibInfo;
}

// The warnings a load gives for library settings the editors cannot hold.
class PWFeatureWarnings
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    // At most one text per group (multiple, bit value, differential), in that
    // order; none in view-only mode or without a document.
    static QStringList of(const lxlib::LxLibInfo* document, bool viewOnly);

    static QString multipleSpecifications(bool enable, bool latch);
    static QString bitValueSpecifications(bool enable, bool latch, bool disable);
    static QString differentialSpecifications(bool enable, bool latch, bool pins);
};

#endif
