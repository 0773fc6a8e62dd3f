import QtQuick
import QtQuick.Layouts
import Effects 1.0
import ViewTypesLib 1.0
import "Theme.js" as Theme

// The message popup. The message controller writes the kind, the title, the text and the button
// texts into these properties and shows or hides the popup through "visible". A pressed button
// hides the popup first and then reports its own text, so a message shown from the answer's
// handler stays open.
//
// On the PC's keyboard the popup takes the keys while it is shown, and gives the focus back to
// where it was when it closes. Return, Enter and Escape close a notice through its only button.
// Escape answers a question with its right button ("No"); Return, Enter and Space answer it only
// with the button the user moved to with Tab, so a key meant for the screen behind never says
// "Yes".
Item {
    id: popup

    // "indication": one centre button; "selection": left and right buttons; "noButton": none.
    property string popupKind: "indication"
    property string popupTitle
    property string popupText
    property string leftButtonText
    property string centerButtonText
    property string rightButtonText

    signal popupBtnPressed(string buttonText)

    function press(buttonText) {
        visible = false
        popupBtnPressed(buttonText)
    }

    // The buttons shown, left to right, for Tab and Shift+Tab.
    readonly property var shownButtons: [leftButton, centerButton, rightButton].filter(
                                            (button) => button.visible)
    // Where the keys went before the popup took them.
    property Item focusBefore: null

    // The item is the popup or lies within it.
    function holds(item) {
        for (let inner = item; inner; inner = inner.parent) {
            if (inner === popup)
                return true
        }
        return false
    }

    function moveButtonFocus(step) {
        const buttons = shownButtons
        if (buttons.length === 0)
            return
        const current = buttons.findIndex((button) => button.activeFocus)
        const next = current < 0 ? (step > 0 ? 0 : buttons.length - 1)
                                 : (current + step + buttons.length) % buttons.length
        buttons[next].forceActiveFocus(step > 0 ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }

    visible: false
    z: 100

    onVisibleChanged: {
        const current = Window.activeFocusItem
        if (visible) {
            if (!holds(current))
                focusBefore = current
            popup.forceActiveFocus()
            return
        }
        // Unless something else took the focus meanwhile, it goes back where it was.
        let stillOurs = !current || holds(current)
        for (let outer = popup.parent; !stillOurs && outer; outer = outer.parent)
            stillOurs = outer === current
        if (stillOurs && focusBefore && focusBefore.visible)
            focusBefore.forceActiveFocus()
        focusBefore = null
    }

    // Shown, the popup is the only thing the keys reach.
    Keys.onPressed: (event) => {
        event.accepted = true
        const focused = shownButtons.find((button) => button.activeFocus)
        switch (event.key) {
        case Qt.Key_Tab:
            moveButtonFocus(event.modifiers & Qt.ShiftModifier ? -1 : 1)
            break
        case Qt.Key_Backtab:
            moveButtonFocus(-1)
            break
        case Qt.Key_Escape:
            if (popupKind === "indication")
                press(centerButtonText)
            else if (popupKind === "selection")
                press(rightButtonText)
            break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            if (focused !== undefined)
                focused.clicked()
            else if (popupKind === "indication" && event.key !== Qt.Key_Space)
                press(centerButtonText)
            break
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#b0000000"
        // Swallows touches: the screen behind waits for the answer.
        MouseArea { anchors.fill: parent }
    }

    Rectangle {
        id: card
        objectName: "popupCard"
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.margin * 2
        height: content.implicitHeight + 2 * Theme.margin
        radius: Theme.radius + 4
        color: Theme.surfaceRaised
        border.color: popup.popupTitle === qsTranslate("QObject", "Error") ? Theme.danger : Theme.accent
        border.width: 2

        DropShadow {
            blurRadius: 8
            xOffset: 0
            yOffset: 6
            color: Theme.shadow
        }

        ColumnLayout {
            id: content
            anchors.fill: parent
            anchors.margins: Theme.margin
            spacing: Theme.margin

            Text {
                objectName: "popupTitle"
                Layout.fillWidth: true
                visible: text.length > 0
                text: popup.popupTitle
                textFormat: Text.PlainText
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
            }
            Text {
                objectName: "popupText"
                Layout.fillWidth: true
                // A time range or a number with its unit in the message stays on one line.
                text: LineBreaks.keptTogether(popup.popupText)
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: Theme.text
                font.pixelSize: Theme.fontNormal
                horizontalAlignment: Text.AlignHCenter
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing
                visible: popup.popupKind !== "noButton"

                PanelButton {
                    id: leftButton
                    objectName: "popupLeftButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind === "selection"
                    text: popup.leftButtonText
                    highlighted: true
                    onClicked: popup.press(popup.leftButtonText)
                }
                PanelButton {
                    id: centerButton
                    objectName: "popupCenterButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind !== "selection"
                    text: popup.centerButtonText
                    highlighted: true
                    onClicked: popup.press(popup.centerButtonText)
                }
                PanelButton {
                    id: rightButton
                    objectName: "popupRightButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind === "selection"
                    text: popup.rightButtonText
                    onClicked: popup.press(popup.rightButtonText)
                }
            }
        }
    }
}
