import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// One editor of the Limits menu: a title, the editors given as children and, where the value is
// sent as a whole, a "Save" button. Leaving by the back arrow sends nothing. Without a sauna the
// editors are not shown and Save is disabled; Save is disabled too while a shown editor holds no
// value to send.
Item {
    id: page

    property string title
    // Without a Save button every step is sent at once.
    property bool hasSave: true
    default property alias editors: column.data

    // Whether every shown editor that can hold no value holds one.
    readonly property bool editorsHoldValues: {
        const editors = column.children
        for (let i = 0; i < editors.length; ++i) {
            if (editors[i].visible && editors[i].holdsValue === false)
                return false
        }
        return true
    }

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
        enabled: saunaArea.connected && page.editorsHoldValues
        onClicked: {
            page.saved()
            page.leave()
        }
    }
}
