import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The month calendar of dated programs. This item is the month view the date overview
// controller listens to.
Item {
    id: page

    // The shown month, as the date overview controller names it.
    readonly property string monthText: calendar_date_item_overview_controller.monthTitle

    signal monthEditActivated()
    signal monthIncreaseSelected()
    signal monthDecreaseSelected()
    signal dateEditActivated(int day)
    signal dateSelected()

    objectName: calendarTabObjectIdProvider.monthSelectorControlName()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: Theme.spacing

        RowLayout {
            Layout.fillWidth: true
            PanelButton {
                implicitWidth: Theme.touchTarget
                text: "‹"
                fontSize: Theme.fontLarge
                onClicked: page.monthDecreaseSelected()
            }
            Text {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: page.monthText
                textFormat: Text.PlainText
                color: Theme.text
                font.pixelSize: Theme.fontLarge
                font.bold: true
                MouseArea {
                    anchors.fill: parent
                    onClicked: page.monthEditActivated()
                }
            }
            PanelButton {
                implicitWidth: Theme.touchTarget
                text: "›"
                fontSize: Theme.fontLarge
                onClicked: page.monthIncreaseSelected()
            }
        }

        // The weekday initials over the columns, from the configured first day of the week.
        Row {
            objectName: "monthWeekDayHeader"
            Layout.fillWidth: true
            Repeater {
                model: calendar_date_item_overview_controller.weekDayHeaders
                delegate: Text {
                    required property string modelData
                    width: grid.cellWidth
                    horizontalAlignment: Text.AlignHCenter
                    text: modelData.length > 0 ? modelData.charAt(0).toLocaleUpperCase() : ""
                    textFormat: Text.PlainText
                    color: Theme.textDim
                    font.pixelSize: Theme.fontSmall
                    font.bold: true
                }
            }
        }

        GridView {
            id: grid
            Layout.fillWidth: true
            Layout.fillHeight: true
            cellWidth: width / 7
            cellHeight: 48
            interactive: false
            model: month_calendar_model
            delegate: MonthDayDelegate {
                onDaySelected: (index) => {
                    page.dateEditActivated(month_calendar_model.getApplId(index))
                    if (calendar_date_item_overview_controller.selectedDateText.length > 0)
                        page.dateSelected()
                }
            }
        }
    }
}
