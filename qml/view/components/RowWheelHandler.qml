import QtQuick
import "Theme.js" as Theme

// Moves a flickable a few rows for each notch of a mouse wheel, as lists on a PC move: the flick
// a wheel starts on its own carries only a few pixels per notch. A flickable that does not scroll
// leaves the wheel to whatever holds it.
WheelHandler {
    property Flickable flickable
    property int rowsPerNotch: 3

    target: null
    enabled: flickable !== null && flickable.interactive
             && flickable.contentHeight + flickable.topMargin + flickable.bottomMargin
                > flickable.height
    onWheel: (event) => {
        const step = event.pixelDelta.y !== 0
                ? event.pixelDelta.y
                : event.angleDelta.y / 120 * rowsPerNotch * Theme.rowHeight
        // The margins belong to the scroll: the content's last row rests above a bottom margin.
        const top = flickable.originY - flickable.topMargin
        const bottom = flickable.originY + flickable.contentHeight + flickable.bottomMargin
                - flickable.height
        flickable.cancelFlick()
        flickable.contentY = Math.max(top, Math.min(bottom, flickable.contentY - step))
        event.accepted = true
    }
}
