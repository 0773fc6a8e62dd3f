#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QHash>
#include <QList>

namespace view {

class ListItem;

// The flat list behind every QML menu and list: one owned ListItem per row, asked by role id.
class ListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // roleNames: the role table of the item kind or kinds the model holds.
    ListModel(const QHash<int, QByteArray> &roleNames, QObject *parent);
    ~ListModel() override;

    // Counts every row whatever the parent: QML only ever asks under the root.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Forwards to the row's item; the item's own dataChanged() announces the change.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    // The table given at construction, unchanged.
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

    // Adds the item as the last row and takes ownership. A null item is refused and logged.
    void appendItem(ListItem *item);
    // Adds the item at row (0 <= row <= count) and takes ownership; its QObject parent is left
    // as it is. A null item or a row out of range is refused and logged; the caller keeps it.
    void insertItem(int row, ListItem *item);
    ListItem *itemAt(int row) const;
    // Removes the row and deletes its item; false when the row does not exist.
    bool removeItem(int row);
    // Removes the row and hands its item back unparented and disconnected, so the caller really
    // owns it; null when the row does not exist.
    ListItem *takeItem(int row);
    void clear();
    QModelIndex indexOfRow(int row) const;
    // Sets the layout position of every menu row, of either family, from its row number.
    void updateLayoutOrder();

    Q_INVOKABLE int getNumberOfRows() const;
    // The row's application id, or -1 when the row does not exist.
    Q_INVOKABLE int getApplId(int row) const;

private slots:
    // Announces the row of the item that sent dataChanged(), all of its roles together; a sender
    // that is no row of this model is ignored.
    void handleItemChange();

private:
    bool isRow(int row) const { return row >= 0 && row < m_items.size(); }
    void connectItem(ListItem *item);

    const QHash<int, QByteArray> m_roleNames;
    QList<ListItem *> m_items;
};

} // namespace view
