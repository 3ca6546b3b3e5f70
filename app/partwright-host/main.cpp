// The demo host: loads libpartwright the way the test-development host does and
// offers its wizard from a Tools menu.

#include "HostWindow.h"
#include "OrvikHost.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QAction>
#include <QTimer>

#include <cstdio>

using namespace OrvikInterface;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("partwright-host"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Demo host for the Partwright wizard. It loads the plug-in, grants it the host interfaces\n"
        "LxiMain, LxiMainMenuEx, LxiWhatsThis and LxiDatabase, and puts \"Partwright Wizard\" into\n"
        "its Tools menu."));
    parser.addHelpOption();
    QCommandLineOption libOpt(QStringLiteral("model-lib-path"),
                              QStringLiteral("Root of the model library (setting ModelLibPath). Default: %1")
                                  .arg(QStringLiteral(PW_DEFAULT_MODEL_LIB)),
                              QStringLiteral("DIR"), QStringLiteral(PW_DEFAULT_MODEL_LIB));
    const QString defaultDb = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCommandLineOption dbOpt(QStringLiteral("database"),
                             QStringLiteral("Host database folder; new models are proposed under DIR/Modellib. "
                                            "Default: %1")
                                 .arg(defaultDb),
                             QStringLiteral("DIR"), defaultDb);
    QCommandLineOption editOpt(QStringLiteral("edit"), QStringLiteral("Open FILE in the wizard for editing."),
                               QStringLiteral("FILE"));
    QCommandLineOption viewOpt(QStringLiteral("view"), QStringLiteral("Open FILE in the wizard, read-only."),
                               QStringLiteral("FILE"));
    QCommandLineOption embedOpt(QStringLiteral("embed"),
                                QStringLiteral("Show the wizard embedded in the main window."));
    QCommandLineOption refuseOpt(QStringLiteral("refuse"),
                                 QStringLiteral("Refuse the host interface NAME to the plug-in (repeatable)."),
                                 QStringLiteral("NAME"));
    QCommandLineOption pluginOpt(QStringLiteral("plugin"), QStringLiteral("The plug-in library to load."),
                                 QStringLiteral("PATH"), QStringLiteral(PW_DEFAULT_PLUGIN));
    QCommandLineOption startOpt(QStringLiteral("start-wizard"),
                                QStringLiteral("Trigger the wizard action as soon as the main window is shown."));
    parser.addOptions({libOpt, dbOpt, editOpt, viewOpt, embedOpt, refuseOpt, pluginOpt, startOpt});
    parser.process(app);

    OrvikHost host;
    host.setSetting(QStringLiteral("ModelLibPath"), parser.value(libOpt));
    host.setDatabasePath(parser.value(dbOpt));
    QDir().mkpath(parser.value(dbOpt));
    for (const QString& name : parser.values(refuseOpt))
        host.refuse(name);
    QString error;
    if (!host.load(parser.value(pluginOpt), true, &error)) {
        std::fprintf(stderr, "partwright-host: cannot load the plug-in: %s\n", qPrintable(error));
        return 1;
    }

    if (parser.isSet(editOpt) || parser.isSet(viewOpt)) {
        auto* pw = host.create<LxiPartwright>(QStringLiteral("LxiPartwright"));
        if (!pw) {
            std::fprintf(stderr, "partwright-host: the plug-in offers no LxiPartwright interface\n");
            return 1;
        }
        const bool viewOnly = parser.isSet(viewOpt);
        QString file = parser.value(viewOnly ? viewOpt : editOpt);
        const bool ok = pw->editModelFile(nullptr, file, viewOnly);
        pw->release();
        if (ok)
            std::printf("%s\n", qPrintable(file));
        return ok ? 0 : 1;
    }

    HostWindow window(host);
    if (!window.addPluginAction()) {
        std::fprintf(stderr, "partwright-host: the plug-in offers no \"Partwright\" action\n");
        return 1;
    }
    if (parser.isSet(embedOpt))
        window.embedWizard();
    window.show();
    if (parser.isSet(startOpt))
        QTimer::singleShot(0, window.pluginAction(), &QAction::trigger);
    return app.exec();
}
