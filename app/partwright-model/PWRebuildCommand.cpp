#include "PWRebuildCommand.h"

#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWFeatureWarnings.h"
#include "PWLogicDocument.h"
#include "PWPassiveDocument.h"

namespace {

// A refusal at the record it refused: one warning, its further lines as notes.
void warn(QTextStream& err, const QString& source, const PWDeviceModel::Notice& notice)
{
    const QString at = QStringLiteral("%1:%2:%3: ").arg(source).arg(notice.line).arg(notice.column);
    const QStringList lines = notice.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i)
        err << at << (i == 0 ? "warning: " : "note: ") << lines.at(i) << '\n';
}

// The parts as the passive editor shows and stores them on loading, built as its Finish builds them.
bool buildPassive(const PWDeviceModel& model, lxlib::LxLibInfo& target, QString& text)
{
    lxlib::LxLibList<lxlib::LxLibPassiveComponent> kept;
    QList<const lxlib::LxLibPassiveComponent*> parts;
    for (const lxlib::LxLibPassiveComponent* part : model.passiveComponents()) {
        if (lxlib::LxLibPassiveComponent* stored = PWPassiveDocument::editorForm(*part)) {
            kept.append(stored);
            parts.append(stored);
        }
    }
    if (PWPassiveDocument::buildAndCheck(target, parts, model.deviceId(), text))
        return true;
    if (text.isEmpty())
        text = QStringLiteral("there is no passive part of a known type to write");
    return false;
}

} // namespace

QString PWRebuildCommand::synopsis() const
{
    return QStringLiteral("rebuild IN OUT       convert a model and write it as the wizard saves it");
}

QString PWRebuildCommand::help() const
{
    return QStringLiteral(
        "Usage: partwright-model rebuild IN OUT\n"
        "Reads the model file IN, converts it as the wizard does when it opens\n"
        "it, builds a new document from the result and writes it to OUT, as\n"
        "Finish does: format 1.2 for a logic and 1.1 for a passive model,\n"
        "aliases, headers and part properties kept.\n"
        "Settings the wizard cannot hold are dropped with a warning. Memory-test\n"
        "and memory-program models are refused. OUT is written atomically and\n"
        "only on success.\n"
        "Exit status 0 on success, 1 when IN cannot be read, converted or\n"
        "built or OUT cannot be written, 2 on a usage error.\n");
}

int PWRebuildCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    for (const QString& a : args) {
        if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            err << "partwright-model rebuild: unknown option " << a << '\n' << help();
            return Usage;
        }
    }
    if (args.size() != 2) {
        err << "partwright-model rebuild: expected IN and OUT\n" << help();
        return Usage;
    }
    const QString in = args.at(0);
    const QString outPath = args.at(1);
    lxlib::LxLibInfo source(in);
    if (!load(source, in, err))
        return Problems;
    PWDeviceModel model;
    if (!convert(source, model, err))
        return Problems;
    for (const QString& w : PWFeatureWarnings::of(&source, false))
        err << diagnostic(in, componentPosition(source), lxlib::Message::Warning, w);
    for (const PWDeviceModel::Notice& notice : model.notices())
        warn(err, in, notice);
    if (model.isReadOnlyCategory()) {
        error(err, in, componentPosition(source),
              PWDeviceModel::tr("Warning: File \"%1\" is in ReadOnly mode and cannot be changed or saved").arg(in));
        return Problems;
    }
    const bool passive = model.category() == PWDeviceModel::Passive;
    if (!passive && model.category() != PWDeviceModel::Logic) {
        error(err, in, componentPosition(source), PWDeviceModel::tr("Unable to build model\nThere is no model information"));
        return Problems;
    }
    lxlib::LxLibInfo target(outPath);
    reportTo(target, err);
    PWLogicDocument::addAliases(PWLogicDocument::copyAliases(&source), target);
    model.writeHeader(target);
    QString text;
    if (passive ? !buildPassive(model, target, text)
                : !PWLogicDocument::buildAndCheck(target, model.logic(), model.deviceId(), text)) {
        error(err, in, componentPosition(source), text);
        return Problems;
    }
    if (!target.write(outPath))
        return Problems;
    out << in << " -> " << outPath << '\n';
    return Success;
}
