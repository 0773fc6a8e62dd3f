import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme
import "../main" as Main

// The calendar tab: weekly programs, dated programs and the queue of coming starts, with the
// settings pages of a program on top while its controller edits it. The pages that are not shown
// when the tab opens stay out of the window until they are (their parent item is null; the pages
// and their object names are there from the start), so that the window builds no render nodes
// for them. While no sauna is connected none of a former sauna's programs is shown, only the line
// that says so, and the section buttons are disabled.
Item {
    id: page

    readonly property bool connected: wifi_symbol_controller.connected

    property int section: 0
    // Whether the programs of the chosen date are shown over the month.
    property bool dateOpen: false

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PageHeader {
            Layout.fillWidth: true
            title: qsTr("Calendar")
            backVisible: false
        }

        // The section buttons share the width; a positioner, not a layout, holds them, as their
        // texts are made anew in each language.
        Row {
            id: sectionButtons
            Layout.fillWidth: true
            Layout.margins: Theme.spacing
            spacing: Theme.spacing
            Repeater {
                id: sectionRepeater
                model: [qsTr("Week"), qsTr("Dates"), qsTr("Queue")]
                delegate: PanelButton {
                    required property string modelData
                    required property int index
                    width: (sectionButtons.width
                            - (sectionRepeater.count - 1) * sectionButtons.spacing)
                           / sectionRepeater.count
                    enabled: page.connected
                    text: modelData
                    highlighted: page.section === index
                    onClicked: page.section = index
                }
            }
        }

        Main.NotConnectedNotice {
            objectName: "calendarNotConnectedNotice"
            Layout.fillWidth: true
            Layout.margins: Theme.margin
            visible: !page.connected
        }
        Item {
            Layout.fillHeight: true
            visible: !page.connected
        }

        Item {
            id: sections
            Layout.fillWidth: true
            Layout.fillHeight: true

            WeekProgramsPage {
                anchors.fill: parent
                visible: page.section === 0 && page.connected
            }
            MonthPage {
                parent: page.section === 1 ? sections : null
                width: sections.width
                height: sections.height
                visible: page.section === 1 && page.connected
                onDateSelected: page.dateOpen = true
            }
            QueuePage {
                parent: page.section === 2 ? sections : null
                width: sections.width
                height: sections.height
                visible: page.section === 2 && page.visible && page.connected
            }
            DateProgramsPage {
                id: datePrograms
                parent: page.section === 1 && page.dateOpen ? sections : null
                // Over the month, whichever of the two joins the window last.
                z: 1
                width: sections.width
                height: sections.height
                visible: page.section === 1 && page.dateOpen && page.connected
                onCloseRequested: page.dateOpen = false
            }
        }
    }

    ProgramSettingsPage {
        id: dateSettings
        anchors.fill: parent
        objectName: calendarTabObjectIdProvider.dateProgramSettingsName()
        title: qsTr("Date program")
        controller: calendar_date_program_controller
        // The program being edited is the former sauna's: it waits for the connection.
        visible: calendar_date_program_controller.editing && page.connected
        settingsModel: date_calendar_settings_model
        stopAfterModel: date_calendar_custom_stop_after
        readyAtManager: date_calendar_ready_at_manager
        temperatureManager: date_calendar_custom_temperature_manager
        humidityManager: date_calendar_custom_humidity_manager
        stopAfterManager: date_calendar_custom_stop_after_manager
        readyAtName: calendarTabObjectIdProvider.dateProgramReadyAtControlName()
        temperatureName: calendarTabObjectIdProvider.dateProgramCustomTemperatureControlName()
        humidityName: calendarTabObjectIdProvider.dateProgramCustomHumidityControlName()
        stopAfterName: calendarTabObjectIdProvider.dateProgramCustomStopAfterControlName()
    }
    ProgramSettingsPage {
        id: weekdaySettings
        anchors.fill: parent
        objectName: calendarTabObjectIdProvider.weekdayProgramSettingsName()
        title: qsTr("Weekly program")
        controller: calendar_weekday_program_controller
        visible: calendar_weekday_program_controller.editing && page.connected
        settingsModel: week_day_calendar_settings_model
        stopAfterModel: weekday_calendar_custom_stop_after
        readyAtManager: week_day_calendar_ready_at_manager
        temperatureManager: weekday_calendar_custom_temperature_manager
        humidityManager: weekday_calendar_custom_humidity_manager
        stopAfterManager: week_day_calendar_custom_stop_after_manager
        readyAtName: calendarTabObjectIdProvider.weekdayProgramReadyAtControlName()
        temperatureName: calendarTabObjectIdProvider.weekdayProgramCustomTemperatureControlName()
        humidityName: calendarTabObjectIdProvider.weekdayProgramCustomHumidityControlName()
        stopAfterName: calendarTabObjectIdProvider.weekdayProgramCustomStopAfterControlName()
    }
}
