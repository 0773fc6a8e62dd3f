#include "view_cpp/row_item_tables.h"

#include "view_cpp/row_item.h"

#include <QByteArray>

#include <array>

namespace view {
namespace {

constexpr std::array<const char *, rowLayout::single + 1> layoutOrderTexts = {"top", "centre",
                                                                              "bottom", "single"};
constexpr std::array<const char *, rowType::rawRow + 1> typeOfItemTexts = {
    "only_submenu", "selectableSubmenu", "only_checkmark", "mix_checkmark_submenu", "raw_row"};
constexpr std::array<const char *, 1> iconTypeTexts = {"plus"};

// A number without a text shows as an empty text.
template<std::size_t N>
QString textOf(const std::array<const char *, N> &table, int number)
{
    if (number < 0 || static_cast<std::size_t>(number) >= N)
        return {};
    return QString::fromLatin1(table[static_cast<std::size_t>(number)]);
}

// The first number whose text matches byte for byte; a text without a match counts as 0.
template<std::size_t N>
int numberOf(const std::array<const char *, N> &table, const QVariant &text)
{
    const QByteArray bytes = text.toString().toLatin1();
    for (std::size_t number = 0; number < N; ++number) {
        if (bytes == table[number])
            return static_cast<int>(number);
    }
    return 0;
}

} // namespace

QString layoutOrderText(int layoutOrder)
{
    return textOf(layoutOrderTexts, layoutOrder);
}

int layoutOrderFromText(const QVariant &text)
{
    return numberOf(layoutOrderTexts, text);
}

QString typeOfItemText(int typeOfItem)
{
    return textOf(typeOfItemTexts, typeOfItem);
}

int typeOfItemFromText(const QVariant &text)
{
    return numberOf(typeOfItemTexts, text);
}

QString iconTypeText(int iconType)
{
    return textOf(iconTypeTexts, iconType);
}

int iconTypeFromText(const QVariant &text)
{
    return numberOf(iconTypeTexts, text);
}

int layoutPosition(int row, int count)
{
    if (count == 1)
        return rowLayout::single;
    if (row == 0)
        return rowLayout::top;
    if (row >= count - 1)
        return rowLayout::bottom;
    return rowLayout::centre;
}

void updateLayoutOrder(const std::vector<ListItem *> &rows)
{
    const int count = static_cast<int>(rows.size());
    for (int row = 0; row < count; ++row) {
        if (auto *menuRow = qobject_cast<RowItem *>(rows[static_cast<std::size_t>(row)]))
            menuRow->setData(layoutOrderText(layoutPosition(row, count)), RowItem::LayoutOrderRole);
    }
}

} // namespace view
