#ifndef PATTERNFIXTURE_H
#define PATTERNFIXTURE_H

#include "CLogic.h"
#include "PWDisableTab.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWWizardContext.h"
#include "PageFixture.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

#include <type_traits>

// The entries of a choice box or a list.
template <typename Box>
QStringList itemsOf(const Box* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        if constexpr (std::is_same_v<Box, QListWidget>)
            items.append(box->item(i)->text());
        else
            items.append(box->itemText(i));
    }
    return items;
}

// A logic part page over a model set up directly: one package whose pins
// carry the signals of the parts, the package pin type following the signal.
struct PatternFixture : PageFixture<PWLogicPartsPage>
{
    ScriptedPrompter prompts;
    CPackage* package = nullptr;

    PatternFixture() { context.category = 2; }

    static int pinTypeFor(const QString& signal)
    {
        if (signal == QLatin1String("OUT") || signal == QLatin1String("RYBY") || signal == QLatin1String("DATAO"))
            return lxlib::PPT_OUTPUT;
        if (signal == QLatin1String("IO") || (signal.startsWith(QLatin1String("DATA")) && signal != QLatin1String("DATAI")))
            return lxlib::PPT_INOUT;
        return lxlib::PPT_INPUT;
    }

    // Pins as "pin:signal:bit", separated by blanks.
    CLogicPart* addPart(const char* name, const char* pinList)
    {
        const QStringList pins = QString::fromLatin1(pinList).split(QLatin1Char(' '));
        if (!package) {
            package = new CPackage;
            package->addPackageId(QStringLiteral("P"));
            context.logic().insertPackage(0, package);
        }
        auto* part = new CLogicPart(QString::fromLatin1(name));
        auto* list = new CPinList(QString::fromLatin1(name) + QStringLiteral(" pins"));
        for (const QString& pin : pins) {
            const QStringList f = pin.split(QLatin1Char(':'));
            if (package->countPinsNamed(f[0]) == 0)
                package->addPin(QString::number(package->pins().count() + 1), f[0], pinTypeFor(f[1]));
            list->addPin(f[0], lxlib::LxLibSignalTypeBit::ConvertSignalToType(f[1]), f[2].toInt());
        }
        part->insertPinList(0, list);
        context.logic().insertLogicPart(context.logic().logicParts().count(), part);
        return part;
    }

    // Lists the parts and shows the first, on the given tab.
    void show(int tab)
    {
        context.rebuildPinNames();
        page.showModel();
        showTab(tab);
    }
    void selectPart(int pos) { page.form()->lbLogicPartLBox->setCurrentRow(pos); }
    void showTab(int tab) { page.form()->LogicPartTWidget->setCurrentIndex(tab); }
    CLogicPart* part(int pos) const { return const_cast<CLogic&>(context.logic()).logicParts().at(pos); }

    PWEnableTab* enables() const { return page.enableTab(); }
    PWDisableTab* disables() const { return page.disableTab(); }
    PWLatchTab* latches() const { return page.latchTab(); }
};

#endif
