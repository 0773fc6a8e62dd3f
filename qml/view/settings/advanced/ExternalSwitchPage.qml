import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The external switch: the bath time it starts (opens the duration editor) and its function.
// The check mark follows the function the sauna system reports. Without a sauna neither is shown.
Item {
    id: page
    objectName: "externalSwitchPage"

    property Item senders

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.advanced.externalSwitchVisibleChanged(shownInStack)

    Connections {
        target: configure_advanced_settings_ext_switch_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_externalSwitchBathtime && page.StackView.view)
                page.StackView.view.push(bathTimeEditor)
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("External switch")
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width

        ColumnLayout {
            width: parent.width
            spacing: Theme.spacing

            GenericListView {
                objectName: "externalSwitchBathTimeList"
                Layout.fillWidth: true
                Layout.preferredHeight: Math.max(contentHeight, Theme.rowHeight)
                interactive: false
                model: configure_advance_settings_external_switch_bathtime_model
                onRowSelected: page.senders.advanced.extSwBathTimeSelected()
            }
            Text {
                Layout.leftMargin: Theme.margin
                Layout.topMargin: Theme.spacing
                text: qsTr("Function")
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
            GenericListView {
                objectName: "externalSwitchFunctionList"
                Layout.fillWidth: true
                Layout.preferredHeight: Math.max(contentHeight, Theme.rowHeight)
                interactive: false
                model: configure_advanced_settings_ext_sw_function_model
                onRowSelected: (applId) => page.senders.advanced.extSwFunctionSelected(applId)
            }
        }
    }

    Component {
        id: bathTimeEditor
        DurationEditorPage {
            objectName: "externalSwitchBathTimeEditorPage"
            title: qsTr("Bath time")
            manager: external_switch_bathtime_time_manager
            components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
            stepTarget: page.senders.externalSwitchBathtime
            onSaveRequested: page.senders.advanced.commitValue(
                ConfigureTypes.E_externalSwitchBathtime)
        }
    }
}
