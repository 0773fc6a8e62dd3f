import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import ViewTypesLib 1.0
import "Theme.js" as Theme

// One row of a program-built list, drawn by the row's component type (role "componentType").
// The same delegate serves the menu, check-mark and mixed lists, so every role but the component
// type is optional: a row item inside a mixed list answers under the names "value" ... "value14".
Item {
    id: row

    // Every table of these lists names role 33 "componentType".
    required property int componentType
    required property int index
    // The remaining roles are named by the list's table, so they are read through the model.
    required property var model

    // The row's application id, asked of the list model by row. A list that changes a row in
    // place (the error log gives a row another id together with another text) announces the row
    // with all of its roles, so reading one of them here reads the id again.
    readonly property int applId: {
        void model.componentType
        const list = ListView.view ? ListView.view.model : null
        return list && typeof list.getApplId === "function" ? list.getApplId(index) : index
    }

    // A row the list does not show: no room, no taps.
    property bool hidden: false

    signal rowSelected(int applId)
    signal toggleTapped(int applId, bool shownState)
    signal buttonPressed(int applId)
    signal stepRequested(int applId, int direction)

    readonly property bool isRowKind: componentType === ViewTypes.E_row
                                      || componentType === ViewTypes.E_row_icon
                                      || componentType === ViewTypes.E_row_large
                                      || componentType === ViewTypes.E_row_plain

    // Row texts and flags, whichever table the model uses.
    readonly property string mainText: textOf(pick(model.textOnSubMenu, model.value))
    readonly property string value1Text: textOf(pick(model.textValue1,
                                                     isRowKind ? model.value2 : undefined))
    readonly property string value2Text: textOf(pick(model.textValue2,
                                                     isRowKind ? model.value3 : undefined))
    readonly property string value3Text: textOf(pick(model.textValue3,
                                                     isRowKind ? model.value4 : undefined))
    // The value a row shows beside its texts: the first value text, or the second where the
    // first is empty (a duration as "1h 30m"). A large row shows its first one below its text.
    readonly property string valueText: componentType === ViewTypes.E_row_large ? ""
                                        : value1Text.length > 0 ? value1Text : value2Text
    // A plain row's second line: the texts beside its value (the error log's board and name, the
    // queue's favorite).
    readonly property var plainDetailParts: componentType !== ViewTypes.E_row_plain
                                            || value1Text.length === 0 ? []
                                            : [value2Text, value3Text].filter(
                                                  (text) => text.length > 0)
    readonly property string itemType: textOf(pick(model.typeOfItem, model.value11))
    // A menu row of the kind "raw_row" is no choice of its own: it heads the rows below it.
    readonly property bool isCaption: componentType === ViewTypes.E_row
                                      && itemType === RowFlags.rawRow
    readonly property string layoutOrder: textOf(pick(model.layoutOrder, model.value5))
    readonly property bool checked: pick(model.checkmarkChecked, model.value10) === true
    readonly property bool rowEnabled: pick(model.enabled, isRowKind ? model.value13 : undefined) !== false
    readonly property real rowOpacity: Number(pick(model.opacity,
                                                   isRowKind ? model.value14 : undefined) ?? 1.0)

    function pick(first, second) { return first !== undefined ? first : second }
    function textOf(value) { return value === undefined || value === null ? "" : String(value) }
    // A text as a line draws it in the font: a number with its unit and a range of times stay on
    // one line, and a word wider than the row (an identity, a file name) breaks between its parts
    // rather than anywhere.
    function shown(text, font) {
        return LineBreaks.longWordsParted(LineBreaks.keptTogether(text), font,
                                          width - 2 * Theme.margin)
    }
    // The least width a text of the row wraps in: its widest piece that a line cannot break (a
    // word, a range of times) fits whole, or the line would break it anywhere after all. Never
    // more than the row holds.
    function keptWidth(text, font) {
        return Math.min(LineBreaks.keptWidth(text, font), Math.max(0, width - 2 * Theme.margin))
    }

    width: ListView.view ? ListView.view.width : implicitWidth
    implicitWidth: 300
    visible: !hidden
    height: !hidden && loader.item ? loader.item.implicitHeight : 0

    Loader {
        id: loader
        width: parent.width
        sourceComponent: {
            switch (row.componentType) {
            case ViewTypes.E_divider_large:
            case ViewTypes.E_divider_small: return dividerComponent
            case ViewTypes.E_stepper: return stepperComponent
            case ViewTypes.E_toggle: return toggleComponent
            case ViewTypes.E_text: return textComponent
            case ViewTypes.E_button: return buttonComponent
            default: return row.isCaption ? captionComponent : menuRowComponent
            }
        }
    }

    Component {
        id: dividerComponent
        Item {
            implicitHeight: row.componentType === ViewTypes.E_divider_large ? 18 : 9
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.margins: Theme.margin
                height: 1
                color: Theme.outline
                visible: row.componentType === ViewTypes.E_divider_small
            }
        }
    }

    Component {
        id: captionComponent
        Item {
            implicitHeight: caption.implicitHeight + Theme.spacing * 2
            Text {
                id: caption
                objectName: "rowCaption"
                x: Theme.margin
                y: Theme.spacing
                width: parent.width - 2 * Theme.margin
                wrapMode: Text.Wrap
                text: row.shown(row.mainText, font)
                textFormat: Text.PlainText
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
        }
    }

    Component {
        id: menuRowComponent
        Rectangle {
            objectName: "menuRow"
            // A row whose texts wrap grows to show them whole.
            implicitHeight: Math.max(row.componentType === ViewTypes.E_row_large
                                     ? Theme.rowHeight + 16 : Theme.rowHeight,
                                     rowLayout.implicitHeight + 2 * Theme.spacing)
            // A row that opens nothing does not darken under a finger.
            color: area.pressed && row.model.backgroundPressedMode !== RowItemTypes.E_disable
                   ? Theme.surfacePressed : Theme.surface
            opacity: row.rowEnabled ? row.rowOpacity : 0.4

            RowLayout {
                id: rowLayout
                // The least width the row's texts wrap in, and the width the marks beside the
                // value take: the value wraps in what they leave, so that no text runs into it.
                readonly property real textsMinimumWidth: Math.max(
                    mainTextItem.Layout.minimumWidth, value1Below.Layout.minimumWidth,
                    plainDetail.Layout.minimumWidth)
                readonly property real marksWidth: [iconMark, value3Item, checkMark, arrowMark]
                    .reduce((sum, item) => sum + (item.visible ? item.implicitWidth + spacing : 0),
                            0)
                // The least width the value wraps in. It stands beside the texts where the line
                // holds both at their least widths; else (a long word beside a range of times)
                // it takes a line of its own below the row's text. Measured on the row's width,
                // which the row has from the start: a value that changed sides as the layout
                // first took its width left the texts' heights as they were before.
                readonly property real valueMinimumWidth: row.keptWidth(row.valueText,
                                                                        valueItem.font)
                readonly property bool valueBeside: textsMinimumWidth + spacing
                                                    + valueMinimumWidth + marksWidth
                                                    <= row.width - 2 * Theme.margin
                anchors.fill: parent
                anchors.leftMargin: Theme.margin
                anchors.rightMargin: Theme.margin
                spacing: Theme.spacing

                Text {
                    id: iconMark
                    visible: row.componentType === ViewTypes.E_row_icon
                    text: "+"
                    color: Theme.accent
                    font.pixelSize: Theme.fontLarge + 6
                    font.bold: true
                }
                // The row's texts take what the values beside them leave, and wrap in it.
                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 0
                    spacing: 0
                    Text {
                        id: mainTextItem
                        objectName: "rowMainText"
                        Layout.fillWidth: true
                        Layout.minimumWidth: row.keptWidth(row.mainText, font)
                        text: row.shown(row.mainText, font)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: Theme.text
                        font.pixelSize: Theme.fontNormal
                    }
                    Text {
                        id: value1Below
                        Layout.fillWidth: true
                        Layout.minimumWidth: visible ? row.keptWidth(row.value1Text, font) : 0
                        visible: row.componentType === ViewTypes.E_row_large && text.length > 0
                        text: row.shown(row.value1Text, font)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: Theme.textDim
                        font.pixelSize: Theme.fontSmall
                    }
                    Text {
                        objectName: "rowValueBelow"
                        Layout.fillWidth: true
                        Layout.minimumWidth: visible ? rowLayout.valueMinimumWidth : 0
                        visible: !rowLayout.valueBeside && text.length > 0
                        text: row.shown(row.valueText, font)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: Theme.textDim
                        font.pixelSize: Theme.fontSmall
                    }
                    Text {
                        id: plainDetail
                        objectName: "plainRowDetail"
                        // The separator holds on to the board and the name, so that no line
                        // ends with it. Where one line cannot hold the board, the separator and
                        // the name's first word, the name starts the next line instead, so that
                        // a word is broken only where it alone is wider than the line.
                        readonly property string separator: "\u00a0\u00a0·\u00a0\u00a0"
                        readonly property bool boardFitsWithName:
                            row.plainDetailParts.length < 2 || width <= 0
                            || Math.ceil(plainDetailHead.advanceWidth) <= width
                        Layout.fillWidth: true
                        Layout.minimumWidth: row.keptWidth(row.plainDetailParts.join(" "), font)
                        visible: text.length > 0
                        text: row.shown(row.plainDetailParts.join(boardFitsWithName ? separator
                                                                                    : "\n"),
                                        font)
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: Theme.textDim
                        font.pixelSize: Theme.fontSmall

                        TextMetrics {
                            id: plainDetailHead
                            font: plainDetail.font
                            text: row.plainDetailParts.length < 2 ? ""
                                  : row.plainDetailParts[0] + plainDetail.separator
                                    + row.plainDetailParts[1].split(/\s/)[0]
                        }
                    }
                }
                Text {
                    id: valueItem
                    objectName: "rowValue"
                    visible: rowLayout.valueBeside && text.length > 0
                    Layout.minimumWidth: visible ? rowLayout.valueMinimumWidth : 0
                    Layout.maximumWidth: Math.max(Layout.minimumWidth,
                                                  Math.min(row.width * 0.45,
                                                           rowLayout.width - rowLayout.spacing
                                                           - rowLayout.textsMinimumWidth
                                                           - rowLayout.marksWidth))
                    horizontalAlignment: Text.AlignRight
                    wrapMode: Text.Wrap
                    text: row.shown(row.valueText, font)
                    textFormat: Text.PlainText
                    color: Theme.textDim
                    font.pixelSize: Theme.fontSmall
                }
                Text {
                    id: value3Item
                    // Beside a value in the second text, the third one when it has one (the
                    // descaling weekday's "1/2", every second week).
                    objectName: "rowValue3"
                    visible: text.length > 0
                    text: row.componentType === ViewTypes.E_row_large
                          || row.componentType === ViewTypes.E_row_plain
                          || row.value1Text.length > 0 ? "" : row.shown(row.value3Text, font)
                    textFormat: Text.PlainText
                    color: Theme.textDim
                    font.pixelSize: Theme.fontSmall
                }
                Text {
                    id: checkMark
                    // A selectable submenu is a choice too: it carries the check mark of the
                    // chosen one beside its arrow.
                    visible: row.checked && (row.itemType === RowFlags.onlyCheckmark
                                             || row.itemType === RowFlags.selectableSubmenu
                                             || row.itemType === RowFlags.mixCheckmarkSubmenu)
                    text: "✓"
                    color: Theme.accent
                    font.pixelSize: Theme.fontLarge
                    font.bold: true
                }
                Text {
                    id: arrowMark
                    visible: row.itemType === RowFlags.onlySubmenu
                             || row.itemType === RowFlags.selectableSubmenu
                             || row.itemType === RowFlags.mixCheckmarkSubmenu
                    text: "›"
                    color: Theme.textFaint
                    font.pixelSize: Theme.fontLarge + 6
                }
            }

            Rectangle {
                anchors.bottom: parent.bottom
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: Theme.margin
                height: 1
                color: Theme.outline
                visible: row.layoutOrder !== RowFlags.bottom && row.layoutOrder !== RowFlags.single
            }

            MouseArea {
                id: area
                anchors.fill: parent
                enabled: row.rowEnabled
                onClicked: row.rowSelected(row.applId)
            }
        }
    }

    Component {
        id: toggleComponent
        Rectangle {
            implicitHeight: Theme.rowHeight
            color: Theme.surface
            opacity: row.model.value3 === false ? 0.4 : Number(row.model.value4 ?? 1.0)

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: Theme.margin
                anchors.rightMargin: Theme.spacing
                Text {
                    Layout.fillWidth: true
                    text: row.textOf(row.model.value)
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: Theme.text
                    font.pixelSize: Theme.fontNormal
                }
                ToggleSwitch {
                    objectName: "rowToggle"
                    enabled: row.model.value3 !== false
                    checked: row.model.value2 === true
                    onTapped: (shownState) => row.toggleTapped(row.applId, shownState)
                }
            }
        }
    }

    Component {
        id: textComponent
        Item {
            // A text row and a text item both report E_text; value2 tells them apart: a text
            // row's is its heading flag (a bool), a text item's its font size (a number).
            readonly property bool heading: row.model.value2 === true
            readonly property int size: typeof row.model.value2 === "number" ? row.model.value2
                                                                             : Theme.fontNormal
            implicitHeight: label.implicitHeight + Theme.spacing * 2
            Text {
                id: label
                objectName: "rowText"
                x: Theme.margin
                y: Theme.spacing
                width: parent.width - 2 * Theme.margin
                wrapMode: Text.Wrap
                text: row.shown(row.textOf(row.model.value), font)
                textFormat: Text.PlainText
                color: parent.heading ? Theme.accent : Theme.text
                font.pixelSize: parent.heading ? Theme.fontNormal : parent.size
                font.bold: parent.heading
            }
        }
    }

    Component {
        id: buttonComponent
        Item {
            implicitHeight: Theme.touchTarget + Theme.spacing * 2
            PanelButton {
                objectName: {
                    const names = row.ListView.view ? row.ListView.view.buttonNames : undefined
                    return names && names[row.applId] !== undefined ? names[row.applId] : "rowButton"
                }
                anchors.centerIn: parent
                width: parent.width - 2 * Theme.margin
                text: row.textOf(row.model.value)
                highlighted: true
                enabled: row.model.value2 !== false
                opacity: enabled ? Number(row.model.value3 ?? 1.0) : 0.4
                onClicked: row.buttonPressed(row.applId)
            }
        }
    }

    Component {
        id: stepperComponent
        Rectangle {
            implicitHeight: Theme.rowHeight + 8
            color: Theme.surface

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: Theme.margin
                anchors.rightMargin: Theme.spacing
                spacing: Theme.spacing

                Text {
                    Layout.fillWidth: true
                    text: row.textOf(row.model.value)
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: Theme.text
                    font.pixelSize: Theme.fontNormal
                    MouseArea {
                        anchors.fill: parent
                        onClicked: row.rowSelected(row.applId)
                    }
                }
                RoundStepButton {
                    increase: false
                    opacity: Number(row.model.value4 ?? 1.0)
                    onStepped: row.stepRequested(row.applId, DataProviderTypes.E_stepper_decrease)
                }
                Text {
                    Layout.minimumWidth: 64
                    horizontalAlignment: Text.AlignHCenter
                    text: row.textOf(row.model.value3).length > 0 ? row.textOf(row.model.value3)
                                                                  : row.textOf(row.model.value2)
                    textFormat: Text.PlainText
                    color: Theme.accent
                    font.pixelSize: Theme.fontNormal
                    font.bold: true
                }
                RoundStepButton {
                    increase: true
                    opacity: Number(row.model.value5 ?? 1.0)
                    onStepped: row.stepRequested(row.applId, DataProviderTypes.E_stepper_increase)
                }
            }
        }
    }
}
