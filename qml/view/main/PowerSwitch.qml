import QtQuick
import SignalInterfaceLib 1.0
import "../components/Theme.js" as Theme

// The sauna's power button. A tap asks for the other state; holding it while the sauna heats
// asks for a fresh bath time.
Item {
    id: power

    property int saunaState: SaunaStateTypes.E_sauna_off
    property string stateText
    readonly property bool on: saunaState !== SaunaStateTypes.E_sauna_off

    signal saunaStateChangeRequested(int state)
    signal saunaRenewBathTime()
    signal vibrationRequested()

    implicitWidth: 96
    implicitHeight: 118
    opacity: enabled ? 1.0 : 0.5

    Rectangle {
        id: button
        anchors.horizontalCenter: parent.horizontalCenter
        width: 84
        height: 84
        radius: 42
        color: area.pressed ? Theme.surfacePressed : (power.on ? Theme.ember : Theme.surfaceRaised)
        border.color: power.on ? Theme.accentStrong : Theme.outline
        border.width: 3

        Behavior on color { ColorAnimation { duration: 200 } }

        // The power symbol: an open ring with a bar through its gap.
        Rectangle {
            anchors.centerIn: parent
            width: 34
            height: 34
            radius: 17
            color: "transparent"
            border.color: Theme.text
            border.width: 4
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            y: parent.height / 2 - 24
            width: 10
            height: 16
            color: button.color
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            y: parent.height / 2 - 22
            width: 4
            height: 20
            radius: 2
            color: Theme.text
        }

        MouseArea {
            id: area
            anchors.fill: parent
            onPressed: power.vibrationRequested()
            onClicked: power.saunaStateChangeRequested(power.on ? SaunaStateTypes.E_sauna_off
                                                                : SaunaStateTypes.E_sauna_on)
            onPressAndHold: {
                if (power.saunaState === SaunaStateTypes.E_sauna_on)
                    power.saunaRenewBathTime()
            }
        }
    }

    Text {
        anchors.top: button.bottom
        anchors.topMargin: 6
        anchors.horizontalCenter: parent.horizontalCenter
        text: power.stateText
        textFormat: Text.PlainText
        color: power.on ? Theme.accent : Theme.textDim
        font.pixelSize: Theme.fontNormal
        font.bold: power.on
    }
}
