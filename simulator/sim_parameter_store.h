#pragma once

#include "sim_parameter_block.h"

#include <QString>
#include <QStringList>

// The values one section of a camera holds, in the order the camera reports them: the keys it
// starts with first, keys first set later behind them.
class SimParameterStore
{
public:
    SimParameterStore() = default;
    explicit SimParameterStore(const SimItems &initial);

    bool contains(const QString &key) const { return indexOf(key) >= 0; }
    // A null string when the key is absent.
    QString value(const QString &key) const;
    // Replaces the value in place, or appends the key.
    void setValue(const QString &key, const QString &value);
    void remove(const QString &key);
    QStringList keys() const;
    const SimItems &items() const { return m_items; }
    int size() const { return m_items.size(); }
    bool operator==(const SimParameterStore &other) const { return m_items == other.m_items; }

private:
    int indexOf(const QString &key) const;

    SimItems m_items;
};
