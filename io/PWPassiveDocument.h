#ifndef PWPASSIVEDOCUMENT_H
#define PWPASSIVEDOCUMENT_H

#include "LxLibPassive.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace lxlib {
class LxLibComponent;
class LxLibInfo;
} // namespace lxlib

// Assembling the document of a passive model for writing, shared by the
// wizard's passive page and the command-line tool.
class PWPassiveDocument
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    // A new object of the same class: name, type and pin combinations, and for
    // a connection every condition with its pin combinations.
    static lxlib::LxLibPassiveComponent* copyPassiveComponent(const lxlib::LxLibPassiveComponent& component);

    // The part as the passive editor keeps it once it has shown and stored it:
    // connectors and board contacts without pin combinations, two-terminal parts
    // and connections without combinations that lack a pin. Null for a type the
    // editor has no item for.
    static lxlib::LxLibPassiveComponent* editorForm(const lxlib::LxLibPassiveComponent& component);

    // Builds the component named deviceId from copies of parts, in order, into
    // document (aliases and headers already in place) and lets the library check
    // it. An empty part list fails with an empty error; a failed check with the
    // check's text or the general write failure. On success the document holds
    // format 1.1 and the check count.
    static bool buildAndCheck(lxlib::LxLibInfo& document, const QList<const lxlib::LxLibPassiveComponent*>& parts,
                              const QString& deviceId, QString& error);

    // What loading a passive model into the editor loses, one text per kind of
    // loss, each with the first record it is about; empty when nothing is lost.
    struct Loss
    {
        QString text;
        const lxlib::LxLibObject* at;
    };
    static QList<Loss> lossesOnLoad(const lxlib::LxLibComponent& component);
};

#endif
