#ifndef LXLIBCHECKER_H
#define LXLIBCHECKER_H

#include <QHash>
#include <QSet>
#include <QString>

namespace lxlib {

class LxLibInfo;
class LxLibObject;
class LxLibComponent;
class LxLibPackage;
class LxLibLogic;
class LxLibPassiveComponent;
class LxLibSetEnable;
class LxLibSetSignal;
class LxLibLogicStatement_testVector;

// Looks at an assembled document for what a test engineer wants found before a
// model goes to the test tools; every problem becomes an error message that
// points at the object's line when it was read from a file.
class LxLibChecker
{
public:
    explicit LxLibChecker(LxLibInfo& info);

    // The number of objects checked when nothing was found, 0 otherwise;
    // *errorText (when given) receives the first problem.
    int run(QString* errorText);

private:
    // Signal bits of one part, from all its pin lists.
    struct SignalIndex
    {
        QHash<int, QSet<int>> bitsByType;
        int controlColumns = 0;
        bool carries(int type, int bit) const;
    };

    void problem(const LxLibObject* at, const QString& text);
    void checkComponent(const LxLibComponent& component);
    void checkPackage(const LxLibPackage& package, QHash<QString, const LxLibPackage*>& ids);
    void checkLogic(const LxLibLogic& logic, const QSet<QString>& pinNames, bool checkPins);
    SignalIndex indexPinLists(const LxLibLogic& logic, const QSet<QString>& pinNames, bool checkPins);
    void checkSequences(const LxLibLogic& logic, const SignalIndex& index);
    void checkTestVector(const LxLibLogicStatement_testVector& v, const QString& where, const SignalIndex& index);
    void checkVector(const LxLibObject* at, const QString& vector, const QString& where, int columns);
    void checkSetSignal(const LxLibSetSignal& s, const QString& where, const SignalIndex& index, bool atMost);
    void checkSetEnable(const LxLibSetEnable& e, const QString& where, const SignalIndex& index);
    void checkSignalUse(const LxLibObject* at, int type, int bit, const QString& where, const SignalIndex& index);
    void checkPassive(const LxLibPassiveComponent& part);

    LxLibInfo& m_info;
    QString m_source;
    int m_count = 0;
    int m_problems = 0;
    QString m_first;
};

} // namespace lxlib

#endif
