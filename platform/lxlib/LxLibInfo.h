#ifndef LXLIBINFO_H
#define LXLIBINFO_H

#include "LxLibAlias.h"
#include "LxLibComponent.h"
#include "LxLibHeader.h"
#include "LxLibTypes.h"

#include <QByteArray>
#include <QObject>

namespace lxlib {

// A model file document: headers, aliases and the component(s) it describes.
// Problems met while reading, checking or writing arrive through message(),
// errors (kind 2) as "FILE:LINE:COLUMN: text".
class LxLibInfo : public QObject
{
    Q_OBJECT
public:
    explicit LxLibInfo(const QString& fileName, QObject* parent = nullptr);
    ~LxLibInfo() override;

    QString GetFileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }

    // Reads the file named at construction. reportWarnings: emit warnings (kind 1)
    // as well as errors; stopAtFirstError: give up at the first error instead of
    // recovering to report more. Returns false when the file could not be read or
    // held an error; *errorFlag (when given) is set when any error was reported.
    bool read(bool reportWarnings, bool stopAtFirstError, bool* errorFlag = nullptr);
    // The same on text held in memory; messages name the document's file name.
    bool readFromData(const QByteArray& data, bool reportWarnings, bool stopAtFirstError,
                      bool* errorFlag = nullptr);

    // Writes the document to the file named at construction, or to path, atomically:
    // on failure an existing file is left as it was and an error message is emitted.
    bool write();
    bool write(const QString& path);
    // The canonical text of the document, as write() would store it.
    QByteArray toText() const;

    // Checks the assembled model. Returns the number of objects checked when no
    // problem was found, 0 otherwise; *errorText receives the first problem and
    // every problem is emitted as an error message.
    int check(QString* errorText);
    void SetCheckCount(int count) { m_checkCount = count; }
    int GetCheckCount() const { return m_checkCount; }

    // The line just past the text read, where "end of file" problems point; 0
    // for a document built in memory.
    int sourceEndLine() const { return m_endLine; }
    void setSourceEndLine(int line) { m_endLine = line; }

    float GetFormatVersion() const { return m_version; }
    void SetFormatVersion(float version) { m_version = version; }

    void AddHeader(LxLibHeader* header) { m_headers.append(header); }
    const LxLibList<LxLibHeader>& GetHeaderList() const { return m_headers; }
    void AddAlias(LxLibAlias* alias) { m_aliases.append(alias); }
    const LxLibAliasList& GetAliasList() const { return m_aliases; }
    // A document normally holds one component ("cluster").
    void AddComponent(LxLibComponent* component) { m_components.append(component); }
    const LxLibComponentList& GetComponentList() const { return m_components; }
    LxLibComponent* GetComponent() const { return m_components.first(); }

    // Library features the wizard cannot edit.
    bool hasEnableMultipleSpecifications() const;
    bool hasLatchMultipleSpecifications() const;
    bool hasEnableBitValueSpecifications() const;
    bool hasLatchBitValueSpecifications() const;
    bool hasDisableBitValueSpecifications() const;
    bool hasEnableDifferentialSpecifications() const;
    bool hasLatchDifferentialSpecifications() const;
    bool hasPinDifferentialSpecifications() const;

    void clear();

signals:
    void message(const lxlib::Message& message);

private:
    QString m_fileName;
    float m_version = 1.2f;
    int m_checkCount = 0;
    int m_endLine = 0;
    LxLibList<LxLibHeader> m_headers;
    LxLibAliasList m_aliases;
    LxLibComponentList m_components;
};

} // namespace lxlib

Q_DECLARE_METATYPE(lxlib::Message)

#endif
