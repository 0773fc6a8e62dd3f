import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// A labelled switch row.
Rectangle {
    id: switchRow

    property string text
    property string detail
    property bool checked: false

    signal tapped(bool shownState)

    implicitWidth: 300
    // Texts too long for one line wrap, and the row grows to show them whole.
    implicitHeight: Math.max(Theme.rowHeight, texts.implicitHeight + 2 * Theme.spacing)
    radius: Theme.radius
    color: Theme.surface

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.margin
        anchors.rightMargin: Theme.spacing
        ColumnLayout {
            id: texts
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            spacing: 0
            Text {
                Layout.fillWidth: true
                text: switchRow.text
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: Theme.text
                font.pixelSize: Theme.fontNormal
            }
            Text {
                Layout.fillWidth: true
                visible: text.length > 0
                text: switchRow.detail
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: Theme.textDim
                font.pixelSize: Theme.fontSmall
            }
        }
        ToggleSwitch {
            checked: switchRow.checked
            onTapped: (shownState) => switchRow.tapped(shownState)
        }
    }
}
