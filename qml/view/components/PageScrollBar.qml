import QtQuick
import QtQuick.Controls

// The scroll bar of a list or a page: shown for as long as what it scrolls is taller than the
// room for it, so that the user sees there is more; hidden while everything fits.
ScrollBar {
    policy: size < 1.0 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
}
