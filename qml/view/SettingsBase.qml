import QtQuick
import "components/GlobalSettings.js" as GlobalSettings
import "settings"

// The settings of the whole scene and the frame of the settings tab.
// The program creates one instance of its own and writes the system type, brand and size into
// it; that instance registers itself as the engine's global settings. These values
// have no defaults here: the program is their one source. The instance in the main scene shows
// the settings tab and carries the senders of the settings screens; the program's own instances
// build neither, so they cost next to nothing at start-up.
Item {
    id: settingsBase

    property bool shouldInitializeGlobalSettingWithItself: false
    property string systemType
    property string systemBrand
    property int appWidth
    property int appHeight
    // Set by the scene that shows the settings; the program's own instance never builds pages.
    property bool frameActive: false
    // Set by the scene when it creates this instance: the program looks the senders up by their
    // object names right after the scene is loaded, so they are built with it.
    property bool carriesSenders: false
    readonly property Item senders: sendersLoader.item

    onShouldInitializeGlobalSettingWithItselfChanged: {
        if (shouldInitializeGlobalSettingWithItself)
            GlobalSettings.instance = settingsBase
    }
    Component.onDestruction: {
        if (GlobalSettings.instance === settingsBase)
            GlobalSettings.instance = null
    }

    Loader {
        id: sendersLoader
        active: settingsBase.carriesSenders
        sourceComponent: Component {
            SettingsSenders {}
        }
    }

    // The frame by its file: the settings pages, and the controls they use, are compiled the
    // first time the tab opens, not with every settings object.
    Loader {
        anchors.fill: parent
        active: settingsBase.frameActive && settingsBase.senders !== null
        onActiveChanged: {
            if (active)
                setSource(Qt.resolvedUrl("settings/SettingsFrame.qml"),
                          { senders: settingsBase.senders })
        }
    }
}
