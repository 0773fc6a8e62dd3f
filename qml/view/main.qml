import QtQuick
import QtQuick.Layouts
import "components"
import "components/GlobalSettings.js" as GlobalSettings
import "components/Theme.js" as Theme
import "main"
import "favorites"
import "calendar"
import "setup"

// The control panel's scene: a status bar, the four tabs (sauna, favorites, calendar, settings),
// the lock screen, the PIN keypad, the message popup and the on-screen keyboard.
Rectangle {
    id: root

    // Flipped by the language controller on every change of language. The engine refreshes the
    // qsTr texts itself; a binding that shows a text the program gives (the keyboard's key caps)
    // reads this, so that it asks for the text again.
    property bool languageToggle: false
    property int currentTab: 0
    // The keypad is open for the settings tab's PIN.
    property bool settingsPinAsked: false

    // The keyboard is opened by the program for a favorite's name or an auxiliary relay's name;
    // the answer goes back to the screen that asked. The keyboard closes itself either way.
    function answerKeyboard(accepted, text) {
        if (currentTab === 1) {
            if (accepted)
                favoritesPage.enterName(text)
            else
                favoritesPage.cancelName()
        } else {
            if (accepted)
                settingsTab.senders.auxSingleOverview.auxNameEditSaveSelected(text)
            else
                settingsTab.senders.auxSingleOverview.auxNameEditCancelSelected()
        }
    }

    // Switches to the tab. While a PIN is demanded, the settings tab (the installer's screens)
    // opens only after the PIN is given again; the answer comes back as pinCodeConfirmed.
    function selectTab(index) {
        if (index === 3 && currentTab !== 3 && pin_code_controller.pinActivated) {
            settingsPinAsked = true
            pinEntry.open("settings")
            return
        }
        showTab(index)
    }

    function showTab(index) {
        const changed = currentTab !== index
        currentTab = index
        if (changed && index === 2)
            tabManager.calendarEditActivated()
    }

    Connections {
        target: pin_code_controller
        function onPinCodeConfirmed(request, correct) {
            if (request === "settings" && correct && root.settingsPinAsked) {
                root.settingsPinAsked = false
                root.showTab(3)
            }
        }
        // Unattended, the settings close with the lock.
        function onLockTimerTimeout() {
            if (root.currentTab === 3 && pin_code_controller.pinActivated)
                root.showTab(0)
        }
    }

    // The program's application size; the main window takes the same size.
    width: GlobalSettings.value("appWidth", 0)
    height: GlobalSettings.value("appHeight", 0)
    color: Theme.background

    SaunaStatus {
        id: saunaStatus
    }

    // Status bar.
    Rectangle {
        id: statusBar
        width: parent.width
        height: 36
        color: Theme.background

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.margin
            anchors.rightMargin: Theme.margin
            Text {
                objectName: "clockText"
                // "--" until the sauna tells a clock the panel can show.
                text: saunaStatus.timeText.length > 0 ? saunaStatus.timeText : "--"
                textFormat: Text.PlainText
                color: Theme.text
                font.pixelSize: Theme.fontNormal
            }
            Item { Layout.fillWidth: true }
            Text {
                text: saunaStatus.saunaStateText
                textFormat: Text.PlainText
                color: saunaStatus.heating ? Theme.ember : Theme.textDim
                font.pixelSize: Theme.fontSmall
            }
            Rectangle {
                objectName: "connectionIndicator"
                Layout.leftMargin: Theme.spacing
                width: 10
                height: 10
                radius: 5
                color: saunaStatus.connected ? Theme.calm : Theme.danger
            }
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.outline
        }
    }

    // The tab pages. The tab manager tells the sauna state controller when the calendar opens.
    // The favorites page stays out of the window while another tab is shown (its parent item is
    // null; the page itself and its object names are there from the start): the window then
    // builds no render nodes and no painted images for it until it is shown.
    Item {
        id: tabManager
        objectName: "tabManagerRoot"
        anchors.top: statusBar.bottom
        anchors.bottom: tabBar.top
        width: parent.width

        signal calendarEditActivated()

        MainControlPage {
            id: mainControlPage
            anchors.fill: parent
            visible: root.currentTab === 0
            status: saunaStatus
        }
        FavoritesPage {
            id: favoritesPage
            parent: root.currentTab === 1 ? tabManager : null
            width: tabManager.width
            height: tabManager.height
            visible: root.currentTab === 1
        }
        CalendarPage {
            anchors.fill: parent
            visible: root.currentTab === 2
        }
        SettingsBase {
            id: settingsTab
            objectName: "settingsTab"
            anchors.fill: parent
            visible: root.currentTab === 3
            carriesSenders: true
            // The settings pages are built the first time the tab opens, then kept.
            onVisibleChanged: if (visible) frameActive = true
        }
    }

    Rectangle {
        id: tabBar
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.tabBarHeight
        color: Theme.surface

        // A positioner, not a layout, holds the tabs, whose texts are made anew in each language.
        Row {
            anchors.fill: parent
            Repeater {
                id: tabs
                model: [
                    { glyph: "♨", text: qsTr("Sauna") },
                    { glyph: "★", text: qsTr("Favorites") },
                    { glyph: "▦", text: qsTr("Calendar") },
                    { glyph: "⚙", text: qsTr("Settings") }
                ]
                delegate: TabBarButton {
                    required property var modelData
                    required property int index
                    width: tabBar.width / tabs.count
                    height: tabBar.height
                    glyph: modelData.glyph
                    text: modelData.text
                    current: root.currentTab === index
                    onClicked: root.selectTab(index)
                }
            }
        }
    }

    LockedControlPage {
        id: lockedPage
        anchors.top: statusBar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        visible: saunaStatus.panelLocked
        status: saunaStatus
        powerSender: mainControlPage.powerSwitch
        auxRelaySender: mainControlPage.auxRelayList
        onUnlockRequested: pinEntry.open("unlock")
        // A digit typed on the PC's keyboard opens the keypad with that digit.
        Keys.onPressed: (event) => {
            if (event.key < Qt.Key_0 || event.key > Qt.Key_9)
                return
            pinEntry.open("unlock")
            pinEntry.press(String(event.key - Qt.Key_0))
            event.accepted = true
        }
        onVisibleChanged: if (visible) forceActiveFocus()
        Component.onCompleted: if (visible) forceActiveFocus()
    }

    // After a factory reset the panel first asks for its language, region, time and date.
    Loader {
        id: initialSetup
        objectName: "initialSetupLoader"
        anchors.fill: parent
        property bool done: false
        active: typeof initial_setup_controller !== "undefined"
                && initial_setup_controller.factoryResetInvoked && !done
                && settingsTab.senders !== null
        sourceComponent: InitialSetup {
            senders: settingsTab.senders
            onFinished: initialSetup.done = true
        }
    }

    PinEntryPage {
        id: pinEntry
        objectName: "pin_input"
        anchors.fill: parent
        settingsLoginSender: settingsTab.senders ? settingsTab.senders.systems : null
        onCloseRequested: {
            root.settingsPinAsked = false
            if (lockedPage.visible)
                lockedPage.forceActiveFocus()
        }
    }

    PopupWidget {
        objectName: "popup_widget"
        anchors.fill: parent
    }

    OnScreenKeyboard {
        id: keyboard
        objectName: "onScreenKeyboard"
        anchors.fill: parent
        languageToggle: root.languageToggle
        // The keyboard names what it is asked for by the screen that asked (see answerKeyboard).
        label: root.currentTab === 1 ? qsTr("Name of the favorite") : qsTr("Name of the relay")
        onTextAccepted: (text) => root.answerKeyboard(true, text)
        onEditCancelled: root.answerKeyboard(false, "")
    }
}
