import QtQuick

Rectangle {
    color: "#202020"

    Text {
        anchors.centerIn: parent
        text: "Minimal"
        color: "white"
    }
}
