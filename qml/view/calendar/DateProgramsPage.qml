import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The programs of the chosen date. This item is the date program view the date overview
// controller listens to.
Rectangle {
    id: page

    signal calendarDateProgramEditActivated(int program)
    signal closeRequested()

    objectName: calendarTabObjectIdProvider.dateProgramSelectorControlName()
    color: Theme.background
    visible: false

    MouseArea { anchors.fill: parent }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Programs of the date")
        onBackRequested: {
            page.visible = false
            page.closeRequested()
        }
    }
    GenericListView {
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        model: date_overview_model
        onRowSelected: (applId) => page.calendarDateProgramEditActivated(applId)
    }
}
