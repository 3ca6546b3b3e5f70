// The test sequence editor on big sequences: 5 000 statement rows over 64
// signal columns shown, stored, and two parts holding one each switched.

#include "model/CLogic.h"
#include "model/CLoopTestSequence.h"
#include "model/CWaitTestSequence.h"
#include "widgets/LxLibTable.h"
#include "wizard/PWEditState.h"
#include "wizard/PWLogicPartsPage.h"
#include "wizard/PWTestSequenceTab.h"
#include "wizard/PWWizardContext.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "ui_PWLogicPage.h"
#include "ui_PWTestSequenceTab.h"

namespace {

constexpr int Signals = 64;
constexpr int Rows = 5000;

// Bits 0..31 inputs, 32..63 outputs, on pins of their own for each part.
void addPart(CLogic& logic, int pos)
{
    auto* part = new CLogicPart(QStringLiteral("U%1").arg(pos + 1));
    auto* list = new CPinList(part->name());
    for (int b = 0; b < Signals; ++b)
        list->addPin(QStringLiteral("P%1").arg(pos * Signals + b), b < Signals / 2 ? lxlib::ST_IN : lxlib::ST_OUT, b);
    part->insertPinList(0, list);

    // Vectors, with a wait after every 100 rows and a repeat of 8 vectors after every 500.
    auto* sequence = new CTestSequences(QStringLiteral("Big"));
    // The parts' vectors differ in every cell, so switching rewrites them all.
    auto vector = [pos](int n) {
        QString v(Signals, QLatin1Char('0'));
        for (int c = 0; c < Signals; ++c) {
            const bool one = ((n >> (c % 8)) & 1) != (pos & 1);
            v[c] = QLatin1Char(c < Signals / 2 ? (one ? 'H' : 'L') : (one ? '1' : '0'));
        }
        return v;
    };
    for (int n = 0, rows = 0; rows < Rows; ++n) {
        if (n % 500 == 499 && rows + 10 <= Rows) {
            auto* loop = new CLoopTestSequence(4, 1);
            for (int i = 0; i < 8; ++i)
                loop->appendVector(new CVectorTestSequence(vector(n + i)));
            sequence->appendStatement(loop);
        } else if (n % 100 == 99) {
            sequence->appendStatement(new CWaitTestSequence(10, lxlib::TU_US));
        } else {
            sequence->appendStatement(new CVectorTestSequence(vector(n)));
        }
        rows += sequence->statements().last()->rowCount();
    }
    part->insertTestSequence(0, sequence);
    logic.insertLogicPart(pos, part);
    logic.rebuildSignalIndex(pos);
    // Every tenth vector row finds OUT bit 40 stuck at 0.
    const QList<int> kinds = sequence->rowKinds();
    for (int r = 0; r < kinds.size(); ++r) {
        auto* d = new CLogicDiagnose(kinds[r] == CLogicDiagnose::VectorRow && r % 10 == 0 ? CLogicDiagnose::Defined
                                                                                          : CLogicDiagnose::NotDefined,
                                     kinds[r]);
        if (d->state() == CLogicDiagnose::Defined)
            d->AddRule(new lxlib::LxLibDiagRuleStuckAt(lxlib::ST_OUT, 40, lxlib::SA_0));
        part->testSequenceDiagnostics().setDiagnose(0, r, d);
    }
}

struct Editor
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
    PWLogicPartsPage page{&context, &dialog};

    Editor()
    {
        context.category = 2;
        addPart(context.logic(), 0);
        addPart(context.logic(), 1);
        page.resize(1280, 800);
        page.show();
        page.showModel();
        page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        QCoreApplication::processEvents();
    }
    PWTestSequenceTab* tab() const { return page.testSequenceTab(); }
    const LxLibTable* table() const { return tab()->form()->tbTestSequenceTable; }
    bool shows(int part) const
    {
        const int last = table()->numRows() - 1;
        return table()->numRows() == Rows && table()->numCols() == Signals + 3
               && table()->horizontalHeaderItem(1)->text() == QStringLiteral("P%1").arg(part * Signals + Signals - 1)
               && table()->text(last, 0) == QStringLiteral("Vector");
    }
};

// The tab shown on a part for the first time: every cell is made.
void BM_ShowTestSequence(benchmark::State& state)
{
    Editor e;
    for (auto _ : state) {
        state.PauseTiming();
        e.tab()->clearTab();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        e.tab()->showTab(0);
        QCoreApplication::processEvents();
        if (!e.shows(0))
            state.SkipWithError("the table does not show the sequence");
    }
    state.counters["rows"] = Rows;
    state.counters["signals"] = Signals;
}
BENCHMARK(BM_ShowTestSequence)->Unit(benchmark::kMillisecond);

void BM_StoreTestSequence(benchmark::State& state)
{
    Editor e;
    const CLogicPart* part = e.context.logic().logicParts().at(0);
    const int statements = part->testSequences().at(0)->statements().count();
    for (auto _ : state) {
        e.tab()->storeTestSequence(0, 0);
        if (part->testSequences().at(0)->rowCount() != Rows
            || part->testSequences().at(0)->statements().count() != statements)
            state.SkipWithError("the stored sequence differs from the one shown");
    }
    state.counters["rows"] = Rows;
}
BENCHMARK(BM_StoreTestSequence)->Unit(benchmark::kMillisecond);

void BM_SwitchPartsWithSequences(benchmark::State& state)
{
    Editor e;
    QListWidget* parts = e.page.form()->lbLogicPartLBox;
    int pos = 0;
    for (auto _ : state) {
        pos = 1 - pos;
        parts->setCurrentRow(pos);
        QCoreApplication::processEvents();
        if (!e.shows(pos))
            state.SkipWithError("the test sequence tab does not show the selected part");
    }
}
BENCHMARK(BM_SwitchPartsWithSequences)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
