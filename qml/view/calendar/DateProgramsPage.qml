import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The programs of the chosen date, and a row that begins a new one. This item is the date
// program view the date overview controller listens to; the controller takes row numbers.
Rectangle {
    id: page

    signal calendarDateProgramEditActivated(int row)
    signal closeRequested()

    // The row of the overview model that carries the application id, or -1.
    function rowOf(applId) {
        const rows = date_overview_model.getNumberOfRows()
        for (let row = 0; row < rows; ++row) {
            if (date_overview_model.getApplId(row) === applId)
                return row
        }
        return -1
    }

    objectName: calendarTabObjectIdProvider.dateProgramSelectorControlName()
    color: Theme.background

    MouseArea { anchors.fill: parent }

    PageHeader {
        id: header
        objectName: "dateProgramsHeader"
        width: parent.width
        // The chosen date names the page.
        title: calendar_date_item_overview_controller.selectedDateText
        onBackRequested: page.closeRequested()
    }
    GenericListView {
        objectName: "dateProgramsList"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        model: date_overview_model
        onRowSelected: (applId) => page.calendarDateProgramEditActivated(page.rowOf(applId))
    }
}
