import QtQuick
import "../components/Theme.js" as Theme

// The lights switch of a main screen. It reports the state it showed; the controller switches.
StatusTile {
    id: lights

    property bool lightsOn: false
    // False while the sauna has told nothing: the tile then reads "--".
    property bool hasValue: true

    signal lightsStateChangeRequested(bool shownState)

    caption: qsTr("Lights")
    value: !hasValue ? "--" : lightsOn ? qsTr("On") : qsTr("Off")
    valueColor: lightsOn ? Theme.accent : Theme.textDim
    active: lightsOn
    onClicked: lightsStateChangeRequested(lightsOn)
}
