import QtQuick
import "components/GlobalSettings.js" as GlobalSettings
import "settings"

// The settings of the whole scene and the frame of the settings tab.
// The program creates one instance of its own and writes the system type, brand and size into
// it; that instance registers itself as the engine's global settings. The instance in the main
// scene shows the settings tab and carries the senders of the settings screens.
Item {
    id: settingsBase

    property bool shouldInitializeGlobalSettingWithItself: false
    property string systemType
    property string systemBrand
    property int appWidth: 340
    property int appHeight: 600
    // Set by the scene that shows the settings; the program's own instance never builds pages.
    property bool frameActive: false
    readonly property alias senders: settingsSenders

    onShouldInitializeGlobalSettingWithItselfChanged: {
        if (shouldInitializeGlobalSettingWithItself)
            GlobalSettings.instance = settingsBase
    }
    Component.onDestruction: {
        if (GlobalSettings.instance === settingsBase)
            GlobalSettings.instance = null
    }

    SettingsSenders {
        id: settingsSenders
    }

    Loader {
        anchors.fill: parent
        active: settingsBase.frameActive
        sourceComponent: Component {
            SettingsFrame {
                senders: settingsSenders
            }
        }
    }
}
