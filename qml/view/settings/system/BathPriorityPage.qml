import QtQuick
import ".."

// Whether the sauna gives priority to temperature, to humidity, or decides itself. A tap asks the
// sauna; the check mark follows the priority it reports.
SettingsListPage {
    id: page
    objectName: "bathPriorityPage"

    property Item senders

    title: qsTr("Bath type priority")
    listModel: configure_system_bath_type_priority_model
    saunaValues: true
    onRowSelected: (applId) => page.senders.systems.bathTypePrioritySelected(applId)
    onShownChanged: (shown) => page.senders.systems.bathPriorityViewVisibleChanged(shown)
}
