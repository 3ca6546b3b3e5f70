#ifndef PATTERNFIXTURE_H
#define PATTERNFIXTURE_H

#include "CLogic.h"
#include "PWDisableTab.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWWizardContext.h"
#include "PageFixture.h"
#include "ui_PWLogicPage.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

inline QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// A logic part page over a model set up directly: one package whose pins
// carry the signals of the parts, the package pin type following the signal.
struct PatternFixture : PageFixture<PWLogicPartsPage>
{
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

    // Pins as "pin:signal:bit".
    CLogicPart* addPart(const QString& name, const QStringList& pins)
    {
        if (!package) {
            package = new CPackage;
            package->addPackageId(QStringLiteral("P"));
            context.logic().insertPackage(0, package);
        }
        auto* part = new CLogicPart(name);
        auto* list = new CPinList(name + QStringLiteral(" pins"));
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

    // Lists the parts and shows the first, on the pin list tab.
    void show()
    {
        context.rebuildPinNames();
        page.showModel();
    }
    void selectPart(int pos) { page.form()->lbLogicPartLBox->setCurrentRow(pos); }
    void showTab(int tab) { page.form()->LogicPartTWidget->setCurrentIndex(tab); }
    CLogicPart* part(int pos) const { return const_cast<CLogic&>(context.logic()).logicParts().at(pos); }

    PWEnableTab* enables() const { return page.enableTab(); }
    PWDisableTab* disables() const { return page.disableTab(); }
    PWLatchTab* latches() const { return page.latchTab(); }
};

#endif
