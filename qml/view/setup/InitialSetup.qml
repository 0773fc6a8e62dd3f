import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme
import "../settings"

// The setup after a factory reset: language, region, the sauna's time and date, one step at a
// time, before the panel is used. Each step speaks to the same program objects as its settings
// screen, through the senders of the settings tab.
Rectangle {
    id: setup
    objectName: "initialSetup"

    property Item senders
    // 0 language, 1 region, 2 time, 3 date.
    property int step: 0
    readonly property int stepCount: 4
    signal finished()

    color: Theme.background

    // Every step tells the program when it is shown and left, as its settings screen does.
    function enterStep(index) {
        switch (index) {
        case 0:
            senders.general.langaugeViewVisibleChanged(true)
            senders.general.languageInitialSetupSelected()
            break
        case 1:
            senders.region.visibilityChanged(true)
            senders.region.regionInitialSetupSelected()
            break
        case 2:
            senders.dateTime.setTimeInitialSetupSelected()
            break
        case 3:
            // The date editor starts from the sauna's date, or the first date it keeps.
            senders.dateTime.dateRowItemSelected(-1)
            break
        }
    }

    function leaveStep(index) {
        if (index === 0)
            senders.general.langaugeViewVisibleChanged(false)
        else if (index === 1)
            senders.region.visibilityChanged(false)
    }

    function next() {
        // Going on takes the step's choice: the language is switched, the time and date are
        // sent to the sauna. A region is sent as soon as it is tapped.
        if (step === 0)
            senders.general.languageSaveSelected()
        else if (step === 2)
            senders.setTime.setTimeCommit()
        else if (step === 3)
            senders.setDateInitialSetup.setDateCommit()
        leaveStep(step)
        if (step + 1 < stepCount) {
            step = step + 1
            enterStep(step)
        } else {
            finished()
        }
    }

    function back() {
        if (step === 0)
            return
        leaveStep(step)
        step = step - 1
        enterStep(step)
    }

    // The program connects the senders right after it has loaded the scene, so the first step
    // is announced once the event loop runs, not while the scene is still being built.
    Component.onCompleted: Qt.callLater(enterStep, 0)

    // Taps do not reach the panel underneath.
    MouseArea {
        anchors.fill: parent
    }

    PageHeader {
        id: header
        width: parent.width
        backVisible: setup.step > 0
        title: [qsTr("Language"), qsTr("Region"), qsTr("Time"), qsTr("Date")][setup.step]
        onBackRequested: setup.back()
    }

    Text {
        id: progress
        objectName: "initialSetupProgress"
        anchors.top: header.bottom
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        text: qsTr("Setup after factory reset, step %1 of %2").arg(setup.step + 1).arg(setup.stepCount)
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
    }

    Item {
        anchors.top: progress.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: footer.top
        anchors.bottomMargin: Theme.spacing
        width: parent.width

        GenericListView {
            objectName: "initialSetupLanguageList"
            anchors.fill: parent
            visible: setup.step === 0
            model: configure_general_language_model
            onRowSelected: (applId) => setup.senders.general.languageSelected(applId)
        }
        GenericListView {
            objectName: "initialSetupRegionList"
            anchors.fill: parent
            visible: setup.step === 1
            model: configure_general_region_model
            onRowSelected: (applId) => setup.senders.region.regionSelected(applId)
        }
        TimeStepper {
            objectName: "initialSetupTimeStepper"
            x: Theme.margin
            width: parent.width - 2 * Theme.margin
            visible: setup.step === 2
            manager: configure_date_time_system_time_manager
            onTimeChangeRequested: (component, direction) =>
                                   setup.senders.setTimeInitialSetup.timeChangeRequested(component,
                                                                                          direction)
        }
        DateStepper {
            objectName: "initialSetupDateStepper"
            x: Theme.margin
            width: parent.width - 2 * Theme.margin
            visible: setup.step === 3
            manager: configure_date_time_system_date_manager
            onDateChangeRequested: (stepper, direction) =>
                                   setup.senders.setDateInitialSetup.dateChangeRequested(stepper,
                                                                                         direction)
        }
    }

    RowLayout {
        id: footer
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.margin
        anchors.horizontalCenter: parent.horizontalCenter
        PanelButton {
            objectName: "initialSetupNextButton"
            text: setup.step + 1 < setup.stepCount ? qsTr("Next") : qsTr("Done")
            highlighted: true
            onClicked: setup.next()
        }
    }
}
