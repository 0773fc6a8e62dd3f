import QtQuick
import PanelComponents 1.0
import "../components/Theme.js" as Theme

// The measured room temperature inside a ring that fills as the room nears its target.
Item {
    id: dial

    property QtObject status

    readonly property real heatFraction: {
        if (!status || !status.hasMeasuredTemperature || !status.hasTargetTemperature
                || status.targetTemperature <= 0)
            return 0.002
        return Math.max(0.002, Math.min(1.0, status.measuredTemperature / status.targetTemperature))
    }

    implicitWidth: 176
    implicitHeight: 176

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width, parent.height) - 10
        height: width
        radius: width / 2
        color: Theme.surface
    }

    CircleValueProvider {
        id: ring
        objectName: "temperatureRing"
        anchors.fill: parent
        innerRadius: 0.86
        outerRadius: 1.0
        backgroundColor: Theme.surfaceRaised
        foregroundColor: dial.status && dial.status.heating ? Theme.ember : Theme.accent
        actualPosition: dial.heatFraction
    }

    Column {
        anchors.centerIn: parent
        spacing: 0

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Room")
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
        Text {
            objectName: "measuredTemperatureText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: dial.status && dial.status.hasMeasuredTemperature
                  ? dial.status.measuredTemperature + "°" : "--"
            textFormat: Text.PlainText
            color: Theme.text
            font.pixelSize: Theme.fontHuge
            font.bold: true
        }
        Text {
            objectName: "targetTemperatureText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: {
                if (!dial.status || !dial.status.connected)
                    return qsTr("Target %1").arg("--")
                return dial.status.hasTargetTemperature
                       ? qsTr("Target %1").arg(dial.status.targetTemperature
                                               + dial.status.temperatureUnitText)
                       : qsTr("No target")
            }
            textFormat: Text.PlainText
            color: Theme.accent
            font.pixelSize: Theme.fontSmall
        }
    }
}
