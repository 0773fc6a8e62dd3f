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

    StackView.onActivated: page.senders.general.linuxComponentsViewVisibleChanged(true)
    StackView.onDeactivating: page.senders.general.linuxComponentsViewVisibleChanged(false)

    SettingsListPage {
        anchors.fill: parent
        title: qsTr("Libraries of this PC")
        listModel: configure_general_about_linux_components_model
        onRowSelected: (applId) => page.senders.general.linuxComponentSelected(applId)
        onBackRequested: page.StackView.view.pop()
    }
}
