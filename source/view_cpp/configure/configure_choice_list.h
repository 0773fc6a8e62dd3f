#pragma once

#include "view_cpp/row_item.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace view {

class ListModel;

// A list of check-mark rows, one per choice in a fixed order; the mark sits on the value last
// reported, never on the one merely chosen. The owner keeps the texts (tr() in its own context).
class ConfigureChoiceList
{
public:
    struct Choice
    {
        int value = 0;
        std::function<QString()> text;
        QPointer<RowItem> row = {};
    };

    ConfigureChoiceList(ListModel &model, std::vector<Choice> choices);

    // Clears the model, builds one row per choice (application id = the choice's value), marks
    // the checked one and sets the layout positions.
    void build(std::optional<int> checked);
    // Clears the model; the rows are deleted.
    void clear();
    // Sets the texts and the check marks of the rows that exist; only changes are announced.
    void refresh(std::optional<int> checked);
    // Whether the value is one of the offered choices.
    bool contains(int value) const;
    bool isBuilt() const;

private:
    ListModel &m_model;
    std::vector<Choice> m_choices;
};

} // namespace view
