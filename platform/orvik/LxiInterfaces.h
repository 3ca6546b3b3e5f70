#ifndef LXIINTERFACES_H
#define LXIINTERFACES_H

// The host application's plug-in interfaces. A plug-in implements the first
// group; the host grants the second group on request through its creation hook.

#include <QString>
#include <QtPlugin>

class QAction;
class QWidget;

namespace OrvikInterface {

// 0 is success; a plug-in answers 1 for an unknown interface and 2 when its
// object cannot be created.
using LxiResult = int;
constexpr LxiResult LxiOk = 0;
constexpr LxiResult LxiNoInterface = 1;
constexpr LxiResult LxiOutOfMemory = 2;

class LxiUnknown
{
public:
    virtual ~LxiUnknown() = default;
    virtual void addRef() = 0;
    virtual void release() = 0;
    virtual LxiResult queryInterface(const QString& name, void** object) = 0;
};

class LxiClassFactory : public LxiUnknown
{
public:
    virtual LxiResult createInstance(const QString& name, void** object) = 0;
};

class LxiStartup : public LxiUnknown
{
public:
    virtual void startup() = 0;
    virtual void initialized() = 0;
    virtual void shutdown() = 0;
};

class LxiActions : public LxiUnknown
{
public:
    virtual QAction* getAction(const QString& name) = 0;
    virtual QWidget* createWidget(const QString& argument) = 0;
};

class LxiDatabasePersist : public LxiUnknown
{
public:
    virtual bool load(const QString& database) = 0;
    virtual bool save(const QString& database) = 0;
    virtual void close(const QString& database) = 0;
};

class LxiPartwright : public LxiUnknown
{
public:
    virtual bool editModel(QWidget* parent, const QString& fileName, const QString& referencePath, bool viewOnly) = 0;
    virtual bool editModelFile(QWidget* parent, QString& fileName, bool viewOnly) = 0;
    virtual bool openModel(const QString& fileName, bool viewOnly) = 0;
};

// Host side.

class LxiMain : public LxiUnknown
{
public:
    virtual QString settingValue(const QString& key) = 0;
};

class LxiMainMenuEx : public LxiUnknown
{
public:
    virtual QWidget* mainWidget() = 0;
};

class LxiWhatsThis : public LxiUnknown
{
public:
    virtual void registerHelpWidget(const QString& context, const QString& title, QWidget* widget) = 0;
};

class LxiDatabase : public LxiUnknown
{
public:
    virtual QString databasePath() = 0;
};

// The host's object-creation function: module manager, interface name, the
// address that receives the object, and a further string (passed empty).
using LxiCreateProc = LxiResult (*)(void* moduleManager, const QString& name, void** object, const QString& extra);
using LxiInstallCreateHookProc = void (*)(void* moduleManager, LxiCreateProc createProc);
using LxiGetFactoryProc = LxiClassFactory* (*)();

} // namespace OrvikInterface

Q_DECLARE_INTERFACE(OrvikInterface::LxiStartup, "OrvikInterface.LxiStartup")
Q_DECLARE_INTERFACE(OrvikInterface::LxiActions, "OrvikInterface.LxiActions")
Q_DECLARE_INTERFACE(OrvikInterface::LxiDatabasePersist, "OrvikInterface.LxiDatabasePersist")
Q_DECLARE_INTERFACE(OrvikInterface::LxiPartwright, "OrvikInterface.LxiPartwright")

#endif
