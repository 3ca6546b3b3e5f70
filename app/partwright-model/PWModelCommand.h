#ifndef PWMODELCOMMAND_H
#define PWMODELCOMMAND_H

#include "CSourcePosition.h"

#include <QStringList>
#include <QTextStream>

class PWDeviceModel;

namespace lxlib {
class LxLibInfo;
}

// One subcommand of partwright-model. Exit codes: 0 success, 1 a file has
// problems, 2 the command line is wrong.
class PWModelCommand
{
public:
    enum Exit { Success = 0, Problems = 1, Usage = 2 };

    virtual ~PWModelCommand() = default;
    virtual QString name() const = 0;
    // One line for the overview of --help.
    virtual QString synopsis() const = 0;
    virtual QString help() const = 0;
    virtual int run(const QStringList& args, QTextStream& out, QTextStream& err) = 0;

protected:
    // Connects the document's messages to err, GCC style ("FILE:LINE:COLUMN: error: text").
    static void reportTo(lxlib::LxLibInfo& info, QTextStream& err);
    // "FILE:LINE:COLUMN: text" or "FILE: text" from the library, with the severity put in.
    static QString gccStyle(const QString& source, int kind, const QString& text);
    // One diagnostic, GCC style: the first line of text with its severity, each
    // further line as a note at the same place. A text without a place points
    // at the start of the file.
    static QString diagnostic(const QString& source, const CSourcePosition& at, int kind, const QString& text);
    // Reads path into info; false when the read reported any error.
    static bool load(lxlib::LxLibInfo& info, const QString& path, QTextStream& err);
    // Converts a read document into the wizard's model, reporting a refusal as
    // the wizard would word it.
    static bool convert(const lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err);
    // The same for a document not read afterwards: its test sequences are moved, not copied.
    static bool convertTaking(lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err);
    static void error(QTextStream& err, const QString& source, const CSourcePosition& at, const QString& text);
    // Where the document's component starts; the start of the file without one.
    static CSourcePosition componentPosition(const lxlib::LxLibInfo& info);

private:
    static bool reportConversion(bool converted, const QString& source, const CSourcePosition& at,
                                 const QString& text, QTextStream& err);
};

#endif
