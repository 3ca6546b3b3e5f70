#ifndef LXLIBREADER_H
#define LXLIBREADER_H

#include <QByteArray>
#include <QString>

namespace lxlib {

class LxLibInfo;
class LxLibParser;
class LxLibComponent;
struct LxLibLine;

// Reads model file text into a document: the format line, headers, aliases,
// components with their packages and passive parts; logic bodies go to
// LxLibLogicReader.
class LxLibReader
{
public:
    static constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;
    static constexpr int MaxComponents = 1000;
    static constexpr int MaxPackagesOrParts = 10000;
    static constexpr int MaxPins = 100000;
    static constexpr int MaxEntries = 10000000;

    LxLibReader(LxLibInfo& info, const QString& sourceName, bool reportWarnings, bool stopAtFirstError);

    // Clears the document and fills it from data; true when no error was reported.
    bool read(const QByteArray& data);
    // Reads the file; a file that cannot be opened or is too large is an error.
    bool readFile(const QString& path);
    int errorCount() const { return m_errors; }

private:
    bool readWith(LxLibParser& p);
    void readDocument(LxLibParser& p);
    // False when the line was rejected; the caller skips the block it opens.
    bool readFormatLine(LxLibParser& p, const LxLibLine& line);
    void readTopRecord(LxLibParser& p, const LxLibLine& line);
    void readHeader(LxLibParser& p, const LxLibLine& line);
    void readAlias(LxLibParser& p, const LxLibLine& line);
    void readComponent(LxLibParser& p, const LxLibLine& line);
    void readPackage(LxLibParser& p, LxLibComponent& component, const LxLibLine& line);
    void readPassive(LxLibParser& p, LxLibComponent& component, const LxLibLine& line);
    void readLogic(LxLibParser& p, LxLibComponent& component, const LxLibLine& line);
    void fileError(const QString& text);

    LxLibInfo& m_info;
    QString m_source;
    bool m_warnings;
    bool m_stopAtFirst;
    int m_errors = 0;
    int m_formatLine = 0;
};

} // namespace lxlib

#endif
