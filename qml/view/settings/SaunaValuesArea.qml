import QtQuick
import "../main" as Main
import "../components/Theme.js" as Theme

// The part of a settings page that shows or sends the connected sauna's values. While no sauna is
// connected it shows none of a former sauna's values: its content is hidden and disabled, and the
// line that no sauna is connected stands in its place. A page's own buttons that send to the
// sauna bind their "enabled" to "connected". With "partial" set, the content is the panel's own
// and stays usable; the page hides its sauna parts by "connected", and the line stands above.
Item {
    id: area

    readonly property bool connected: wifi_symbol_controller.connected
    // Whether the sauna's values are kept out of sight without a sauna; off for a page that
    // shows only the panel's own settings.
    property bool guarding: true
    property bool partial: false
    // The line's distance from the sides: none where the page has indented the area already.
    property real noticeInset: Theme.margin
    readonly property bool noticeShown: area.guarding && !area.connected
    readonly property bool contentShown: !area.noticeShown || area.partial
    default property alias content: holder.data

    implicitWidth: holder.childrenRect.width
    implicitHeight: (area.noticeShown ? notice.height + Theme.spacing : 0)
                    + (area.contentShown ? holder.childrenRect.height : 0)

    Main.NotConnectedNotice {
        id: notice
        objectName: "settingsNotConnectedNotice"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: area.noticeInset
        anchors.rightMargin: area.noticeInset
        visible: area.noticeShown
    }

    Item {
        id: holder
        anchors.top: area.noticeShown ? notice.bottom : parent.top
        anchors.topMargin: area.noticeShown ? Theme.spacing : 0
        anchors.bottom: parent.bottom
        width: parent.width
        visible: area.contentShown
        enabled: area.contentShown
    }
}
