import QtQml

// The texts of a program-built menu's rows, by application id, as the menu shows them now: a page
// opened from an entry carries the entry's text as its title, whatever the program named the
// entry for this sauna (a steam product's "Overheating" for its water limit). One object per row
// follows the model, so a title bound to textOf() follows a rebuilt menu or another language.
Instantiator {
    id: entries

    // The text of the row with this application id, or "" while the menu has none.
    function textOf(applId) {
        for (let i = 0; i < entries.count; ++i) {
            const entry = entries.objectAt(i)
            if (entry && entry.applId === applId)
                return entry.text
        }
        return ""
    }

    delegate: QtObject {
        required property int index
        required property var model
        readonly property int applId: {
            void model.componentType
            return entries.model.getApplId(index)
        }
        readonly property string text: model.textOnSubMenu !== undefined
                                        && model.textOnSubMenu !== null
                                        ? String(model.textOnSubMenu) : ""
    }
}
