import QtQuick
import QtQuick.Controls
import ".."

// The installer's status list: run time, clean-ups, room readings, the water tanks, the door
// contact, the smart-start heat ratio and the relays in use. Read only; its lines follow the
// sauna system's reports while the page is shown.
SettingsListPage {
    id: page
    objectName: "statusPage"

    property Item senders

    title: qsTr("Status")
    listModel: configure_system_status_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.systems.statusViewVisibleChanged(shown)
}
