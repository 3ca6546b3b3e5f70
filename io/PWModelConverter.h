#ifndef PWMODELCONVERTER_H
#define PWMODELCONVERTER_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "CLogicDiagnose.h"
class CLogicPart;
class CPackage;
class CPinList;
class CSourcePosition;
class CTestSequences;
class PWDeviceModel;

namespace lxlib {
class LxLibDisablePattern;
class LxLibEnablePattern;
class LxLibInfo;
class LxLibLatchSequence;
class LxLibLogic;
class LxLibLogicStatementLists;
class LxLibPackage;
class LxLibPinList;
} // namespace lxlib

// Turns a loaded library document into the device model the editors show,
// dropping what the editors cannot hold.
class PWModelConverter
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    // Fills model, which the caller has reset. On failure returns false with
    // error set or empty, and at (when given) set to the record refused; the
    // model stays as far as it was filled.
    static bool convert(const lxlib::LxLibInfo& document, PWDeviceModel& model, QString& error,
                        CSourcePosition* at = nullptr);
    // As convert, but moves the vectors and diagnostics of the test sequences
    // out of document instead of copying them, for a caller that does not read
    // them afterwards: a large model is then never held twice. The document's
    // test sequences are left empty, up to a refused statement on failure.
    static bool convertTaking(lxlib::LxLibInfo& document, PWDeviceModel& model, QString& error,
                              CSourcePosition* at = nullptr);

    // Whether a document of this format version carries test sequences, and
    // whether they are its named lists (otherwise its single unnamed one).
    static bool takesTestSequences(float formatVersion);
    static bool takesNamedTestSequences(float formatVersion);

    static CPackage* convertPackage(const lxlib::LxLibPackage& package);
    static CPinList* convertPinList(const lxlib::LxLibPinList& pinList);
    // Null when a statement cannot be held by the editor; refused then tells
    // where it is. The row diagnostics of the sequence are appended to rows.
    static CTestSequences* convertStatementList(const lxlib::LxLibLogicStatementLists& list,
                                                const QString& name, CLogicDiagnoseList& rows,
                                                CSourcePosition* refused = nullptr);
    // n counts the patterns from 1 and names an unnamed one.
    static lxlib::LxLibEnablePattern* convertEnablePattern(const lxlib::LxLibEnablePattern& pattern, int n);
    static lxlib::LxLibDisablePattern* convertDisablePattern(const lxlib::LxLibDisablePattern& pattern, int n);
    static lxlib::LxLibLatchSequence* convertLatchSequence(const lxlib::LxLibLatchSequence& sequence);
    // Why the editor would refuse to add the n-th disable pattern of a part
    // (counted from 1); empty when it takes it.
    static QString disableAddRefusal(const lxlib::LxLibDisablePattern& pattern, int n);

private:
    // take: the caller handed the document over to be changed (convertTaking).
    static bool convertAndPlace(const lxlib::LxLibInfo& document, PWDeviceModel& model, QString& error,
                                CSourcePosition* at, bool take);
    static bool convertInto(const lxlib::LxLibInfo& document, PWDeviceModel& model, QString& error,
                            CSourcePosition& refused, bool take);
    static bool convertLogic(const lxlib::LxLibLogic& logic, float formatVersion, PWDeviceModel& model,
                             CSourcePosition& refused, bool take);
    static bool convertTestSequences(const lxlib::LxLibLogic& logic, float formatVersion, CLogicPart& part,
                                     CSourcePosition& refused, bool take);
};

#endif
