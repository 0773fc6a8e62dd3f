import QtQuick
import ".."

// The temperature unit screen. A tap asks for the unit; the check mark, and every temperature
// the panel shows, follow the unit once the program has switched to it.
SettingsListPage {
    id: page
    objectName: "generalUnitsPage"

    property Item senders

    title: qsTr("Units")
    listModel: configure_general_units_model
    onRowSelected: (applId) => page.senders.general.unitSelected(applId)
    onShownChanged: (shown) => page.senders.general.unitsViewVisibleChanged(shown)
}
