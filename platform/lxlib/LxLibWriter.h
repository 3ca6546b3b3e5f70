#ifndef LXLIBWRITER_H
#define LXLIBWRITER_H

#include <QByteArray>
#include <QString>

namespace lxlib {

class LxLibInfo;
class LxLibLogic;
class LxLibPassiveComponent;
class LxLibPackage;
class LxLibSetEnable;
class LxLibSetSignal;
class LxLibLogicStatement_testVector;

// Writes a document as canonical model file text: fixed order, quoting and
// indentation, so that the same document always gives the same bytes.
class LxLibWriter
{
public:
    static QByteArray toText(const LxLibInfo& info);
    // Writes atomically; on failure the file is left as it was, an error message
    // naming the path and the reason is emitted and false returned.
    static bool writeFile(LxLibInfo& info, const QString& path);

    static void appendString(QByteArray& out, const QString& text);
    static QByteArray versionText(float version);

private:
    explicit LxLibWriter(QByteArray& out) : m_out(out) {}

    void document(const LxLibInfo& info);
    void package(const LxLibPackage& package);
    void logic(const LxLibLogic& logic);
    void sequences(const LxLibLogic& logic);
    void vector(const LxLibLogicStatement_testVector& vector);
    void patterns(const LxLibLogic& logic);
    void passive(const LxLibPassiveComponent& part);
    void setSignal(const LxLibSetSignal& s);
    void setEnable(const LxLibSetEnable& e);

    void begin(const char* keyword);
    void open();
    void close();
    void word(const char* w);
    void string(const QString& s);
    void integer(qint64 v);
    void code(const QString& keyword, int code);
    void signal(int type);
    void endLine() { m_out.append('\n'); }

    QByteArray& m_out;
    int m_depth = 0;
};

} // namespace lxlib

#endif
