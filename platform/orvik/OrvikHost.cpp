#include "OrvikHost.h"

namespace OrvikInterface {

// The four host interfaces, answered by one object; references are counted on
// the host so tests can see that every request is released.
class OrvikHost::HostInterfaces : public LxiMain, public LxiMainMenuEx, public LxiWhatsThis, public LxiDatabase
{
public:
    explicit HostInterfaces(OrvikHost& host) : m_host(host) {}

    void addRef() override { ++m_host.m_references; }
    void release() override { --m_host.m_references; }
    LxiResult queryInterface(const QString& name, void** object) override { return m_host.answer(name, object); }

    QString settingValue(const QString& key) override { return m_host.m_settings.value(key); }
    QWidget* mainWidget() override { return m_host.m_mainWidget; }
    void registerHelpWidget(const QString& context, const QString& title, QWidget* widget) override
    {
        m_host.m_help.append({context, title, widget});
    }
    QString databasePath() override { return m_host.m_databasePath; }

private:
    OrvikHost& m_host;
};

OrvikHost::OrvikHost() : m_interfaces(std::make_unique<HostInterfaces>(*this)) {}

// The library stays loaded: the plug-in's objects may outlive the host object
// in tests, and the plug-in keeps process-wide state. Its hook must not outlive
// the host, though, unless a newer host has installed its own since.
OrvikHost::~OrvikHost()
{
    if (!m_install)
        return;
    auto* installedFor = reinterpret_cast<void**>(m_library.resolve("__ModuleMngr__"));
    if (!installedFor || *installedFor == this)
        m_install(nullptr, nullptr);
}

bool OrvikHost::load(const QString& libraryPath, bool installHook, QString* error)
{
    m_library.setFileName(libraryPath);
    if (!m_library.load()) {
        if (error)
            *error = m_library.errorString();
        return false;
    }
    auto install = reinterpret_cast<LxiInstallCreateHookProc>(m_library.resolve("__LxiInstallCreateHook__"));
    auto getFactory = reinterpret_cast<LxiGetFactoryProc>(m_library.resolve("getFactory"));
    if (!install || !getFactory) {
        if (error)
            *error = QStringLiteral("%1 is not a plug-in: entry points are missing").arg(libraryPath);
        return false;
    }
    // Null undoes an earlier installation in the same process.
    install(installHook ? this : nullptr, installHook ? &OrvikHost::createProc : nullptr);
    m_install = installHook ? install : nullptr;
    m_factory = getFactory();
    if (!m_factory && error)
        *error = QStringLiteral("%1 gave no class factory").arg(libraryPath);
    return m_factory != nullptr;
}

void OrvikHost::clearRecords()
{
    m_requests.clear();
    m_granted = 0;
    m_help.clear();
}

LxiResult OrvikHost::createProc(void* moduleManager, const QString& name, void** object, const QString&)
{
    auto* host = static_cast<OrvikHost*>(moduleManager);
    if (!host || !object)
        return LxiNoInterface;
    host->m_requests.append(name);
    return host->answer(name, object);
}

LxiResult OrvikHost::answer(const QString& name, void** object)
{
    if (m_refused.contains(name))
        return LxiNoInterface;
    HostInterfaces* h = m_interfaces.get();
    void* p = nullptr;
    if (name == QLatin1String("LxiMain"))
        p = static_cast<LxiMain*>(h);
    else if (name == QLatin1String("LxiMainMenuEx"))
        p = static_cast<LxiMainMenuEx*>(h);
    else if (name == QLatin1String("LxiWhatsThis"))
        p = static_cast<LxiWhatsThis*>(h);
    else if (name == QLatin1String("LxiDatabase"))
        p = static_cast<LxiDatabase*>(h);
    if (!p)
        return LxiNoInterface;
    *object = p;
    h->addRef();
    ++m_granted;
    return LxiOk;
}

} // namespace OrvikInterface
