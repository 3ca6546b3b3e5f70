#ifndef PWMODELTOOL_H
#define PWMODELTOOL_H

#include "PWModelCommand.h"

#include <memory>
#include <vector>

// The partwright-model command line: picks the subcommand and runs it.
class PWModelTool
{
public:
    PWModelTool();
    void add(std::unique_ptr<PWModelCommand> command) { m_commands.push_back(std::move(command)); }
    int run(const QStringList& args, QTextStream& out, QTextStream& err);

private:
    QString usage() const;
    std::vector<std::unique_ptr<PWModelCommand>> m_commands;
};

#endif
