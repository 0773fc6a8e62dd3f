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
        anchors.fill: parent
        model: calendar_queue_model
    }
}
