import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// One editor of the Limits menu: a title, the editors given as children and, where the value is
// sent as a whole, a "Save" button. Leaving by the back arrow sends nothing. Without a sauna the
// editors are not shown and Save is disabled.
Item {
    id: page

    property string title
    // Without a Save button every step is sent at once.
    property bool hasSave: true
    default property alias editors: column.data

    signal saved()

    function leave() {
        if (page.StackView.view)
            page.StackView.view.pop()
    }

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: page.leave()
    }

    SaunaValuesArea {
        id: saunaArea
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        noticeInset: 0

        Column {
            id: column
            width: parent.width
            spacing: Theme.spacing
        }
    }

    PanelButton {
        objectName: "limitsSaveButton"
        visible: page.hasSave
        anchors.top: saunaArea.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        highlighted: true
        text: qsTr("Save")
        enabled: saunaArea.connected
        onClicked: {
            page.saved()
            page.leave()
        }
    }
}
