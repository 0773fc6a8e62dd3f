import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The week calendar: the days, then the programs of the chosen day. This item is the week-days
// view the weekday overview controller listens to.
Item {
    id: page

    property bool dayOpen: false
    // Whether the weekly schedule runs, as the weekday overview controller knows it.
    readonly property bool allDaysActive: calendar_controller.allDaysActivated

    signal weekDayEditActivated(int day)
    signal weekDayEditCancelled()
    signal weekDaySwitchAllDaysActivation(bool shownState)
    signal calendarWeekdayProgramEditActivated(int program)

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
            Layout.fillWidth: true
            visible: page.dayOpen
            title: qsTr("Programs of the day")
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
                page.dayOpen = true
                page.weekDayEditActivated(applId)
            }
        }
        GenericListView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: page.dayOpen
            model: week_day_calendar_model
            onRowSelected: (applId) => page.calendarWeekdayProgramEditActivated(applId)
        }
    }
}
