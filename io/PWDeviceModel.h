#ifndef PWDEVICEMODEL_H
#define PWDEVICEMODEL_H

#include "CLogic.h"
#include "LxLibPassive.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

namespace lxlib {
class LxLibInfo;
class LxLibObject;
} // namespace lxlib

// Everything the wizard's editors show of one model, without any widget: the
// device page, the header page, the logic device model and the passive parts.
class PWDeviceModel
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    enum Category { NoCategory = 0, Passive = 1, Logic = 2, MemoryTest = 3, MemoryProgram = 4 };
    enum EditMode { NoEdit = 0, EditExisting = 1, CreateNew = 2 };

    // The header page: one field per widget, the three lists as the text edits
    // hold them (lines joined with "\n").
    struct Header
    {
        QString dateAuthor;
        QString copyright;
        QString function;
        QString category;
        QString history;
        QString warnings;
        QString notes;
    };

    PWDeviceModel() = default;
    PWDeviceModel(const PWDeviceModel&) = delete;
    PWDeviceModel& operator=(const PWDeviceModel&) = delete;

    QString deviceId() const { return m_deviceId; }
    void setDeviceId(const QString& id) { m_deviceId = id; }
    int category() const { return m_category; }
    void setCategory(int category) { m_category = category; }
    static QString categoryName(int category);
    QString categoryName() const { return categoryName(m_category); }
    // The memory categories may be viewed but never changed or saved.
    bool isReadOnlyCategory() const { return m_category == MemoryTest || m_category == MemoryProgram; }
    int editMode() const { return m_editMode; }
    void setEditMode(int mode) { m_editMode = mode; }

    const Header& header() const { return m_header; }
    Header& header() { return m_header; }
    // Header records of the document into the header page and back.
    void readHeader(const lxlib::LxLibInfo& document);
    void writeHeader(lxlib::LxLibInfo& document) const;

    const CLogic& logic() const { return *m_logic; }
    CLogic& logic() { return *m_logic; }
    // Hands the logic model to an editor, leaving an empty one behind.
    std::unique_ptr<CLogic> takeLogic();
    const lxlib::LxLibList<lxlib::LxLibPassiveComponent>& passiveComponents() const { return m_passives; }
    lxlib::LxLibList<lxlib::LxLibPassiveComponent>& passiveComponents() { return m_passives; }

    // The format version of the document the model was converted from; it
    // decides the operators an enable equation may use.
    float sourceFormatVersion() const { return m_sourceVersion; }
    void setSourceFormatVersion(float version) { m_sourceVersion = version; }
    static QStringList enableEqualOperatorChoices(float formatVersion);
    static QStringList enableConnectionOperatorChoices();

    // What a conversion refused to take over, told to the user as the editor
    // would tell it, with the place of the refused record in the file (0 when
    // it was built in memory).
    struct Notice
    {
        QString text;
        int line = 0;
        int column = 0;
    };
    const QList<Notice>& notices() const { return m_notices; }
    void addNotice(const QString& text, const lxlib::LxLibObject& refused);

    void clear();

private:
    QString m_deviceId;
    int m_category = NoCategory;
    int m_editMode = NoEdit;
    Header m_header;
    std::unique_ptr<CLogic> m_logic = std::make_unique<CLogic>();
    lxlib::LxLibList<lxlib::LxLibPassiveComponent> m_passives;
    float m_sourceVersion = 1.2f;
    QList<Notice> m_notices;
};

#endif
