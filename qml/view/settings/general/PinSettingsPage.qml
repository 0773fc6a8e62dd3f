import QtQuick
import QtQuick.Controls
import ".."

// The PIN screen: the lock switch, "Change PIN" and the controls kept on the lock screen. The
// program builds the rows each time the page is shown; every tap goes to the sender item
// "configureGeneralSelector" and the rows follow the program's answer.
SettingsListPage {
    id: page
    objectName: "pinSettingsPage"

    property Item senders

    title: qsTr("PIN")
    listModel: configure_general_pin_model
    buttonNames: ({ 1: "pinChangeButton" })

    onShownChanged: (shown) => page.senders.general.pinViewVisibleChanged(shown)
    onToggleTapped: (applId, shownState) => page.senders.general.pinToggleChanged(applId,
                                                                                  shownState)
    onButtonPressed: (applId) => page.senders.general.pinButtonPressed(applId)
    onRowSelected: (applId) => page.senders.general.lockscreenControlSelected(applId)

    Connections {
        target: configure_general_pin_view_controller
        enabled: page.StackView.status === StackView.Active
        function onPinChangeButtonPressed() {
            page.StackView.view.push(pinChangePage, { pinChangeSender: page.senders.pinChange })
        }
    }

    Component {
        id: pinChangePage
        PinChangePage {
            onFinished: StackView.view.pop()
        }
    }
}
