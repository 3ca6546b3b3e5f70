// The committed translation source must hold every message the plug-in shows,
// under the context translators expect for it.
#include "PWSaveRules.h"
#include "CLogic.h"
#include "PWPasteChecks.h"
#include "PWTableText.h"
#include "PWVectorPaste.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QString extraComment;
    QString file;
};

QList<TsMessage> readTs(const QString& path, QString* error)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"context") {
                context.clear();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                current = TsMessage{context, {}, {}, {}, {}};
            } else if (name == u"location") {
                if (current.file.isEmpty())
                    current.file = xml.attributes().value(QStringLiteral("filename")).toString();
            } else if (name == u"source") {
                current.source = xml.readElementText();
            } else if (name == u"comment") {
                current.comment = xml.readElementText();
            } else if (name == u"extracomment") {
                current.extraComment = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            messages.append(current);
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1: %2").arg(path, xml.errorString());
    return messages;
}

QString key(const TsMessage& m) { return m.context + QChar(1) + m.source + QChar(1) + m.comment; }

// The contexts a source folder may translate in; forms keep their own.
QStringList contextsFor(const QString& relativeFile)
{
    const QString folder = relativeFile.section(QLatin1Char('/'), 0, 0);
    if (folder == u"wizard" || folder == u"io" || folder == u"model")
        return {QStringLiteral("PartwrightDlg")};
    if (folder == u"plugin")
        return {QStringLiteral("PartwrightPI")};
    if (folder == u"widgets")
        return {QStringLiteral("LxLibTable"), QStringLiteral("LxWizard"), QStringLiteral("LxLibInpuDlgDlg"),
                QStringLiteral("LxUndoBinding"), QStringLiteral("LxFindBar")};
    if (folder == u"passive")
        return {QStringLiteral("lxListBox"), QStringLiteral("lxPassiveTypeDlg"), QStringLiteral("lxPassiveConditionDlg"),
                QStringLiteral("PartwrightDlg")};
    if (folder == u"report")
        return {QStringLiteral("lxPrint"), QStringLiteral("PartwrightDlg")};
    return {};
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void committedFileHoldsEveryMessage();
    void messagesUseTheDialogsContexts();
    void placeholdersCarryTranslatorComments();
    void helpersLookUpTheDialogsContextAtRunTime();

private:
    QTemporaryDir m_dir;
    QList<TsMessage> m_fresh;
    QList<TsMessage> m_committed;
};

void TstTranslations::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString fresh = m_dir.filePath(QStringLiteral("fresh.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                     QStringLiteral("absolute")};
    for (const QString& d : QStringLiteral(PW_TRANSLATION_DIRS).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (QDir(QStringLiteral(PW_SOURCE_DIR)).exists(d))
            args << d;
    }
    args << QStringLiteral("-ts") << fresh;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(PW_SOURCE_DIR));
    lupdate.start(QStringLiteral(PW_LUPDATE), args);
    QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(lupdate.readAllStandardError())));

    QString error;
    m_fresh = readTs(fresh, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    m_committed = readTs(QStringLiteral(PW_SOURCE_DIR "/translations/partwright_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(m_fresh.size() > 100);

    // The fresh locations are relative to the temporary file; make them relative to the sources.
    const QDir sources(QStringLiteral(PW_SOURCE_DIR));
    for (TsMessage& m : m_fresh)
        m.file = sources.relativeFilePath(QDir::cleanPath(m_dir.filePath(m.file)));
}

void TstTranslations::committedFileHoldsEveryMessage()
{
    QSet<QString> committed;
    for (const TsMessage& m : std::as_const(m_committed))
        committed.insert(key(m));
    QStringList missing;
    for (const TsMessage& m : std::as_const(m_fresh)) {
        if (!committed.contains(key(m)))
            missing << QStringLiteral("%1 [%2] \"%3\"").arg(m.file, m.context, m.source);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 message(s) missing from translations/partwright_en.ts "
                                                          "(build the `translations` target):\n")
                                               .arg(missing.size())
                                           + missing.mid(0, 30).join(QLatin1Char('\n'))));
}

void TstTranslations::messagesUseTheDialogsContexts()
{
    QStringList wrong;
    for (const TsMessage& m : std::as_const(m_fresh)) {
        if (m.file.endsWith(QLatin1String(".ui")))
            continue;
        const QStringList allowed = contextsFor(m.file);
        if (!allowed.isEmpty() && !allowed.contains(m.context))
            wrong << QStringLiteral("%1: \"%2\" in context %3, expected %4")
                         .arg(m.file, m.source, m.context, allowed.join(QLatin1String(" or ")));
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 30).join(QLatin1Char('\n'))));
}

void TstTranslations::placeholdersCarryTranslatorComments()
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QStringList bare;
    for (const TsMessage& m : std::as_const(m_fresh)) {
        if (!m.file.endsWith(QLatin1String(".ui")) && m.source.contains(placeholder) && m.extraComment.isEmpty())
            bare << QStringLiteral("%1: \"%2\"").arg(m.file, m.source);
    }
    QVERIFY2(bare.isEmpty(), qPrintable(QStringLiteral("messages with placeholders but no translator comment:\n")
                                        + bare.mid(0, 30).join(QLatin1Char('\n'))));
}

// Messages built outside a class look their text up under a context of their own
// choosing; a translation released from the committed file must reach them.
void TstTranslations::helpersLookUpTheDialogsContextAtRunTime()
{
    // Every message without a translation is released as mark + source text, so a
    // lookup under a context the file does not hold returns the bare source.
    const QString qm = m_dir.filePath(QStringLiteral("marked.qm"));
    QProcess lrelease;
    lrelease.start(QStringLiteral(PW_LRELEASE),
                   {QStringLiteral("-silent"), QStringLiteral("-markuntranslated"), QStringLiteral("@"),
                    QStringLiteral(PW_SOURCE_DIR "/translations/partwright_en.ts"), QStringLiteral("-qm"), qm});
    QVERIFY2(lrelease.waitForFinished(60000), "lrelease did not finish");
    QVERIFY2(lrelease.exitStatus() == QProcess::NormalExit && lrelease.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(lrelease.readAllStandardError())));
    QTranslator translator;
    QVERIFY(translator.load(qm));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const auto uninstall = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });

    const PWTableText::Plan plan =
        PWTableText::planPaste({}, 2, 0, 0, QStringLiteral("a,b,c"), {}, PWTableText::RowCheck());
    QCOMPARE(plan.problems, QStringList{QStringLiteral("@Row 1: 3 fields, but only 2 columns from here")});
    QVERIFY2(PWTableText::problemReport(plan).startsWith(QLatin1String("@1 of 1 pasted rows were not taken")),
             qPrintable(PWTableText::problemReport(plan)));

    const PWVectorPasteResult vectors = parseVectorPaste(QStringLiteral("01"), {QStringLiteral("01")});
    QCOMPARE(vectors.refused,
             QStringList{QStringLiteral("@Row 1: @2 characters, but the table has 1 signal columns")});

    const CLogic logic;
    QStringList cells{QString(), QString(), QString()};
    QCOMPARE(PWPasteChecks::pinListRow(logic, {QStringLiteral("A")}, false)(cells, 0, {}),
             QStringLiteral("@the pin name is empty"));

    QCOMPARE(PWSaveRules::replaceQuestion(QStringLiteral("/tmp/x.model")),
             QStringLiteral("@/tmp/x.model already exists\n Do you want to replace it?"));
}

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
