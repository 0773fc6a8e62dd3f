import QtQuick
import "../components/Theme.js" as Theme

// One day cell of the month view.
Rectangle {
    id: day

    required property int index
    required property string textOnDayButton
    required property bool dayPostAvailable
    required property bool dayButtonEnabled
    required property real dayButtonOpacity

    signal daySelected(int index)

    width: GridView.view ? GridView.view.cellWidth - 4 : 40
    height: GridView.view ? GridView.view.cellHeight - 4 : 40
    radius: 6
    color: area.pressed ? Theme.surfacePressed : Theme.surface
    opacity: dayButtonOpacity
    visible: textOnDayButton.length > 0

    Text {
        anchors.centerIn: parent
        text: day.textOnDayButton
        textFormat: Text.PlainText
        color: day.dayButtonEnabled ? Theme.text : Theme.textFaint
        font.pixelSize: Theme.fontNormal
    }
    Rectangle {
        visible: day.dayPostAvailable
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        width: 6
        height: 6
        radius: 3
        color: Theme.accent
    }
    MouseArea {
        id: area
        anchors.fill: parent
        enabled: day.dayButtonEnabled
        onClicked: day.daySelected(day.index)
    }
}
