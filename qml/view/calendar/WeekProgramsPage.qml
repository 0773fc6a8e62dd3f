import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The week calendar: the days, then the programs of the chosen day. This item is the week-days
// view the weekday overview controller listens to; the controller takes row numbers.
Item {
    id: page

    property bool dayOpen: false
    // Whether the weekly schedule runs, as the weekday overview controller knows it.
    readonly property bool allDaysActive: calendar_controller.allDaysActivated

    signal weekDayEditActivated(int row)
    signal weekDayEditCancelled()
    signal weekDaySwitchAllDaysActivation(bool shownState)
    signal calendarWeekdayProgramEditActivated(int row)

    // The row of a list model that carries the application id, or -1.
    function rowOf(model, applId) {
        const rows = model.getNumberOfRows()
        for (let row = 0; row < rows; ++row) {
            if (model.getApplId(row) === applId)
                return row
        }
        return -1
    }

    objectName: calendarTabObjectIdProvider.weekDaysSelectorControlName()

    ColumnLayout {
        anchors.fill: parent
        spacing: Theme.spacing

        SwitchRow {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.margin
            Layout.rightMargin: Theme.margin
            visible: !page.dayOpen
            text: qsTr("Weekly programs active")
            checked: page.allDaysActive
            onTapped: (shownState) => page.weekDaySwitchAllDaysActivation(shownState)
        }
        PageHeader {
            objectName: "weekDayProgramsHeader"
            Layout.fillWidth: true
            visible: page.dayOpen
            // The chosen day names the page.
            title: calendar_controller.selectedWeekDayText
            onBackRequested: {
                page.dayOpen = false
                page.weekDayEditCancelled()
            }
        }
        GenericListView {
            objectName: "weekDaysList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !page.dayOpen
            model: week_calendar_model
            onRowSelected: (applId) => {
                page.weekDayEditActivated(page.rowOf(week_calendar_model, applId))
                page.dayOpen = calendar_controller.selectedWeekDay >= 0
            }
        }
        GenericListView {
            objectName: "weekDayProgramsList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: page.dayOpen
            model: week_day_calendar_model
            onRowSelected: (applId) => page.calendarWeekdayProgramEditActivated(
                               page.rowOf(week_day_calendar_model, applId))
        }
    }
}
