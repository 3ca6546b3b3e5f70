#include "LxLibReader.h"

#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibLogicReader.h"
#include "LxLibParser.h"
#include "LxLibPassive.h"

#include <QFile>
#include <QFileInfo>

namespace lxlib {

LxLibReader::LxLibReader(LxLibInfo& info, const QString& sourceName, bool reportWarnings, bool stopAtFirstError)
    : m_info(info), m_source(sourceName.isEmpty() ? QStringLiteral("<data>") : sourceName),
      m_warnings(reportWarnings), m_stopAtFirst(stopAtFirstError)
{
}

void LxLibReader::fileError(const QString& text)
{
    ++m_errors;
    Message m;
    m.kind = Message::Error;
    m.text = QStringLiteral("%1:1:1: %2").arg(m_source, text);
    emit m_info.message(m);
}

bool LxLibReader::readFile(const QString& path)
{
    m_info.clear();
    QFile file(path);
    const QFileInfo fi(path);
    if (fi.isDir()) {
        fileError(QStringLiteral("cannot read the file: it is a folder"));
        return false;
    }
    // The tokenizer reads in large chunks of its own; Qt's buffer would only copy them once more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        fileError(QStringLiteral("cannot read the file: %1").arg(file.errorString()));
        return false;
    }
    if (file.size() > MaxFileSize) {
        fileError(QStringLiteral("the file is larger than the limit of %1 bytes").arg(MaxFileSize));
        return false;
    }
    LxLibParser p(m_info, file, MaxFileSize, m_source, m_warnings, m_stopAtFirst);
    return readWith(p);
}

bool LxLibReader::read(const QByteArray& data)
{
    m_info.clear();
    if (data.size() > MaxFileSize) {
        fileError(QStringLiteral("the model is larger than the limit of %1 bytes").arg(MaxFileSize));
        return false;
    }
    LxLibParser p(m_info, data, m_source, m_warnings, m_stopAtFirst);
    return readWith(p);
}

bool LxLibReader::readWith(LxLibParser& p)
{
    // A document without a format line is read as the newest format.
    m_info.SetFormatVersion(1.2f);
    readDocument(p);
    m_info.setSourceEndLine(p.endOfFileLine());
    m_errors += p.errorCount();
    return m_errors == 0;
}

void LxLibReader::readDocument(LxLibParser& p)
{
    m_formatLine = 0;
    if (!p.nextLine()) {
        p.error(1, 1, QStringLiteral("expected the format line \"model-format 1.2\" but found end of file"));
        return;
    }
    const LxLibLine& first = p.line();
    if (first.hasError()) {
        p.error(first.number, first.errorColumn, first.error);
        p.abandon(first);
    } else if (first.tokens.front().is("model-format")) {
        if (!readFormatLine(p, first))
            p.abandon(first);
    } else {
        p.errorAtToken(first, 0,
                       QStringLiteral("expected the format line \"model-format 1.2\" but found %1")
                           .arg(LxLibTokenizer::describe(first.tokens.front())));
        readTopRecord(p, first);
    }
    while (p.nextLine())
        readTopRecord(p, p.line());
}

bool LxLibReader::readFormatLine(LxLibParser& p, const LxLibLine& line)
{
    m_formatLine = line.number;
    if (line.tokens.size() < 2 || line.tokens[1].kind != LxLibToken::Word) {
        p.errorAtToken(line, 1, QStringLiteral("expected a format version such as 1.2 after \"model-format\""));
        return false;
    }
    const QString text = LxLibTokenizer::wordValue(line.tokens[1]);
    const int dot = text.indexOf(QLatin1Char('.'));
    bool okMajor = false;
    bool okMinor = true;
    const int major = text.left(dot < 0 ? text.size() : dot).toInt(&okMajor);
    if (dot >= 0) {
        const QString minor = text.mid(dot + 1);
        for (QChar c : minor)
            okMinor = okMinor && c.isDigit();
        okMinor = okMinor && !minor.isEmpty() && minor.size() <= 6;
    }
    if (!okMajor || !okMinor || text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
        p.errorAtToken(line, 1, QStringLiteral("expected a format version such as 1.2 but found %1")
                                    .arg(LxLibTokenizer::describe(line.tokens[1])));
        return false;
    }
    if (major != 1) {
        p.errorAtToken(line, 1, QStringLiteral("format version %1 is not supported (this reader reads 1.x)").arg(text));
        return false;
    }
    const float version = text.toFloat();
    m_info.SetFormatVersion(version);
    if (version != 1.0f && version != 1.1f && version != 1.2f)
        p.warning(line.number, line.tokens[1].column,
                  QStringLiteral("format version %1 is not one of 1.0, 1.1 and 1.2; read as version %1").arg(text));
    return p.takeEnd(line, 2);
}

void LxLibReader::readTopRecord(LxLibParser& p, const LxLibLine& line)
{
    if (line.hasError()) {
        p.error(line.number, line.errorColumn, line.error);
        p.abandon(line);
        return;
    }
    const LxLibToken& key = line.tokens.front();
    if (key.is("header")) {
        readHeader(p, line);
    } else if (key.is("alias")) {
        readAlias(p, line);
    } else if (key.is("component")) {
        readComponent(p, line);
    } else if (key.is("model-format")) {
        p.errorAtToken(line, 0, m_formatLine > 0
                                    ? QStringLiteral("duplicate format line (the first is at line %1)").arg(m_formatLine)
                                    : QStringLiteral("the format line must be the first line of the file"));
        p.abandon(line);
    } else if (key.kind == LxLibToken::Close) {
        p.errorAtToken(line, 0, QStringLiteral("expected header, alias or component but found '}' with no open block"));
    } else {
        p.unexpected(line, QStringLiteral("header, alias or component"));
    }
}

void LxLibReader::readHeader(LxLibParser& p, const LxLibLine& line)
{
    int i = 1;
    int type = 0;
    if (!p.takeCode(line, i, LxLibParser::HeaderType, type) || !p.takeOpen(line, i) ||
        !p.roomFor(line, m_info.GetHeaderList().count(), MaxEntries, "headers")) {
        p.abandon(line);
        return;
    }
    auto* header = new LxLibHeader(type);
    LxLibParser::place(*header, line);
    m_info.AddHeader(header);
    p.block("header", [&](const LxLibLine& l) {
        int k = 1;
        QString text;
        if (!l.tokens.front().is("line")) {
            p.unexpected(l, QStringLiteral("\"line\" in a header"));
        } else if (p.takeString(l, k, "the header text", text) && p.takeEnd(l, k) &&
                   p.roomFor(l, header->GetLogCommentList().size(), MaxEntries, "header lines")) {
            header->AddLogComment(text);
        } else {
            p.abandon(l);
        }
    });
}

void LxLibReader::readAlias(LxLibParser& p, const LxLibLine& line)
{
    int i = 1;
    QString ids[4];
    static const char* const what[4] = {"the alias id", "the component id", "the manufacturer id", "the package id"};
    for (int k = 0; k < 4; ++k)
        if (!p.takeString(line, i, what[k], ids[k])) {
            p.abandon(line);
            return;
        }
    if (!p.takeEnd(line, i) || !p.roomFor(line, m_info.GetAliasList().count(), MaxEntries, "aliases")) {
        p.abandon(line);
        return;
    }
    auto* alias = new LxLibAlias(ids[0], ids[1], ids[2], ids[3]);
    LxLibParser::place(*alias, line);
    m_info.AddAlias(alias);
}

void LxLibReader::readComponent(LxLibParser& p, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!p.takeString(line, i, "the device id", name) || !p.takeOpen(line, i) ||
        !p.roomFor(line, m_info.GetComponentList().count(), MaxComponents, "components")) {
        p.abandon(line);
        return;
    }
    auto* component = new LxLibComponent(name);
    LxLibParser::place(*component, line);
    m_info.AddComponent(component);
    p.block("component", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        if (key.is("package")) {
            if (p.roomFor(l, component->GetPackageList().count(), MaxPackagesOrParts, "packages"))
                readPackage(p, *component, l);
        } else if (key.is("passive") || key.is("logic") || key.is("memory-test") || key.is("memory-program")) {
            if (!p.roomFor(l, component->GetDescriptorList().count(), MaxPackagesOrParts, "parts"))
                return;
            if (key.is("passive"))
                readPassive(p, *component, l);
            else
                readLogic(p, *component, l);
        } else {
            p.unexpected(l, QStringLiteral("package, logic, memory-test, memory-program or passive in a component"));
        }
    });
}

void LxLibReader::readPackage(LxLibParser& p, LxLibComponent& component, const LxLibLine& line)
{
    if (!p.takeOpen(line, 1)) {
        p.abandon(line);
        return;
    }
    auto* package = new LxLibPackage;
    LxLibParser::place(*package, line);
    component.AddPackage(package);
    int tapLine = 0;
    p.block("package", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        int i = 1;
        if (key.is("id")) {
            QString id;
            if (p.takeString(l, i, "the package id", id) && p.takeEnd(l, i) &&
                p.roomFor(l, package->GetPackageIdList().size(), MaxEntries, "package ids"))
                package->AddPackageAlias(id);
            else
                p.abandon(l);
        } else if (key.is("tap")) {
            if (tapLine > 0) {
                p.errorAtToken(l, 0, QStringLiteral("duplicate \"tap\" (the first is at line %1)").arg(tapLine));
                p.abandon(l);
                return;
            }
            tapLine = l.number;
            if (p.takeEnd(l, i))
                package->SetHasTap(true);
            else
                p.abandon(l);
        } else if (key.is("pin")) {
            QString number, name, partner;
            int type = 0;
            int die = DPT_EXTERN;
            bool ok = p.takeString(l, i, "the pin number", number) && p.takeString(l, i, "the pin name", name) &&
                      p.takeCode(l, i, LxLibParser::PinType, type);
            if (ok && p.nextIs(l, i, "die"))
                ok = p.takeCode(l, ++i, LxLibParser::DieType, die);
            if (ok && p.nextIs(l, i, "partner"))
                ok = p.takeString(l, ++i, "the partner pin number", partner);
            if (ok && p.takeEnd(l, i) && p.roomFor(l, package->GetPackagePinList().count(), MaxPins, "pins in a package")) {
                auto* pin = new LxLibPackagePin(name, number, die, type);
                pin->SetDifferentialPartner(partner);
                LxLibParser::place(*pin, l);
                package->AddPackagePin(pin);
            } else {
                p.abandon(l);
            }
        } else {
            p.unexpected(l, QStringLiteral("id, tap or pin in a package"));
        }
    });
}

void LxLibReader::readPassive(LxLibParser& p, LxLibComponent& component, const LxLibLine& line)
{
    int i = 1;
    QString name;
    int type = 0;
    if (!p.takeString(line, i, "the part name", name) || !p.takeCode(line, i, LxLibParser::PassiveType, type) ||
        !p.takeOpen(line, i)) {
        p.abandon(line);
        return;
    }
    LxLibPassiveComponent* part = nullptr;
    LxLibPassiveCompConnection* connection = nullptr;
    if (type == PCT_CONNECTION)
        part = connection = new LxLibPassiveCompConnection(name);
    else
        part = new LxLibPassiveComponent(name, type);
    LxLibParser::place(*part, line);
    component.AddDescriptor(part);

    auto readPins = [&](const LxLibLine& l, LxLibPinCombinationList& list) {
        int k = 1;
        QString a, b;
        if (p.takeString(l, k, "the first pin", a) && p.takeString(l, k, "the second pin", b) && p.takeEnd(l, k) &&
            p.roomFor(l, list.count(), MaxEntries, "pin combinations")) {
            auto* combination = new LxLibPinCombination(a, b);
            LxLibParser::place(*combination, l);
            list.append(combination);
        } else {
            p.abandon(l);
        }
    };
    p.block("passive part", [&](const LxLibLine& l) {
        const LxLibToken& key = l.tokens.front();
        if (key.is("pins")) {
            readPins(l, part->GetPinCombinationList());
        } else if (key.is("condition")) {
            int k = 1;
            QString id;
            if (!connection) {
                p.errorAtToken(l, 0, QStringLiteral("a condition belongs in a CONNECTION part, not in a %1 part")
                                         .arg(passiveTypeKeyword(type).isEmpty() ? QString::number(type)
                                                                                 : passiveTypeKeyword(type)));
                p.abandon(l);
            } else if (p.takeString(l, k, "the condition name", id) && p.takeOpen(l, k) &&
                       p.roomFor(l, connection->GetConditionList().count(), MaxEntries, "conditions")) {
                auto* condition = new LxLibCondition(id);
                LxLibParser::place(*condition, l);
                connection->AddCondition(condition);
                p.block("condition", [&](const LxLibLine& c) {
                    if (c.tokens.front().is("pins"))
                        readPins(c, condition->GetPinCombinationList());
                    else
                        p.unexpected(c, QStringLiteral("pins in a condition"));
                });
            } else {
                p.abandon(l);
            }
        } else {
            p.unexpected(l, connection ? QStringLiteral("pins or condition in a connection")
                                       : QStringLiteral("pins in a passive part"));
        }
    });
}

void LxLibReader::readLogic(LxLibParser& p, LxLibComponent& component, const LxLibLine& line)
{
    int i = 1;
    QString name;
    if (!p.takeString(line, i, "the part name", name) || !p.takeOpen(line, i)) {
        p.abandon(line);
        return;
    }
    LxLibLogic* logic = nullptr;
    const LxLibToken& key = line.tokens.front();
    if (key.is("memory-test"))
        logic = new LxLibMemoryTest(name);
    else if (key.is("memory-program"))
        logic = new LxLibMemoryProgram(name);
    else
        logic = new LxLibLogic(name);
    LxLibParser::place(*logic, line);
    component.AddDescriptor(logic);
    LxLibLogicReader(p, m_info.GetFormatVersion()).read(*logic);
}

} // namespace lxlib
