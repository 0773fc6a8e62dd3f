import QtQuick
import "../components"
import "../components/Theme.js" as Theme

// The coming programs in start order. This item is the queue view; the queue controller fills
// its list while it is shown.
Item {
    id: page

    signal calendarQueueVisibleChanged(bool shown)

    objectName: calendarTabObjectIdProvider.queueViewName()

    onVisibleChanged: calendarQueueVisibleChanged(visible)

    GenericListView {
        objectName: "calendarQueueList"
        anchors.fill: parent
        // Plain rows: each tells a start, and opens nothing. Below the program's kind beside
        // its time, its favorite.
        model: calendar_queue_model
    }
}
