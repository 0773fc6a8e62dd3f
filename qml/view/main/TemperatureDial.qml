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

    // The disc inside the ring, and the width every text on it keeps to: at the height of the
    // top and the bottom line the disc is still that wide. A text wider than that is set smaller,
    // and cut only where even the smallest size is too wide.
    readonly property real discDiameter: (Math.min(width, height) - 10) * ring.innerRadius
    readonly property real textWidth: Math.floor(discDiameter * 0.8)

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
            width: dial.textWidth
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Room")
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            elide: Text.ElideRight
        }
        Text {
            objectName: "measuredTemperatureText"
            width: dial.textWidth
            horizontalAlignment: Text.AlignHCenter
            text: dial.status && dial.status.hasMeasuredTemperature
                  ? dial.status.measuredTemperature + "°" : "--"
            textFormat: Text.PlainText
            color: Theme.text
            font.pixelSize: Theme.fontHuge
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.fontSmall
            elide: Text.ElideRight
        }
        Text {
            objectName: "targetTemperatureText"
            width: dial.textWidth
            horizontalAlignment: Text.AlignHCenter
            // No target known, whether none was reported yet or the report was unknown.
            text: dial.status && dial.status.hasTargetTemperature
                  ? qsTr("Target %1").arg(dial.status.targetTemperature
                                          + dial.status.temperatureUnitText)
                  : qsTr("Target %1").arg("--")
            textFormat: Text.PlainText
            color: Theme.accent
            font.pixelSize: Theme.fontSmall
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            elide: Text.ElideRight
        }
    }
}
