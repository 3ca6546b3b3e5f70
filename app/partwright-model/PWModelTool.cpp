#include "PWModelTool.h"

#include "PWCheckCommand.h"
#include "PWFormatCommand.h"
#include "PWRebuildCommand.h"
#include "PWReportCommand.h"

PWModelTool::PWModelTool()
{
    add(std::make_unique<PWCheckCommand>());
    add(std::make_unique<PWFormatCommand>());
    add(std::make_unique<PWRebuildCommand>());
    add(std::make_unique<PWReportCommand>());
}

QString PWModelTool::usage() const
{
    QString text = QStringLiteral("Usage: partwright-model COMMAND ARGUMENTS\n"
                                  "Works on Partwright model files (.model).\n\nCommands:\n");
    for (const auto& c : m_commands)
        text += QStringLiteral("  ") + c->synopsis() + QLatin1Char('\n');
    text += QStringLiteral("\npartwright-model COMMAND --help explains one command.\n");
    return text;
}

int PWModelTool::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << usage();
        return PWModelCommand::Usage;
    }
    const QString& first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        out << usage();
        for (const auto& c : m_commands)
            out << '\n' << c->help();
        return PWModelCommand::Success;
    }
    for (const auto& c : m_commands) {
        if (c->name() != first)
            continue;
        const QStringList rest = args.mid(1);
        if (rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h"))) {
            out << c->help();
            return PWModelCommand::Success;
        }
        return c->run(rest, out, err);
    }
    err << "partwright-model: unknown command " << first << "\n\n" << usage();
    return PWModelCommand::Usage;
}
