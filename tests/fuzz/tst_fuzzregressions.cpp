// Inputs the fuzzer once tripped over: each reads clean and writes back stably,
// or fails with positioned errors, never anything in between.

#include "LxLibInfo.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("file");
        const QDir dir(QStringLiteral(PW_SOURCE_DIR "/fuzz/regressions"));
        QVERIFY(!dir.isEmpty(QDir::Files));
        for (const QString& f : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(f)) << dir.filePath(f);
    }

    void replay()
    {
        QFETCH(QString, file);
        lxlib::LxLibInfo info(file);
        QStringList errors;
        connect(&info, &lxlib::LxLibInfo::message, this, [&](const lxlib::Message& m) {
            if (m.kind == lxlib::Message::Error)
                errors << m.text;
        });
        bool errorFlag = false;
        const bool ok = info.read(true, false, &errorFlag);
        QCOMPARE(ok, errors.isEmpty());
        QCOMPARE(errorFlag, !ok);
        const QRegularExpression positioned(QStringLiteral("^%1:\\d+:\\d+: \\S")
                                                .arg(QRegularExpression::escape(file)));
        for (const QString& e : errors)
            QVERIFY2(positioned.match(e).hasMatch(), qPrintable(e));
        if (!ok)
            return;
        const QByteArray text = info.toText();
        lxlib::LxLibInfo again(file);
        QVERIFY(again.readFromData(text, true, true));
        QCOMPARE(again.toText(), text);
    }
};

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
