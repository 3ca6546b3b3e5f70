#ifndef REPORTFIXTURE_H
#define REPORTFIXTURE_H

#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"

#include <QTest>

#include <memory>

// An example of the library, read and converted as the wizard does.
struct ExampleModel
{
    explicit ExampleModel(const QString& name)
        : document(std::make_unique<lxlib::LxLibInfo>(QStringLiteral(PW_EXAMPLES_DIR "/") + name))
    {
        QString error;
        read = document->read(false, false) && PWModelConverter::convert(*document, model, error);
    }
    std::unique_ptr<lxlib::LxLibInfo> document;
    PWDeviceModel model;
    bool read = false;
};

// Fails the test unless every needle appears in text, each after the one before.
inline bool inOrder(const QString& text, const QStringList& needles)
{
    qsizetype from = 0;
    for (const QString& needle : needles) {
        const qsizetype at = text.indexOf(needle, from);
        if (at < 0) {
            qWarning("missing or out of order: %s", qPrintable(needle));
            return false;
        }
        from = at + 1;
    }
    return true;
}

#endif
