#ifndef ORVIKHOST_H
#define ORVIKHOST_H

#include "LxiInterfaces.h"

#include <QHash>
#include <QLibrary>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace OrvikInterface {

// A small host: loads a plug-in library, installs its creation hook, takes its
// factory and answers the plug-in's requests for the four host interfaces,
// each of which can be refused. It records what was asked of it.
class OrvikHost
{
public:
    OrvikHost();
    ~OrvikHost();
    OrvikHost(const OrvikHost&) = delete;
    OrvikHost& operator=(const OrvikHost&) = delete;

    // Loads the library, installs the hook unless installHook is false, and takes
    // the factory. On failure *error says why.
    bool load(const QString& libraryPath, bool installHook = true, QString* error = nullptr);
    bool isLoaded() const { return m_factory != nullptr; }
    LxiClassFactory* factory() const { return m_factory; }

    // Asks the factory for an interface; null when it is refused. The caller owns
    // the reference it gets and releases it.
    template <typename T>
    T* create(const QString& name, LxiResult* result = nullptr)
    {
        void* object = nullptr;
        const LxiResult r = m_factory ? m_factory->createInstance(name, &object) : LxiNoInterface;
        if (result)
            *result = r;
        return r == LxiOk ? static_cast<T*>(object) : nullptr;
    }

    // Host interfaces: "LxiMain", "LxiMainMenuEx", "LxiWhatsThis", "LxiDatabase".
    void refuse(const QString& interfaceName) { m_refused.insert(interfaceName); }
    void grant(const QString& interfaceName) { m_refused.remove(interfaceName); }
    bool isRefused(const QString& interfaceName) const { return m_refused.contains(interfaceName); }

    void setSetting(const QString& key, const QString& value) { m_settings.insert(key, value); }
    QString setting(const QString& key) const { return m_settings.value(key); }
    void setDatabasePath(const QString& path) { m_databasePath = path; }
    QString databasePath() const { return m_databasePath; }
    void setMainWidget(QWidget* widget) { m_mainWidget = widget; }
    QWidget* mainWidget() const { return m_mainWidget; }

    // What the plug-in asked for, in order, and how it answered.
    const QStringList& requests() const { return m_requests; }
    int grantedCount() const { return m_granted; }
    // References handed out and not yet released, over all host interfaces.
    int outstandingReferences() const { return m_references; }
    struct HelpRegistration
    {
        QString context;
        QString title;
        QPointer<QWidget> widget;
    };
    const QList<HelpRegistration>& helpRegistrations() const { return m_help; }
    void clearRecords();

    // The host's creation function, as installed into the plug-in.
    static LxiResult createProc(void* moduleManager, const QString& name, void** object, const QString& extra);

private:
    class HostInterfaces;
    friend class HostInterfaces;
    LxiResult answer(const QString& name, void** object);

    QLibrary m_library;
    // Set while this host's hook is installed in the library.
    LxiInstallCreateHookProc m_install = nullptr;
    LxiClassFactory* m_factory = nullptr;
    std::unique_ptr<HostInterfaces> m_interfaces;
    QSet<QString> m_refused;
    QHash<QString, QString> m_settings;
    QString m_databasePath;
    QPointer<QWidget> m_mainWidget;
    QStringList m_requests;
    int m_granted = 0;
    int m_references = 0;
    QList<HelpRegistration> m_help;
};

} // namespace OrvikInterface

#endif
