#pragma once

#include <QLatin1String>
#include <QString>
#include <QVariant>

#include <vector>

// The text tables of menu rows, shared by both row-item families, and the layout-position rule.
namespace view {

class ListItem;

// layoutOrder: 0 "top", 1 "centre", 2 "bottom", 3 "single".
QString layoutOrderText(int layoutOrder);
int layoutOrderFromText(const QVariant &text);
// typeOfItem: 0 "only_submenu", 1 "selectableSubmenu", 2 "only_checkmark",
// 3 "mix_checkmark_submenu", 4 "raw_row".
QString typeOfItemText(int typeOfItem);
int typeOfItemFromText(const QVariant &text);
// iconType: 0 "plus".

// The numbers of the two tables above, by name, for the managers that build rows. The tables'
// texts stand in the order of these names.
namespace rowLayout {
enum : int { top, centre, bottom, single };
} // namespace rowLayout
namespace rowType {
enum : int { onlySubmenu, selectableSubmenu, onlyCheckmark, mixCheckmarkSubmenu, rawRow };
} // namespace rowType
// The layoutType texts: rows drawn as one group of several, or as a group of their own.
namespace rowLayoutType {
constexpr QLatin1String multiple("multiple");
constexpr QLatin1String single("single");
} // namespace rowLayoutType
QString iconTypeText(int iconType);
int iconTypeFromText(const QVariant &text);

// The layout position of row `row` in a list of `count` rows: a lone row is "single", the first
// "top", the last "bottom", the others "centre".
int layoutPosition(int row, int count);

// Applies the layout-position rule to the RowItem entries of rows that the caller keeps, before
// or without a model. Every entry counts as a row whatever its kind; entries of other kinds,
// the second row family's included, are left alone. A model places the rows of both families
// itself (ListModel::updateLayoutOrder).
void updateLayoutOrder(const std::vector<ListItem *> &rows);

} // namespace view
