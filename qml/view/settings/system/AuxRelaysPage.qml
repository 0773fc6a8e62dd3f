import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."

// The auxiliary relay options: the relays the sauna system has, each as "Aux n" and its name. A
// tap opens the relay's page; its function choices open the fragrance or descaling settings.
SettingsListPage {
    id: page
    objectName: "auxRelaysPage"

    property Item senders
    // "Aux n" of the relay chosen last, for the title of its page.
    property string relayTitle

    title: qsTr("Options")
    listModel: configure_system_aux_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.systems.optionsViewVisibleChanged(shown)
    onRowSelected: (applId) => page.senders.auxRelays.auxSelected(applId)

    function push(component) {
        if (page.StackView.view)
            page.StackView.view.push(component, { senders: page.senders })
    }

    Connections {
        target: configure_system_aux_view_controller
        function onTopBarTextChanged(text) { page.relayTitle = text }
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_optionsAuxSingleOverview:
                page.push(relayPage)
                break
            case ConfigureTypes.E_optionsAuxSingleFragrance:
                page.push(fragrancePage)
                break
            case ConfigureTypes.E_optionsAuxDescalingSettings:
                page.push(descalingPage)
                break
            }
        }
    }

    Component {
        id: relayPage
        AuxRelayPage { title: page.relayTitle }
    }

    Component {
        id: fragrancePage
        AuxFragrancePage { title: page.relayTitle + " – " + qsTr("Fragrance") }
    }

    Component {
        id: descalingPage
        AuxDescalingPage { title: page.relayTitle + " – " + qsTr("Descaling") }
    }
}
