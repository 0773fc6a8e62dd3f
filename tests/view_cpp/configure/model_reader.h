#pragma once

#include "view_cpp/list_model.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

// Reads the rows of a list model by role name, the way QML sees them.
namespace modelReader {

inline QVariant value(const view::ListModel &model, int row, const QByteArray &roleName)
{
    const int role = model.roleNames().key(roleName, -1);
    return role < 0 ? QVariant() : model.data(model.index(row), role);
}

inline QVariantList column(const view::ListModel &model, const QByteArray &roleName)
{
    QVariantList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(value(model, row, roleName));
    return values;
}

inline QStringList texts(const view::ListModel &model, const QByteArray &roleName)
{
    QStringList values;
    for (const QVariant &item : column(model, roleName))
        values.append(item.toString());
    return values;
}

inline QList<int> applIds(const view::ListModel &model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids.append(model.getApplId(row));
    return ids;
}

} // namespace modelReader
