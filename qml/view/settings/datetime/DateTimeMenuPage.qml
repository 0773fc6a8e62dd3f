import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import ".."

// The Date and time settings menu and its screens. The program builds the rows; a tap goes to
// "configureDateTimeSelector" and the program answers with the id of the screen or editor to
// open, each manager with its own ids.
Item {
    id: page
    objectName: "dateTimeMenuPage"

    property Item senders
    signal backRequested()

    Connections {
        target: configure_date_time_view_controller
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_time:
                stack.push(timePage)
                break
            case ConfigureTypes.E_date:
                stack.push(datePage)
                break
            case ConfigureTypes.E_weekstart:
                stack.push(weekStartPage)
                break
            case ConfigureTypes.E_eraseCalendar:
                stack.push(eraseCalendarPage)
                break
            }
        }
    }

    Connections {
        target: configure_date_time_time_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_setTime)
                stack.push(setTimePage)
        }
    }

    Connections {
        target: configure_date_time_date_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_setDate)
                stack.push(setDatePage)
        }
    }

    StackView {
        id: stack
        objectName: "dateTimeStack"
        anchors.fill: parent
        initialItem: SettingsListPage {
            objectName: "dateTimeMenuList"
            title: qsTr("Date and time")
            listModel: configure_date_time_selector_model
            onRowSelected: (applId) => page.senders.dateTime.itemSelected(applId)
            onBackRequested: page.backRequested()
        }
    }

    Component {
        id: timePage
        SettingsListPage {
            objectName: "dateTimeTimePage"
            title: qsTr("Time")
            listModel: configure_date_time_time_model
            // The row of the sauna's clock (application id -2) is not shown without a sauna.
            saunaRows: [-2]
            onShownChanged: (shown) => page.senders.dateTime.timeViewVisibleChanged(shown)
            onRowSelected: (applId) => page.senders.dateTime.timeRowItemSelected(applId)
        }
    }

    Component {
        id: datePage
        SettingsListPage {
            objectName: "dateTimeDatePage"
            title: qsTr("Date")
            listModel: configure_date_time_date_model
            // The row of the sauna's date (application id -1) is not shown without a sauna.
            saunaRows: [-1]
            onShownChanged: (shown) => page.senders.dateTime.dateViewVisibleChanged(shown, false)
            onRowSelected: (applId) => page.senders.dateTime.dateRowItemSelected(applId)
        }
    }

    Component {
        id: weekStartPage
        SettingsListPage {
            objectName: "dateTimeWeekStartPage"
            title: qsTr("Weekstart")
            listModel: configure_date_time_week_start_model
            onShownChanged: (shown) => page.senders.dateTime.weekStartViewVisibleChanged(shown)
            onRowSelected: (applId) => page.senders.dateTime.weekStartSelected(applId)
        }
    }

    Component {
        id: eraseCalendarPage
        SettingsListPage {
            objectName: "dateTimeEraseCalendarPage"
            title: qsTr("Erase calendar")
            listModel: configure_date_time_erase_calendar_model
            saunaValues: true
            onShownChanged: (shown) => page.senders.dateTime.eraseCalendarViewVisibleChanged(shown)
            onButtonPressed: (applId) => page.senders.dateTime.eraseCalendarSelected(applId)
        }
    }

    Component {
        id: setTimePage
        SetTimePage {
            sender: page.senders.setTime
            onCloseRequested: stack.pop()
        }
    }

    Component {
        id: setDatePage
        SetDatePage {
            sender: page.senders.setDate
            onCloseRequested: stack.pop()
        }
    }
}
