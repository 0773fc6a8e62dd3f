import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The language screen. A tap only moves the check mark; Save switches the whole panel to the
// marked language at once. The program builds the list and rebuilds it in the new language.
Item {
    id: page
    objectName: "generalLanguagePage"

    property Item senders

    SettingsListPage {
        id: list
        anchors.top: parent.top
        anchors.bottom: footer.top
        width: parent.width
        title: qsTr("Language")
        listModel: configure_general_language_model
        onRowSelected: (applId) => page.senders.general.languageSelected(applId)
        onShownChanged: (shown) => page.senders.general.langaugeViewVisibleChanged(shown)
        onBackRequested: page.StackView.view.pop()
    }

    // The page is what the stack holds, so it passes the stack's attached signals on.
    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: list.shownChanged(shownInStack)

    RowLayout {
        id: footer
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.margin
        anchors.horizontalCenter: parent.horizontalCenter
        PanelButton {
            objectName: "languageSaveButton"
            text: qsTr("Save")
            highlighted: true
            onClicked: page.senders.general.languageSaveSelected()
        }
    }
}
