#ifndef HOSTWINDOW_H
#define HOSTWINDOW_H

#include "OrvikHost.h"

#include <QMainWindow>

class ModelLibraryPanel;

// The demo host's main window: a Tools menu with the plug-in's action.
class HostWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit HostWindow(OrvikInterface::OrvikHost& host);

    // Puts the plug-in's action into the Tools menu; false when it gave none.
    bool addPluginAction();
    QAction* pluginAction() const { return m_pluginAction; }
    ModelLibraryPanel* libraryPanel() const { return m_library; }
    void embedWizard();

private:
    OrvikInterface::OrvikHost& m_host;
    QMenu* m_tools;
    QAction* m_pluginAction = nullptr;
    ModelLibraryPanel* m_library = nullptr;
};

#endif
