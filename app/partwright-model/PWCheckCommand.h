#ifndef PWCHECKCOMMAND_H
#define PWCHECKCOMMAND_H

#include "PWModelCommand.h"

// check FILE...: reads each file and runs the library check and the wizard's checks on it.
class PWCheckCommand : public PWModelCommand
{
public:
    QString name() const override { return QStringLiteral("check"); }
    QString synopsis() const override;
    QString help() const override;
    int run(const QStringList& args, QTextStream& out, QTextStream& err) override;

private:
    static bool checkPassive(const PWDeviceModel& model, const QString& file, QTextStream& err);
    static bool checkLogic(lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err);
};

#endif
