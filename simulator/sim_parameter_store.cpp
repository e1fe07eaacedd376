#include "sim_parameter_store.h"

SimParameterStore::SimParameterStore(const SimItems &initial)
{
    for (const auto &item : initial)
        setValue(item.first, item.second);
}

int SimParameterStore::indexOf(const QString &key) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).first == key)
            return i;
    }
    return -1;
}

QString SimParameterStore::value(const QString &key) const
{
    const int i = indexOf(key);
    return i < 0 ? QString() : m_items.at(i).second;
}

void SimParameterStore::setValue(const QString &key, const QString &value)
{
    const int i = indexOf(key);
    if (i < 0)
        m_items.append({key, value});
    else
        m_items[i].second = value;
}

void SimParameterStore::remove(const QString &key)
{
    const int i = indexOf(key);
    if (i >= 0)
        m_items.remove(i);
}

QStringList SimParameterStore::keys() const
{
    QStringList result;
    for (const auto &item : m_items)
        result << item.first;
    return result;
}
