import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import ".."

// The General settings menu. The program builds its rows; a tap goes to the sender item
// "configureGeneralSelector" and the program answers with the ConfigureGeneral id of the page to
// open (editSelected). generalPages maps each such id to the page's Component; a row whose id has
// no page here is not shown, so that no row is offered that leads nowhere.
Item {
    id: page
    objectName: "generalMenuPage"

    property Item senders
    signal backRequested()

    // ConfigureGeneral id -> page Component. Every page declares "property Item senders" and gets
    // the scene's sender items as it is pushed. A screen joins by adding its Component below and
    // one entry here, beside the menu row the program builds for it.
    readonly property var generalPages: ({
        [ConfigureTypes.E_pin]: pinSettingsPage,
        [ConfigureTypes.E_language]: languagePage,
        [ConfigureTypes.E_region]: regionPage,
        [ConfigureTypes.E_units]: unitsPage,
        [ConfigureTypes.E_about]: aboutPage,
        [ConfigureTypes.E_licenseInfo]: licencePage,
        [ConfigureTypes.E_identifyRcb]: identifyBoardsPage
    })

    function openPage(id) {
        const component = generalPages[id]
        if (component)
            stack.push(component, { senders: page.senders })
    }

    Connections {
        target: configure_general_view_controller
        function onEditSelected(id) { page.openPage(id) }
    }

    // The About page answers its own rows with the ids of the licence and board pages; they open
    // here too, from the same map.
    Connections {
        target: typeof configure_general_about_view_controller !== "undefined"
                ? configure_general_about_view_controller : null
        ignoreUnknownSignals: true
        function onEditSelected(id) { page.openPage(id) }
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: SettingsListPage {
            title: qsTr("General")
            listModel: configure_general_selector_model
            onRowSelected: (applId) => page.senders.general.itemSelected(applId)
            onBackRequested: page.backRequested()
        }
    }

    Component {
        id: pinSettingsPage
        PinSettingsPage {}
    }

    Component {
        id: languagePage
        LanguagePage {}
    }

    Component {
        id: regionPage
        RegionPage {}
    }

    Component {
        id: unitsPage
        UnitsPage {}
    }

    Component {
        id: aboutPage
        AboutPage {}
    }

    Component {
        id: licencePage
        LicencePage {}
    }

    Component {
        id: identifyBoardsPage
        IdentifyBoardsPage {}
    }
}
