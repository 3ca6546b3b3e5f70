#include "PWModelCommand.h"

#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"

#include <QObject>

QString PWModelCommand::gccStyle(const QString& source, int kind, const QString& text)
{
    const QString severity = kind == lxlib::Message::Error ? QStringLiteral("error: ") : QStringLiteral("warning: ");
    const QString prefix = source + QLatin1Char(':');
    if (!text.startsWith(prefix))
        return source + QStringLiteral(": ") + severity + text;
    // Skip up to two ":NUMBER" fields after the file name; the rest is the text.
    qsizetype at = prefix.size();
    for (int field = 0; field < 2; ++field) {
        qsizetype end = at;
        while (end < text.size() && text.at(end).isDigit())
            ++end;
        if (end == at || end >= text.size() || text.at(end) != QLatin1Char(':'))
            break;
        at = end + 1;
    }
    QString body = text.mid(at);
    if (body.startsWith(QLatin1Char(' ')))
        body.remove(0, 1);
    return text.left(at) + QLatin1Char(' ') + severity + body;
}

void PWModelCommand::reportTo(lxlib::LxLibInfo& info, QTextStream& err)
{
    const QString source = info.GetFileName();
    QObject::connect(&info, &lxlib::LxLibInfo::message, &info, [&err, source](const lxlib::Message& m) {
        if (m.kind == lxlib::Message::Error || m.kind == lxlib::Message::Warning)
            err << gccStyle(source, m.kind, m.text) << '\n';
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

void PWModelCommand::error(QTextStream& err, const QString& source, const QString& text)
{
    // Multi-line texts of the wizard stay on one line each, all marked.
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        err << source << ": error: " << line << '\n';
}

bool PWModelCommand::convert(const lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err)
{
    QString text;
    if (PWModelConverter::convert(info, model, text))
        return true;
    error(err, info.GetFileName(),
          text.isEmpty() ? QStringLiteral("Unable to parse file \"%1\"").arg(info.GetFileName()) : text);
    return false;
}
