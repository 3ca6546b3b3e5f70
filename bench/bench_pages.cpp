// The editor pages on large parts: a 2500-pin package shown in the package
// table, switching between two logic parts of four 64-pin lists each, and a
// pin list of all 2500 pins.

#include "model/CLogic.h"
#include "wizard/PWEditState.h"
#include "wizard/PWLogicPartsPage.h"
#include "wizard/PWPackagePage.h"
#include "wizard/PWPinListTab.h"
#include "widgets/LxLibTable.h"
#include "wizard/PWWizardContext.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include <functional>

#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"

namespace {

constexpr int PackagePins = 2500;
constexpr int PinLists = 4;
constexpr int PinsPerList = 64;

// One package of PackagePins pins: every fourth an output, the rest inputs.
CPackage* bigPackage(const QString& id)
{
    auto* package = new CPackage;
    package->addPackageId(id);
    for (int i = 0; i < PackagePins; ++i)
        package->addPin(QString::number(i + 1), QStringLiteral("P%1").arg(i),
                        i % 4 == 3 ? lxlib::PPT_OUTPUT : lxlib::PPT_INPUT);
    return package;
}

void addPart(CLogic& logic, int pos)
{
    auto* part = new CLogicPart(QStringLiteral("U%1").arg(pos + 1));
    for (int l = 0; l < PinLists; ++l) {
        auto* list = new CPinList(QStringLiteral("U%1 L%2").arg(pos + 1).arg(l));
        for (int b = 0; b < PinsPerList; ++b) {
            const int pin = (pos * PinLists + l) * PinsPerList + b;
            const bool output = pin % 4 == 3;
            list->addPin(QStringLiteral("P%1").arg(pin),
                         lxlib::LxLibSignalTypeBit::ConvertSignalToType(output ? QStringLiteral("OUT")
                                                                               : QStringLiteral("IN")),
                         b);
        }
        part->insertPinList(l, list);
    }
    logic.insertLogicPart(pos, part);
}

struct Pages
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
};

// Shows the page with its model, then times selecting list entries 1 and 0 in
// turn; shows(pos) tells whether the page shows what entry pos holds.
template <typename Page>
void alternate(benchmark::State& state, Page& page, QListWidget* list, const std::function<bool(int)>& shows,
               const char* fault)
{
    page.resize(1280, 800);
    page.show();
    page.showModel();
    QCoreApplication::processEvents();
    int pos = 0;
    for (auto _ : state) {
        pos = 1 - pos;
        list->setCurrentRow(pos);
        QCoreApplication::processEvents();
        if (!shows(pos))
            state.SkipWithError(fault);
    }
}

void BM_ShowBigPackage(benchmark::State& state)
{
    Pages p;
    p.context.logic().insertPackage(0, bigPackage(QStringLiteral("BGA")));
    p.context.logic().insertPackage(1, new CPackage);
    p.context.logic().packages().at(1)->addPackageId(QStringLiteral("empty"));
    p.context.rebuildPinNames();
    PWPackagePage page(&p.context, &p.dialog);
    // Alternating with the empty package, so every pass fills all pins.
    alternate(
        state, page, page.form()->PackageLBox,
        [&page](int pos) { return page.form()->PackageTable->numRows() == (pos == 0 ? PackagePins : 0); },
        "the package table does not show the selected package");
    state.counters["pins"] = PackagePins;
}
BENCHMARK(BM_ShowBigPackage)->Unit(benchmark::kMillisecond);

void BM_SwitchLogicParts(benchmark::State& state)
{
    Pages p;
    p.context.category = 2;
    p.context.logic().insertPackage(0, bigPackage(QStringLiteral("BGA")));
    p.context.rebuildPinNames();
    addPart(p.context.logic(), 0);
    addPart(p.context.logic(), 1);
    PWLogicPartsPage page(&p.context, &p.dialog);
    const LxLibTable* table = page.pinListTab()->form()->PinListTable;
    // The part's last pin list is the one shown.
    alternate(
        state, page, page.form()->lbLogicPartLBox,
        [table](int pos) {
            return table->numRows() == PinsPerList
                   && table->text(0, 0) == QStringLiteral("P%1").arg((pos * PinLists + 3) * PinsPerList);
        },
        "the pin list tab does not show the selected part");
    state.counters["pinLists"] = PinLists;
    state.counters["pinsPerList"] = PinsPerList;
}
BENCHMARK(BM_SwitchLogicParts)->Unit(benchmark::kMillisecond);

// One pin list holding every pin of the big package, shown in turn with an
// empty one: each pass chooses all PackagePins pin names in their choice cells.
void BM_ShowBigPinList(benchmark::State& state)
{
    Pages p;
    p.context.category = 2;
    p.context.logic().insertPackage(0, bigPackage(QStringLiteral("BGA")));
    p.context.rebuildPinNames();
    auto* part = new CLogicPart(QStringLiteral("U1"));
    auto* all = new CPinList(QStringLiteral("All"));
    for (int i = 0; i < PackagePins; ++i)
        all->addPin(QStringLiteral("P%1").arg(i),
                    lxlib::LxLibSignalTypeBit::ConvertSignalToType(i % 4 == 3 ? QStringLiteral("OUT")
                                                                               : QStringLiteral("IN")),
                    i % 64);
    part->insertPinList(0, all);
    part->insertPinList(1, new CPinList(QStringLiteral("None")));
    p.context.logic().insertLogicPart(0, part);
    PWLogicPartsPage page(&p.context, &p.dialog);
    const LxLibTable* table = page.pinListTab()->form()->PinListTable;
    alternate(
        state, page, page.pinListTab()->form()->PinListLBox,
        [table](int pos) {
            return table->numRows() == (pos == 0 ? PackagePins : 0)
                   && (pos == 1 || table->text(PackagePins - 1, 0) == QStringLiteral("P%1").arg(PackagePins - 1));
        },
        "the pin list tab does not show the selected pin list");
    state.counters["pins"] = PackagePins;
}
BENCHMARK(BM_ShowBigPinList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
