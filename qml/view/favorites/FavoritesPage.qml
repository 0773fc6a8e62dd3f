import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme
import "../main" as Main

// The favorites tab: the stored favorites, and the editor of one of them. This item is the
// favorites selector the favorite controllers listen to. While no sauna is connected it shows
// none of a former sauna's favorites, only the line that says so, and its buttons are disabled.
Item {
    id: page

    readonly property bool connected: wifi_symbol_controller.connected

    signal favoriteEditActivated(int favorite)
    signal favoriteEditSaveActivated()
    signal deleteFavoriteRequested()
    signal startFavoriteRequested()
    signal lightingStateChange(bool shownState)
    signal favoriteNameEditActivated()
    signal auxRelayActivatedChanged(int relay, bool shownState)
    signal favoriteEditCancelRequested()
    signal editBathTimeRequested()
    signal bathTimeCommit()
    signal saveFavoriteRequested()

    // A name typed on the keyboard goes to the controller of the screen that asked for it: the
    // editor's rename, or the list's "save current settings as favorite".
    function enterName(name) {
        if (favorites_controller.editing)
            favorites_controller.onFavoriteNameEntered(name)
        else
            favorite_overview_controller.onFavoriteNameEntered(name)
    }
    // A cancelled keyboard leaves a renamed favorite as it was; a save of the current settings
    // that waited for a name ends.
    function cancelName() {
        favorite_overview_controller.onFavoriteNameEditCancelled()
    }

    objectName: favoritesTabObjectIdProvider.favoritesSelectorName()

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Favorites")
        backVisible: false
    }

    Main.NotConnectedNotice {
        objectName: "favoritesNotConnectedNotice"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Theme.margin
        visible: !page.connected
    }

    GenericListView {
        id: list
        objectName: "favoritesList"
        visible: page.connected
        anchors.top: header.bottom
        anchors.bottom: saveButton.top
        anchors.bottomMargin: Theme.spacing
        width: parent.width
        model: favorites_model
        onRowSelected: (applId) => {
            editor.bathTimeEditing = false
            page.favoriteEditActivated(applId)
        }
    }

    PanelButton {
        id: saveButton
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Theme.margin
        objectName: "saveCurrentAsFavoriteButton"
        // Until the sauna has told its settings there is nothing of its own to save.
        enabled: page.connected && favorite_overview_controller.currentSettingsKnown
        text: qsTr("Save current settings as favorite")
        highlighted: true
        onClicked: page.saveFavoriteRequested()
    }

    FavoriteEditPage {
        id: editor
        anchors.fill: parent
        selector: page
        // The favorite being edited is the former sauna's: it waits for the connection.
        visible: favorites_controller.editing && page.connected
    }
}
