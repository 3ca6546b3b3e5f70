#ifndef PWLOGICDOCUMENT_H
#define PWLOGICDOCUMENT_H

#include "LxLibAlias.h"

#include <QCoreApplication>
#include <QString>

class CLogic;

namespace lxlib {
class LxLibInfo;
}

// Assembling the document of a logic model for writing, shared by the wizard
// and the command-line tool.
class PWLogicDocument
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    // The aliases of the document a model came from, so a rebuilt document keeps them.
    static lxlib::LxLibAliasList copyAliases(const lxlib::LxLibInfo* document);
    static void addAliases(const lxlib::LxLibAliasList& aliases, lxlib::LxLibInfo& document);

    // Builds the component into document, whose aliases and headers are already
    // in place, and lets the library check the result. On success the document
    // holds format 1.2 and the check count; on failure error holds the text to show.
    static bool buildAndCheck(lxlib::LxLibInfo& document, CLogic& logic, const QString& deviceId, QString& error);

    static QString unableToWriteText();
};

#endif
