#ifndef CPINLIST_H
#define CPINLIST_H

#include "CPinListPin.h"
#include "CSourcePosition.h"

#include <QString>

class CPinList : public CSourcePosition
{
public:
    explicit CPinList(const QString& name = QString()) : m_name(name) {}

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    // Kept for the file's sake; nothing in the wizard fills it.
    QString description() const { return m_description; }
    void setDescription(const QString& text) { m_description = text; }

    const CPinListPinList& pins() const { return m_pins; }
    CPinListPinList& pins() { return m_pins; }
    void addPin(const QString& pinName, int signalType, int bit);

    // Bits must run from 0 without a gap (a bit may repeat). On failure names
    // the first pin beyond the gap, and hands it out through at.
    bool checkBitSequence(QString& error, const CPinListPin** at = nullptr) const;

private:
    QString m_name;
    QString m_description;
    CPinListPinList m_pins;
};

using CPinListList = CList<CPinList>;

#endif
