import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "../components"
import "../components/Theme.js" as Theme

// One favorite's settings. The steppers step the favorite's own value managers; the buttons and
// switches report to the favorites selector, which the favorite controller listens to.
Rectangle {
    id: page

    // The favorites selector item that carries the signals.
    property Item selector
    // The favorite as the favorite controller edits it.
    readonly property string favoriteName: favorites_controller.name
    readonly property bool lightsOn: favorites_controller.lights
    property bool bathTimeEditing: false

    // While the bath-time editor is open, the bath time it shows is the favorite's for every
    // button that acts on the favorite: it is set first, as "Set bath time" would set it, so that
    // Save and Start take it and Back asks about it like any other change not saved.
    function setShownBathTime() {
        if (page.bathTimeEditing)
            page.selector.bathTimeCommit()
    }

    color: Theme.background
    // Shown while the favorite controller edits a favorite; it ends the edit on save, delete,
    // start and cancel.
    visible: favorites_controller.editing

    MouseArea { anchors.fill: parent }

    PageHeader {
        id: header
        width: parent.width
        title: page.favoriteName.length > 0 ? page.favoriteName : qsTr("Favorite")
        onBackRequested: {
            page.setShownBathTime()
            page.selector.favoriteEditCancelRequested()
        }
    }

    PageFlickable {
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        contentHeight: column.implicitHeight + 2 * Theme.margin
        bottomBar: buttonsBackground

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: parent.width - 2 * Theme.margin
            spacing: Theme.spacing

            PanelButton {
                objectName: "favoriteNameButton"
                Layout.fillWidth: true
                text: qsTr("Rename")
                onClicked: page.selector.favoriteNameEditActivated()
            }
            TemperatureStepper {
                Layout.fillWidth: true
                label: qsTr("Temperature")
                manager: favorites_temperature_manager
                onStepRequested: (direction) => favorites_temperature_manager.onChangeTemperatureValueRequested(direction)
            }
            HumidityStepper {
                Layout.fillWidth: true
                // As on the main screen: only a sauna that controls humidity is offered one.
                visible: humidity_controller.humiditySupported
                label: qsTr("Humidity")
                manager: favorites_humidity_manager
                onStepRequested: (direction) => favorites_humidity_manager.onChangeHumidityValueRequested(direction)
            }
            PanelButton {
                objectName: "favoriteEditBathTimeButton"
                Layout.fillWidth: true
                visible: !page.bathTimeEditing
                text: qsTr("Edit bath time")
                onClicked: {
                    page.bathTimeEditing = true
                    page.selector.editBathTimeRequested()
                }
            }
            DurationStepper {
                objectName: favoritesTabObjectIdProvider.favoriteBathTimeControlName()
                Layout.fillWidth: true
                visible: page.bathTimeEditing
                label: qsTr("Bath time")
                manager: favorites_bath_time_manager
                components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
            }
            PanelButton {
                Layout.fillWidth: true
                visible: page.bathTimeEditing
                text: qsTr("Set bath time")
                highlighted: true
                onClicked: {
                    page.bathTimeEditing = false
                    page.selector.bathTimeCommit()
                }
            }
            SwitchRow {
                Layout.fillWidth: true
                text: qsTr("Lights")
                checked: page.lightsOn
                onTapped: (shownState) => page.selector.lightingStateChange(shownState)
            }
            GenericListView {
                objectName: "favoriteAuxRelays"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                visible: count > 0
                interactive: false
                model: favorite_auxiliary_relays_model
                onToggleTapped: (applId, shownState) => page.selector.auxRelayActivatedChanged(applId, shownState)
            }
        }
    }

    // The foot of the page behind the buttons, laid over the rows: they scroll up from under it.
    Rectangle {
        id: buttonsBackground
        objectName: "favoriteButtonBar"
        anchors.bottom: parent.bottom
        width: parent.width
        height: buttons.height + 2 * Theme.margin
        color: Theme.background

        // A tap between the buttons reaches no row below.
        MouseArea { anchors.fill: parent }
    }

    RowLayout {
        id: buttons
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        PanelButton {
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Delete")
            textColor: Theme.danger
            onClicked: page.selector.deleteFavoriteRequested()
        }
        PanelButton {
            objectName: "favoriteSaveButton"
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Save")
            onClicked: {
                page.setShownBathTime()
                page.selector.favoriteEditSaveActivated()
            }
        }
        PanelButton {
            objectName: "favoriteStartButton"
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Start")
            highlighted: true
            onClicked: {
                page.setShownBathTime()
                page.selector.startFavoriteRequested()
            }
        }
    }
}
