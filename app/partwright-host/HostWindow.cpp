#include "HostWindow.h"

#include "ModelLibraryPanel.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

using namespace OrvikInterface;

HostWindow::HostWindow(OrvikHost& host) : m_host(host)
{
    setWindowTitle(tr("Boundary-Scan Test Development Host"));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    m_tools = menuBar()->addMenu(tr("&Tools"));
    auto* welcome = new QLabel(tr("<h2>Test development host</h2>"
                                  "<p>Model library: <tt>%1</tt></p>"
                                  "<p>Open <b>Tools &gt; Partwright Wizard</b> (Ctrl+M) to create or edit a device "
                                  "model.</p>")
                                   .arg(host.setting(QStringLiteral("ModelLibPath")).toHtmlEscaped()),
                               this);
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
    auto* dock = new QDockWidget(tr("Model Library"), this);
    dock->setObjectName(QStringLiteral("ModelLibraryDock"));
    m_library = new ModelLibraryPanel(host, host.setting(QStringLiteral("ModelLibPath")), dock);
    dock->setWidget(m_library);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    connect(m_library, &ModelLibraryPanel::modelEdited, this, [this](const QString& file, bool ok) {
        statusBar()->showMessage(ok ? tr("Saved %1").arg(file) : tr("Closed %1").arg(file), 5000);
    });
    statusBar()->showMessage(tr("Ready"));
    m_host.setMainWidget(this);
    resize(1200, 750);
}

bool HostWindow::addPluginAction()
{
    auto* actions = m_host.create<LxiActions>(QStringLiteral("LxiActions"));
    if (!actions)
        return false;
    QAction* action = actions->getAction(QStringLiteral("Partwright"));
    actions->release();
    if (!action)
        return false;
    m_tools->addAction(action);
    m_pluginAction = action;
    return true;
}

void HostWindow::embedWizard()
{
    auto* actions = m_host.create<LxiActions>(QStringLiteral("LxiActions"));
    if (!actions)
        return;
    QWidget* wizard = actions->createWidget(QString());
    actions->release();
    if (!wizard)
        return;
    // The wizard is a dialog; embedded it becomes a plain child widget.
    wizard->setWindowFlags(Qt::Widget);
    setCentralWidget(wizard);
    wizard->show();
}
