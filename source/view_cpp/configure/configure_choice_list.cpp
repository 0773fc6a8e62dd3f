#include "view_cpp/configure/configure_choice_list.h"

#include "view_cpp/list_model.h"
#include "view_cpp/row_item_tables.h"

#include <algorithm>
#include <utility>

namespace view {

ConfigureChoiceList::ConfigureChoiceList(ListModel &model, std::vector<Choice> choices)
    : m_model(model)
    , m_choices(std::move(choices))
{}

void ConfigureChoiceList::build(std::optional<int> checked)
{
    m_model.clear();
    for (Choice &choice : m_choices) {
        auto *row = new RowItem(rowType::onlyCheckmark, rowLayout::top, rowLayoutType::multiple);
        row->setApplId(choice.value);
        choice.row = row;
        m_model.appendItem(row);
    }
    refresh(checked);
    m_model.updateLayoutOrder();
}

void ConfigureChoiceList::clear()
{
    m_model.clear();
}

void ConfigureChoiceList::refresh(std::optional<int> checked)
{
    for (Choice &choice : m_choices) {
        if (choice.text)
            RowItem::setTextOnSubMenuOf(choice.row.data(), choice.text());
        RowItem::setCheckmarkCheckedOf(choice.row.data(), checked && *checked == choice.value);
    }
}

bool ConfigureChoiceList::contains(int value) const
{
    return std::any_of(m_choices.begin(), m_choices.end(),
                       [value](const Choice &choice) { return choice.value == value; });
}

bool ConfigureChoiceList::isBuilt() const
{
    return std::any_of(m_choices.begin(), m_choices.end(),
                       [](const Choice &choice) { return !choice.row.isNull(); });
}

} // namespace view
