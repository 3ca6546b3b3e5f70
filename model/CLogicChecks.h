#ifndef CLOGICCHECKS_H
#define CLOGICCHECKS_H

#include <QCoreApplication>
#include <QString>

class CLogic;
namespace lxlib {
class LxLibCharacterSet;
class LxLibCompactText;
}
class CSourcePosition;

// The whole-model checks run before a logic model is saved or the logic part
// page is left. Each stops at the first problem and leaves its text in error,
// and, when at is given, where the record it is about was read from; none
// changes the model.
class CLogicChecks
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    // Characters of truth table rows and test sequence vectors.
    static const QString LogicVectorCharacters;
    // Characters of the set-signals of enable and disable patterns.
    static const QString PatternVectorCharacters;

    static bool isValidVector(const QString& vector, const QString& allowed);
    static bool isValidVector(const lxlib::LxLibCompactText& vector, const lxlib::LxLibCharacterSet& allowed);
    static bool checkSignalAgainstPin(int signalType, int packagePinType);
    // The signal types a pattern may set.
    static bool isPatternSignalType(int signalType);

    static bool validatePinLists(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkPinListsMatch(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkPinListsPresent(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);

    static bool checkPackages(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkTruthTables(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkTestSequences(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkEnablePatterns(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    static bool checkDisablePatterns(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
    // The five checks above, then checkPinListsMatch.
    static bool validateLogicPage(const CLogic& logic, QString& error, CSourcePosition* at = nullptr);
};

#endif
