import QtQuick
import ".."

// The switch of the sauna's infrared heaters; it follows what the sauna reports.
SettingsListPage {
    id: page
    objectName: "irPage"

    property Item senders

    title: qsTr("IR")
    listModel: configure_system_ir_view_controller
    saunaValues: true
    onToggleTapped: (applId, shownState) => page.senders.systems.irToggleChanged(applId, shownState)
    onShownChanged: (shown) => page.senders.systems.irVisibleChanged(shown)
}
