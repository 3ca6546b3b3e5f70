#ifndef PWREBUILDCOMMAND_H
#define PWREBUILDCOMMAND_H

#include "PWModelCommand.h"

// rebuild IN OUT: converts and rebuilds a model the way Finish in the wizard does.
class PWRebuildCommand : public PWModelCommand
{
public:
    QString name() const override { return QStringLiteral("rebuild"); }
    QString synopsis() const override;
    QString help() const override;
    int run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};

#endif
