import QtQuick
import QtQuick.Controls
import ViewTypesLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme

// One component's information and licence, line by line as the program read them from its files.
// A word too long for a line (a file name) breaks between its parts, not anywhere.
Item {
    id: page
    objectName: "licenceComponentPage"

    property Item senders
    property string title

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.general.componentInfoViewVisibleChanged(shownInStack)

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: page.StackView.view.pop()
    }

    // The licence can be thousands of lines: only the visible ones are drawn. The information
    // lines come first, as the list's header.
    ListView {
        id: licenceText
        objectName: "licenceTextList"
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: configure_general_about_component_license_model
        ScrollBar.vertical: PageScrollBar {}

        RowWheelHandler {
            flickable: licenceText
        }

        header: Column {
            objectName: "licenceInfoLines"
            width: ListView.view.width
            bottomPadding: Theme.spacing * 2
            Repeater {
                model: configure_general_about_component_info_model
                delegate: Text {
                    required property var model
                    x: Theme.margin
                    width: parent.width - 2 * Theme.margin
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: LineBreaks.longWordsParted(String(model.value ?? "").replace(/\n$/, ""),
                                                     font, width)
                    color: Theme.text
                    font.pixelSize: Theme.fontSmall
                }
            }
        }

        delegate: Text {
            required property var model
            x: Theme.margin
            width: ListView.view.width - 2 * Theme.margin
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: LineBreaks.longWordsParted(String(model.value ?? "").replace(/\n$/, ""), font,
                                             width)
            color: Theme.textDim
            font.family: "monospace"
            font.pixelSize: Theme.fontSmall - 1
        }
    }
}
