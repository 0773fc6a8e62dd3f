#pragma once

#include "view_cpp/row_item2.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace view {

class ListModel;

// The rows of a settings menu: one RowItem2 per entry, in table order. The owner decides which
// entries the menu has and keeps the texts (tr() in its own context) and actions.
class ConfigureMenuList
{
public:
    struct Entry
    {
        int id = 0;
        std::function<QString()> text;
        std::function<void()> action;
        QPointer<RowItem2> row = {};
    };
    // Whether an id from QML is a value of the menu's enum.
    using IdCheck = std::function<bool(int id)>;

    ConfigureMenuList(ListModel &model, IdCheck idCheck);

    // Clears the model and builds one row per entry, in order, then sets the layout positions.
    void rebuild(std::vector<Entry> entries);
    // Runs the action of the first entry with the id; false for an invalid id or one the menu
    // does not have.
    bool select(int id) const;
    // Sets each existing row's text anew; a text that did not change announces nothing.
    void retranslate();

    const std::vector<Entry> &entries() const { return m_entries; }

private:
    ListModel &m_model;
    IdCheck m_idCheck;
    std::vector<Entry> m_entries;
};

} // namespace view
