// The demo host's model library panel: what it lists, how it keeps up with the
// folder, and that its buttons run the real plug-in's wizard on the chosen file.

#include "GuiScript.h"
#include "LxLibTypes.h"
#include "ModelLibraryPanel.h"
#include "OrvikHost.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace OrvikInterface;

namespace {

QByteArray everything()
{
    QFile f(QStringLiteral(PW_SOURCE_DIR "/tests/lxlib/everything.model"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

QStringList namesOf(const QList<ModelLibraryEntry>& entries)
{
    QStringList names;
    for (const ModelLibraryEntry& e : entries)
        names << e.name;
    return names;
}

} // namespace

class TestHostPanel : public QObject
{
    Q_OBJECT

private slots:
    void scannerListsAndKeepsUp()
    {
        QTemporaryDir root;
        const QByteArray good = everything();
        QVERIFY(!good.isEmpty());
        QVERIFY(writeFile(root.filePath("a.model"), good) && writeFile(root.filePath("custom/b.model"), good)
                && writeFile(root.filePath("broken.model"), "this is not a model\n")
                && writeFile(root.filePath("notes.txt"), good));

        ModelLibraryScanner scanner;
        QList<ModelLibraryEntry> entries = scanner.scan(root.path());
        QCOMPARE(namesOf(entries), (QStringList{"a", "broken", "custom/b"}));
        const ModelLibraryEntry &a = entries[0], &broken = entries[1];
        QVERIFY2(a.problem.isEmpty(), qPrintable(a.problem));
        QVERIFY(!a.deviceId.isEmpty() && !a.category.isEmpty());
        QCOMPARE(entries[2].deviceId, a.deviceId);
        QVERIFY(broken.problem.contains("broken.model:1:"));

        // A file rewritten in place is read again; a deleted one leaves the list.
        const QString id = a.deviceId;
        QVERIFY(writeFile(root.filePath("a.model"), QString::fromUtf8(good).replace(id, id + "X").toUtf8()));
        QFile file(root.filePath("a.model"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(QFile::remove(root.filePath("broken.model")));
        entries = scanner.scan(root.path());
        QCOMPARE(namesOf(entries), (QStringList{"a", "custom/b"}));
        QCOMPARE(entries[0].deviceId, id + "X");

        QCOMPARE(scanner.scan(root.filePath("missing")).size(), 0);
        QCOMPARE(ModelLibraryScanner::categoryName(lxlib::DK_PASSIVE), "Passive");
    }

    void panelOpensTheWizardOnTheSelection()
    {
        QTemporaryDir root;
        QVERIFY(writeFile(root.filePath("a.model"), everything()));
        OrvikHost host;
        host.setSetting(QStringLiteral("ModelLibPath"), root.path());
        host.setDatabasePath(root.filePath("db"));

        // Without the plug-in the panel still lists, and says why it cannot open.
        {
            ModelLibraryPanel panel(host, root.path());
            auto* edit = panel.findChild<QPushButton*>("EditModel");
            QVERIFY(panel.list()->topLevelItemCount() == 1 && !edit->isEnabled());
            panel.list()->setCurrentItem(panel.list()->topLevelItem(0));
            QVERIFY(edit->isEnabled());
            QSignalSpy edited(&panel, &ModelLibraryPanel::modelEdited);
            edit->click();
            QCOMPARE(edited.count(), 0);
            const QList<QLabel*> labels = panel.findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [](QLabel* label) { return label->text().contains("LxiPartwright"); }));
        }

        QString error;
        QVERIFY2(host.load(QStringLiteral(PW_PLUGIN_PATH), true, &error), qPrintable(error));
        ModelLibraryPanel panel(host, root.path());
        panel.show();
        panel.list()->setCurrentItem(panel.list()->topLevelItem(0));
        const QString file = panel.selectedFile();
        QCOMPARE(file, QFileInfo(root.filePath("a.model")).absoluteFilePath());

        GuiScript s;
        s.add("wizard on the file", [&] {
            QWidget* w = GuiScript::onlyWizard();
            auto* name = w ? w->findChild<QLineEdit*>("leOpenExisistingModel") : nullptr;
            auto* cancel = name ? w->findChild<QPushButton*>("cancelButton") : nullptr;
            if (!cancel || name->text() != file)
                return false;
            cancel->click(); // view-only: closes without a question
            return true;
        });
        QSignalSpy edited(&panel, &ModelLibraryPanel::modelEdited);
        panel.viewSelected();
        QVERIFY2(s.finished(), qPrintable(s.pending()));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first(), QVariantList({file, false}));

        // A model saved into the library appears without a manual refresh.
        QVERIFY(writeFile(root.filePath("new.model"), everything()));
        QTRY_COMPARE(panel.list()->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(TestHostPanel)
#include "tst_hostpanel.moc"
