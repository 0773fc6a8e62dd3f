import QtQuick
import "components/GlobalSettings.js" as GlobalSettings
import "components/Theme.js" as Theme

// The splash shown while the panel starts. The brand and the size come from the program's
// settings object. It copies them once: that object may be gone while the splash is still on
// screen.
Rectangle {
    id: splash

    property string brandKey

    // The name shown for each brand word of the settings object; the undefined brand shows none.
    readonly property string brandName: {
        switch (brandKey) {
        case "vaho": return "Vaho"
        case "lumo": return "Lumo"
        case "orvela": return "Orvela"
        case "kastela": return "Kastela"
        default: return ""
        }
    }

    width: GlobalSettings.value("appWidth", 0)
    height: GlobalSettings.value("appHeight", 0)
    color: Theme.background

    Component.onCompleted: {
        brandKey = GlobalSettings.value("systemBrand", "")
        width = GlobalSettings.value("appWidth", 0)
        height = GlobalSettings.value("appHeight", 0)
    }

    // A warm glow behind the brand.
    Rectangle {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -40
        width: parent.width * 0.8
        height: width
        radius: width / 2
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#3a2418" }
            GradientStop { position: 1.0; color: Theme.background }
        }
    }

    Column {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -40
        spacing: Theme.margin

        Text {
            objectName: "brandText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: splash.brandName
            textFormat: Text.PlainText
            color: Theme.accent
            font.pixelSize: 44
            font.bold: true
            font.letterSpacing: 4
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("PC Control Panel")
            color: Theme.text
            font.pixelSize: Theme.fontLarge
        }
    }

    // Three embers that glow in turn while the panel starts.
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 120
        spacing: 18

        Repeater {
            model: 3
            delegate: Rectangle {
                id: ember
                required property int index
                width: 14
                height: 14
                radius: 7
                color: Theme.ember
                opacity: 0.25

                SequentialAnimation on opacity {
                    loops: Animation.Infinite
                    PauseAnimation { duration: ember.index * 250 }
                    NumberAnimation { to: 1.0; duration: 400 }
                    NumberAnimation { to: 0.25; duration: 400 }
                    PauseAnimation { duration: (2 - ember.index) * 250 }
                }
            }
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 80
        text: qsTr("Starting…")
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
    }
}
