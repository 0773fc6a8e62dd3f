import QtQuick
import QtQuick.Controls

// The part of a page that scrolls when its content is taller than the room for it. A page that
// overflows shows its scroll bar for as long as it does, as the lists do, and the wheel moves it
// by rows. A bar that the page lays over the flickable's lower edge (its buttons, a sibling of
// the flickable) is named in `bottomBar`: the content ends in a margin as tall as the part of the
// flickable the bar covers, so that at the end of the scroll the last row rests fully above it.
Flickable {
    id: flickable

    property Item bottomBar
    readonly property real bottomBarSpace: bottomBar && bottomBar.visible
                                           ? Math.max(0, y + height - bottomBar.y) : 0

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    bottomMargin: bottomBarSpace

    ScrollBar.vertical: PageScrollBar {
        objectName: "pageScrollBar"
        // The bar runs beside the rows that can be seen, not under the bottom bar.
        bottomPadding: topPadding + flickable.bottomBarSpace
    }

    RowWheelHandler {
        flickable: flickable
    }
}
