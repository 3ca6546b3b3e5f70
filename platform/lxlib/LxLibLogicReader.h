#ifndef LXLIBLOGICREADER_H
#define LXLIBLOGICREADER_H

#include <QString>

namespace lxlib {

class LxLibParser;
class LxLibLogic;
class LxLibSetEnable;
class LxLibSetSignal;
class LxLibLogicStatementLists;
class LxLibLogicStatement_testVector;
struct LxLibLine;

// Reads the body of a logic or memory part: properties, pin lists, truth table,
// test sequences, enable and disable patterns and latch sequences.
class LxLibLogicReader
{
public:
    LxLibLogicReader(LxLibParser& parser, float formatVersion);

    // The parser stands on the line that opened the part.
    void read(LxLibLogic& logic);

private:
    void readItem(LxLibLogic& logic, const LxLibLine& line);
    void readPinList(LxLibLogic& logic, const LxLibLine& line);
    void readTruthTable(LxLibLogic& logic, const LxLibLine& line);
    void readSequence(LxLibLogic& logic, const LxLibLine& line);
    void readStatement(LxLibLogicStatementLists& list, const LxLibLine& line);
    LxLibLogicStatement_testVector* readVector(const LxLibLine& line);
    void readEnable(LxLibLogic& logic, const LxLibLine& line);
    void readDisable(LxLibLogic& logic, const LxLibLine& line);
    void readLatch(LxLibLogic& logic, const LxLibLine& line);
    // nullptr (after a message) when the line is no valid record of its kind.
    LxLibSetEnable* readSetEnable(const LxLibLine& line);
    LxLibSetSignal* readSetSignal(const LxLibLine& line);
    bool readDifferential(const LxLibLine& line, int& i, int& out);
    bool readName(const LxLibLine& line, int& i, const char* what, QString& name);

    LxLibParser& p;
    float m_version;
    int m_truthTableLine = 0;
    int m_sequenceLine = 0;
};

} // namespace lxlib

#endif
