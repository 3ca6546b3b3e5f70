#include "PWModelCommand.h"

#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"

#include <QObject>

namespace {

// Reads ":NUMBER" at text[at]; moves at past it.
bool takeNumber(const QString& text, qsizetype& at, int& number)
{
    if (at >= text.size() || text.at(at) != QLatin1Char(':'))
        return false;
    qsizetype end = at + 1;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    bool ok = false;
    number = text.mid(at + 1, end - at - 1).toInt(&ok);
    if (!ok)
        return false;
    at = end;
    return true;
}

} // namespace

QString PWModelCommand::diagnostic(const QString& source, const CSourcePosition& at, int kind,
                                   const QString& text)
{
    const CSourcePosition where = at.hasSourcePosition() ? at : CSourcePosition(1, 1);
    const QString place = QStringLiteral("%1:%2:%3: ").arg(source).arg(where.sourceLine()).arg(where.sourceColumn());
    QString severity = kind == lxlib::Message::Error ? QStringLiteral("error: ") : QStringLiteral("warning: ");
    QString out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        out += place + severity + trimmed + QLatin1Char('\n');
        severity = QStringLiteral("note: ");
    }
    return out;
}

QString PWModelCommand::gccStyle(const QString& source, int kind, const QString& text)
{
    const QString prefix = source + QLatin1Char(':');
    qsizetype at = prefix.size() - 1;
    int line = 0;
    int column = 0;
    if (!text.startsWith(prefix) || !takeNumber(text, at, line) || !takeNumber(text, at, column) ||
        !text.mid(at).startsWith(QLatin1String(": "))) {
        // Not about a place in the file, such as a failed write.
        const QString severity = kind == lxlib::Message::Error ? QStringLiteral("error: ") : QStringLiteral("warning: ");
        const QString body = text.startsWith(prefix) ? text.mid(prefix.size()).trimmed() : text;
        return source + QStringLiteral(": ") + severity + body + QLatin1Char('\n');
    }
    return diagnostic(source, CSourcePosition(line, column), kind, text.mid(at + 2));
}

void PWModelCommand::reportTo(lxlib::LxLibInfo& info, QTextStream& err)
{
    const QString source = info.GetFileName();
    QObject::connect(&info, &lxlib::LxLibInfo::message, &info, [&err, source](const lxlib::Message& m) {
        if (m.kind == lxlib::Message::Error || m.kind == lxlib::Message::Warning)
            err << gccStyle(source, m.kind, m.text);
    });
}

bool PWModelCommand::load(lxlib::LxLibInfo& info, const QString& path, QTextStream& err)
{
    info.SetFileName(path);
    reportTo(info, err);
    bool errors = false;
    const bool ok = info.read(true, false, &errors);
    err.flush();
    return ok && !errors;
}

void PWModelCommand::error(QTextStream& err, const QString& source, const CSourcePosition& at, const QString& text)
{
    err << diagnostic(source, at, lxlib::Message::Error, text);
}

CSourcePosition PWModelCommand::componentPosition(const lxlib::LxLibInfo& info)
{
    return info.GetComponentList().isEmpty() ? CSourcePosition() : CSourcePosition(*info.GetComponent());
}

bool PWModelCommand::convert(const lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err)
{
    QString text;
    CSourcePosition at;
    const bool converted = PWModelConverter::convert(info, model, text, &at);
    return reportConversion(converted, info.GetFileName(), at, text, err);
}

bool PWModelCommand::convertTaking(lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err)
{
    QString text;
    CSourcePosition at;
    const bool converted = PWModelConverter::convertTaking(info, model, text, &at);
    return reportConversion(converted, info.GetFileName(), at, text, err);
}

bool PWModelCommand::reportConversion(bool converted, const QString& source, const CSourcePosition& at,
                                      const QString& text, QTextStream& err)
{
    if (converted)
        return true;
    error(err, source, at, text.isEmpty() ? QStringLiteral("Unable to parse file \"%1\"").arg(source) : text);
    return false;
}
