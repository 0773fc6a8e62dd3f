import QtQuick
import "Theme.js" as Theme

// A one-line text that keeps to its width: a text too long for it is set smaller, down to a size
// that stays readable, and only then wraps to a second line. Give it a width.
Text {
    id: label

    // The size the text has where it fits, and the smallest it is set in.
    property int preferredPixelSize: Theme.fontNormal
    property int smallestPixelSize: Theme.fontSmall

    // The text's width on one line at the size it prefers, whatever size it is set in: what a
    // layout or button should make room for.
    readonly property real naturalWidth: Math.ceil(natural.advanceWidth)
    // Too long for one line even at the smallest size.
    readonly property bool wraps: width > 0 && Math.ceil(smallest.advanceWidth) > width

    font.pixelSize: wraps ? smallestPixelSize : preferredPixelSize
    minimumPixelSize: smallestPixelSize
    fontSizeMode: wraps ? Text.FixedSize : Text.HorizontalFit
    wrapMode: wraps ? Text.Wrap : Text.NoWrap
    maximumLineCount: 2
    // Only what does not fit on two lines at the smallest size is cut.
    elide: Text.ElideRight
    textFormat: Text.PlainText

    TextMetrics {
        id: natural
        font.family: label.font.family
        font.bold: label.font.bold
        font.pixelSize: label.preferredPixelSize
        text: label.text
    }
    TextMetrics {
        id: smallest
        font.family: label.font.family
        font.bold: label.font.bold
        font.pixelSize: label.smallestPixelSize
        text: label.text
    }
}
