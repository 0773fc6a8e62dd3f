import QtQuick
import ".."

// Whether the panel smooths the measured temperature and humidity it shows. The switches follow
// the panel's own settings.
SettingsListPage {
    id: page
    objectName: "filterPage"

    property Item senders

    title: qsTr("Filter")
    listModel: configure_system_filter_model
    onToggleTapped: (applId, shownState) => page.senders.systems.filterChanged(applId, shownState)
    onShownChanged: (shown) => page.senders.systems.filtersViewVisibleChanged(shown)
}
