import QtQuick
import QtQuick.Controls
import "../../components"
import ".."

// The libraries of this PC that the program loads. The program reads a chosen library's texts
// and answers; the licence page opens its page.
Item {
    id: page
    objectName: "linuxComponentsPage"

    property Item senders

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.general.linuxComponentsViewVisibleChanged(shownInStack)

    SettingsListPage {
        anchors.fill: parent
        title: qsTr("Libraries of this PC")
        listModel: configure_general_about_linux_components_model
        onRowSelected: (applId) => page.senders.general.linuxComponentSelected(applId)
        onBackRequested: page.StackView.view.pop()
    }
}
