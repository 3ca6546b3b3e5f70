// Every wizard page laid out at the two screen sizes engineers use: no text
// squeezed below what it needs, nothing outside its parent, no two widgets of
// one layout on top of each other.

#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>

class TestPageLayout : public QObject
{
    Q_OBJECT

    static bool insideScrollArea(const QWidget* w, const QWidget* root)
    {
        for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
            if (qobject_cast<const QAbstractScrollArea*>(p))
                return true;
        return false;
    }

    // Texts and entry fields are the widgets whose squeezing a user notices.
    static bool needsFullSize(const QWidget* w)
    {
        if (auto* label = qobject_cast<const QLabel*>(w))
            return !label->wordWrap() && !label->text().isEmpty();
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
            || qobject_cast<const QLineEdit*>(w);
    }

    // Siblings that may share a place: pages of a stack or tab widget.
    static bool stacked(const QWidget* parent)
    {
        return qobject_cast<const QStackedWidget*>(parent) || qobject_cast<const QTabWidget*>(parent)
            || qobject_cast<const QSplitter*>(parent);
    }

    static QStringList layoutFaults(QWidget* page)
    {
        QStringList faults;
        const auto widgets = page->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(page) || w->isWindow() || insideScrollArea(w, page))
                continue;
            const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                           : w->objectName();
            const QSize hint = w->minimumSizeHint();
            if (needsFullSize(w) && (w->width() < hint.width() || w->height() < hint.height()))
                faults << QStringLiteral("%1 squeezed to %2x%3, needs %4x%5")
                              .arg(name).arg(w->width()).arg(w->height()).arg(hint.width()).arg(hint.height());
            QWidget* parent = w->parentWidget();
            if (!parent->rect().contains(w->geometry()))
                faults << QStringLiteral("%1 reaches outside %2").arg(name, parent->objectName());
            if (!parent->layout() || stacked(parent))
                continue;
            for (QObject* o : parent->children()) {
                auto* sibling = qobject_cast<QWidget*>(o);
                if (!sibling || !std::less<QWidget*>()(w, sibling) || !sibling->isVisibleTo(page) || sibling->isWindow())
                    continue;
                if (w->geometry().intersects(sibling->geometry()))
                    faults << QStringLiteral("%1 overlaps %2").arg(name, sibling->objectName());
            }
        }
        return faults;
    }

private slots:
    void pagesFitTheScreen_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("model");
        // Empty, and filled with the long lists, tables and pin lists of a real part.
        for (const QString& model : {QString(), QStringLiteral(PW_EXAMPLES_DIR "/bus-transceiver-16245.model")})
            for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)})
                QTest::addRow("%dx%d%s", size.width(), size.height(), model.isEmpty() ? "" : " loaded")
                    << size << model;
    }

    void pagesFitTheScreen()
    {
        QFETCH(QSize, size);
        QFETCH(QString, model);
        ScriptedPrompter prompts;
        PartwrightDlg dlg(nullptr, QString(), QString());
        dlg.resize(size);
        dlg.show();
        if (!model.isEmpty()) {
            dlg.leOpenExisistingModel->setText(model);
            dlg.next();
            QCOMPARE(dlg.currentIndex(), int(PartwrightForm::DevicePage));
        }
        QVERIFY(dlg.minimumSizeHint().width() <= size.width() && dlg.minimumSizeHint().height() <= size.height());
        for (int i = 0; i < dlg.pageCount(); ++i) {
            dlg.showPage(dlg.page(i));
            QCoreApplication::processEvents();
            QCOMPARE(dlg.size(), size);
            const QStringList faults = layoutFaults(dlg.page(i));
            QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("page %1: %2").arg(i).arg(faults.join(u"; "))));
        }
    }
};

QTEST_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
