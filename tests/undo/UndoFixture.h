#ifndef UNDOFIXTURE_H
#define UNDOFIXTURE_H

#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxUndoBinding.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <type_traits>

// What a table shows, as the user sees it: every cell's text, a choice cell's
// entry and a check cell's state.
inline QList<QStringList> shownRows(const LxLibTable* table)
{
    QList<QStringList> rows = table->tableTexts();
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* cell = table->item(r, c);
            if (cell && cell->data(Qt::CheckStateRole).isValid())
                rows[r][c] += cell->checkState() == Qt::Checked ? QStringLiteral("[x]") : QStringLiteral("[ ]");
            if (const LxLibComboItem* choice = table->comboItem(r, c))
                rows[r][c] += QLatin1Char('#') + QString::number(choice->currentItem());
        }
    }
    return rows;
}

inline QStringList listTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A menu's entries, "|" for a separator.
inline QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

// A cell edited the way the delegate hands an editor's text to the table.
inline void typeInto(LxLibTable* table, int row, int col, const QString& text)
{
    QLineEdit editor(text);
    table->setCellContentFromEditor(row, col, &editor);
}

inline void chooseIn(LxLibTable* table, int row, int col, int index)
{
    QComboBox editor;
    editor.addItems(table->comboItem(row, col)->stringList());
    editor.setCurrentIndex(index);
    table->setCellContentFromEditor(row, col, &editor);
}

// states[i] is what shown() gave after the i-th step: walks the whole history
// back to the first state and forward again, comparing each state on the way.
template <typename Shown>
void undoAndRedoAll(LxUndoBinding* binding, const QList<std::invoke_result_t<Shown>>& states, Shown shown)
{
    QCOMPARE(binding->stack()->count(), states.size() - 1);
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(binding->undo());
        QCOMPARE(shown(), states[i]);
    }
    QVERIFY(!binding->undo());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(binding->redo());
        QCOMPARE(shown(), states[i]);
    }
}

// An example opened on the logic part page and saved once as it came.
struct OpenedExample
{
    ScriptedPrompter prompts;
    QTemporaryDir tmp;
    std::unique_ptr<PartwrightDlg> dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
    QByteArray before;

    explicit OpenedExample(const QString& name = QStringLiteral("bus-transceiver-16245.model"))
    {
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        dlg->leOpenExisistingModel->setText(QStringLiteral(PW_EXAMPLES_DIR "/") + name);
        while (dlg->currentIndex() != PartwrightForm::LogicPage) {
            const int at = dlg->currentIndex();
            QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
            if (dlg->currentIndex() == at)
                break;
        }
        before = save(QStringLiteral("before.model"));
        QVERIFY2(!before.isEmpty() && dlg->currentIndex() == PartwrightForm::LogicPage,
                 qPrintable(prompts.texts().join(u'|')));
    }
    QByteArray save(const QString& name)
    {
        const QString file = tmp.filePath(name);
        dlg->leModelName->setText(file);
        return dlg->modelFile()->buildAndSave() ? contentOf(file) : QByteArray();
    }
    PWLogicPartsPage* page() const { return dlg->logicPage(); }
};

#endif
