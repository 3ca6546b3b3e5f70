#ifndef PWFORMATCOMMAND_H
#define PWFORMATCOMMAND_H

#include "PWModelCommand.h"

// format [-i] FILE: writes the canonical form of a model file.
class PWFormatCommand : public PWModelCommand
{
public:
    QString name() const override { return QStringLiteral("format"); }
    QString synopsis() const override;
    QString help() const override;
    int run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};

#endif
