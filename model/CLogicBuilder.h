#ifndef CLOGICBUILDER_H
#define CLOGICBUILDER_H

#include <QCoreApplication>
#include <QString>

class CLogic;
class CLogicPart;
class CTestSequences;

namespace lxlib {
class LxLibInfo;
class LxLibLogic;
class LxLibLogicStatementLists;
class LxLibPackage;
} // namespace lxlib

class CPackage;

// Turns the device model into the model library objects of a logic model.
class CLogicBuilder
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    explicit CLogicBuilder(CLogic& logic) : m_logic(logic) {}

    // Hands a new component to the document. Fails without a document (no
    // text) or without a package.
    bool build(lxlib::LxLibInfo* document, const QString& deviceId, QString& error);

    // Copies each defined row diagnostic into the vector statement of its row.
    void attachDiagnostics();

    static int diePinTypeOf(const QString& pinNumber);
    static lxlib::LxLibPackage* buildPackage(const CPackage& package);
    static lxlib::LxLibLogic* buildLogic(const CLogicPart& part);
    static lxlib::LxLibLogicStatementLists* buildTestSequence(const CTestSequences& sequence);

private:
    CLogic& m_logic;
};

#endif
