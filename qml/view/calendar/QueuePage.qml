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
        model: calendar_queue_model
        // Beside the program's kind, its favorite.
        value2Below: true
    }
}
