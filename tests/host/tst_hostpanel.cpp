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

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

const ModelLibraryEntry* find(const QList<ModelLibraryEntry>& entries, const QString& name)
{
    for (const ModelLibraryEntry& e : entries)
        if (e.name == name)
            return &e;
    return nullptr;
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
        writeFile(root.filePath("a.model"), good);
        writeFile(root.filePath("custom/b.model"), good);
        writeFile(root.filePath("broken.model"), "this is not a model\n");
        writeFile(root.filePath("notes.txt"), good);

        ModelLibraryScanner scanner;
        QList<ModelLibraryEntry> entries = scanner.scan(root.path());
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0).name, QStringLiteral("a")); // sorted, case-insensitive
        const ModelLibraryEntry* a = find(entries, "a");
        const ModelLibraryEntry* b = find(entries, "custom/b");
        const ModelLibraryEntry* broken = find(entries, "broken");
        QVERIFY(a && b && broken);
        QVERIFY2(a->problem.isEmpty(), qPrintable(a->problem));
        QVERIFY(!a->deviceId.isEmpty());
        QCOMPARE(b->deviceId, a->deviceId);
        QVERIFY(!a->category.isEmpty());
        QVERIFY(broken->problem.contains(QLatin1String("broken.model:1:")));

        // A file rewritten in place is read again; a deleted one leaves the list.
        QString renamed = QString::fromUtf8(good);
        const QString id = a->deviceId;
        renamed.replace(id, id + QStringLiteral("X"));
        writeFile(root.filePath("a.model"), renamed.toUtf8());
        QFile file(root.filePath("a.model"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(QFile::remove(root.filePath("broken.model")));
        entries = scanner.scan(root.path());
        QCOMPARE(entries.size(), 2);
        QCOMPARE(find(entries, "a")->deviceId, id + QStringLiteral("X"));
        QVERIFY(!find(entries, "broken"));

        QCOMPARE(scanner.scan(root.filePath("missing")).size(), 0);
        QCOMPARE(ModelLibraryScanner::categoryName(lxlib::DK_PASSIVE), QStringLiteral("Passive"));
    }

    void panelOpensTheWizardOnTheSelection()
    {
        QTemporaryDir root;
        writeFile(root.filePath("a.model"), everything());
        OrvikHost host;
        host.setSetting(QStringLiteral("ModelLibPath"), root.path());
        host.setDatabasePath(root.filePath("db"));

        // Without the plug-in the panel still lists, and says why it cannot open.
        {
            ModelLibraryPanel panel(host, root.path());
            QCOMPARE(panel.list()->topLevelItemCount(), 1);
            auto* edit = panel.findChild<QPushButton*>("EditModel");
            QVERIFY(!edit->isEnabled());
            panel.list()->setCurrentItem(panel.list()->topLevelItem(0));
            QVERIFY(edit->isEnabled());
            QSignalSpy edited(&panel, &ModelLibraryPanel::modelEdited);
            edit->click();
            QCOMPARE(edited.count(), 0);
            bool told = false;
            for (QLabel* label : panel.findChildren<QLabel*>())
                told |= label->text().contains(QLatin1String("LxiPartwright"));
            QVERIFY(told);
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
            const auto w = GuiScript::wizards();
            if (w.size() != 1)
                return false;
            auto* name = w.first()->findChild<QLineEdit*>("leOpenExisistingModel");
            if (!name || name->text() != file)
                return false;
            // View-only: Cancel closes without a question.
            auto* cancel = w.first()->findChild<QPushButton*>("cancelButton");
            if (!cancel)
                return false;
            cancel->click();
            return true;
        });
        QSignalSpy edited(&panel, &ModelLibraryPanel::modelEdited);
        panel.viewSelected();
        QVERIFY2(s.finished(), qPrintable(s.pending()));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toString(), file);
        QCOMPARE(edited.at(0).at(1).toBool(), false);

        // A model saved into the library appears without a manual refresh.
        writeFile(root.filePath("new.model"), everything());
        QTRY_COMPARE(panel.list()->topLevelItemCount(), 2);
    }
};

QTEST_MAIN(TestHostPanel)
#include "tst_hostpanel.moc"
