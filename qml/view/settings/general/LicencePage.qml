import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme

// Licence information: an introduction and the open source components of this program. The
// program reads a chosen component's texts and then answers with its id; this page opens the
// component's page, or the list of the PC's libraries, in the same stack.
Item {
    id: page
    objectName: "generalLicencePage"

    property Item senders
    // The chosen component's name, as the program last announced it.
    property string componentTitle
    property bool reading: false

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    // A component's page above it hides it too; coming back lists the components anew.
    onShownInStackChanged: page.senders.general.licenseInfoViewVisibleChanged(shownInStack)

    Connections {
        target: configure_general_about_license_view_controller
        function onComponentTitleChanged(title) { page.componentTitle = title }
        function onTimeConsumingActivityStarted() { page.reading = true }
        function onTimeConsumingActivityFinished() { page.reading = false }
        function onSoftwareComponentSelected(id) {
            if (id === ConfigureTypes.E_componentLinuxComponents)
                page.StackView.view.push(linuxComponentsPage, { senders: page.senders })
            else
                page.StackView.view.push(componentPage, { senders: page.senders,
                                                          title: page.componentTitle })
        }
        function onLinuxComponentSelected(id) {
            page.StackView.view.push(componentPage, { senders: page.senders,
                                                      title: page.componentTitle })
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("License Info")
        onBackRequested: page.StackView.view.pop()
    }

    ListView {
        id: introduction
        objectName: "licenceIntroductionList"
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        width: parent.width
        height: contentHeight
        interactive: false
        model: configure_general_about_license_text_model
        delegate: Text {
            required property var model
            x: Theme.margin
            width: ListView.view.width - 2 * Theme.margin
            bottomPadding: Theme.spacing
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: String(model.value ?? "").replace(/\n$/, "")
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
    }

    GenericListView {
        objectName: "licenceComponentList"
        anchors.top: introduction.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        model: configure_general_about_license_component_model
        enabled: !page.reading
        onRowSelected: (applId) => page.senders.general.softwareComponentSelected(applId)
    }

    Rectangle {
        objectName: "licenceReadingIndicator"
        anchors.fill: parent
        visible: page.reading
        color: Theme.shadow
        BusyIndicator {
            anchors.centerIn: parent
            running: page.reading
        }
    }

    Component {
        id: componentPage
        LicenceComponentPage {}
    }

    Component {
        id: linuxComponentsPage
        LinuxComponentsPage {}
    }
}
