#include "view_cpp/list_model.h"

#include "view_cpp/list_item.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/view_logging.h"

#include <algorithm>

namespace view {

ListModel::ListModel(const QHash<int, QByteArray> &roleNames, QObject *parent)
    : QAbstractListModel(parent)
    , m_roleNames(roleNames)
{}

ListModel::~ListModel()
{
    clear();
}

int ListModel::rowCount(const QModelIndex &) const
{
    return static_cast<int>(m_items.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (!isRow(index.row()))
        return {};
    return m_items.at(index.row())->data(role);
}

bool ListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isRow(index.row()))
        return false;
    return m_items.at(index.row())->setData(value, role);
}

bool ListModel::removeRows(int row, int count, const QModelIndex &)
{
    // Worked out without a sum, which would wrap past an int's end and let the range through.
    if (count < 1 || row < 0 || row > rowCount() || count > rowCount() - row)
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i)
        delete m_items.takeAt(row);
    endRemoveRows();
    return true;
}

void ListModel::appendItem(ListItem *item)
{
    if (item == nullptr) {
        qCWarning(viewLog) << "list model" << objectName() << "refused a null item";
        return;
    }
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    connectItem(item);
    m_items.append(item);
    item->setParent(this);
    endInsertRows();
}

void ListModel::insertItem(int row, ListItem *item)
{
    if (item == nullptr) {
        qCWarning(viewLog) << "list model" << objectName() << "refused a null item";
        return;
    }
    if (row < 0 || row > rowCount()) {
        qCWarning(viewLog) << "list model" << objectName() << "refused an item at row" << row
                           << "of" << rowCount() << "rows";
        return;
    }
    beginInsertRows(QModelIndex(), row, row);
    connectItem(item);
    m_items.insert(row, item);
    endInsertRows();
}

ListItem *ListModel::itemAt(int row) const
{
    return isRow(row) ? m_items.at(row) : nullptr;
}

bool ListModel::removeItem(int row)
{
    if (!isRow(row))
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    delete m_items.takeAt(row);
    endRemoveRows();
    return true;
}

ListItem *ListModel::takeItem(int row)
{
    if (!isRow(row))
        return nullptr;
    beginRemoveRows(QModelIndex(), row, row);
    ListItem *item = m_items.takeAt(row);
    disconnect(item, nullptr, this, nullptr);
    if (item->parent() == this)
        item->setParent(nullptr);
    endRemoveRows();
    return item;
}

void ListModel::clear()
{
    if (m_items.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
    qDeleteAll(m_items);
    m_items.clear();
    endRemoveRows();
}

QModelIndex ListModel::indexOfRow(int row) const
{
    return index(row, 0, QModelIndex());
}

void ListModel::updateLayoutOrder()
{
    const int count = rowCount();
    for (int row = 0; row < count; ++row) {
        // Rows of both families; rows of other kinds count but keep what they are.
        const int position = layoutPosition(row, count);
        ListItem *item = itemAt(row);
        if (auto *rowItem = qobject_cast<RowItem *>(item))
            rowItem->setData(layoutOrderText(position), RowItem::LayoutOrderRole);
        else if (auto *baseItem = qobject_cast<RowItemBase *>(item))
            baseItem->setLayoutOrder(position);
    }
}

int ListModel::getNumberOfRows() const
{
    return rowCount();
}

int ListModel::getApplId(int row) const
{
    return isRow(row) ? m_items.at(row)->applId() : -1;
}

void ListModel::connectItem(ListItem *item)
{
    connect(item, &ListItem::dataChanged, this, &ListModel::handleItemChange);
}

void ListModel::handleItemChange()
{
    const auto changed = std::find(m_items.cbegin(), m_items.cend(), sender());
    if (changed == m_items.cend())
        return;
    const QModelIndex row = index(static_cast<int>(changed - m_items.cbegin()), 0, QModelIndex());
    emit dataChanged(row, row);
}

} // namespace view
