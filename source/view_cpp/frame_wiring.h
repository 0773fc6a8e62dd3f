#pragma once

namespace startUp {

class PanelFrame;

// The start-up wiring, in the order it runs. Each makes its connections in a fixed order and
// returns the number that failed; a scene item that is missing has been reported by the GUI
// handler already and is skipped.

// The scene's items to the controllers and settings screens.
int connectQmlItems(PanelFrame &frame);
// The program's own objects to each other.
int connectNativeObjects(PanelFrame &frame);
// Every request signal to the link's sender.
int connectBridge(PanelFrame &frame);
// The link's receiver to the calendar objects and the providers.
int connectSaunaSide(PanelFrame &frame);
// The receiver's saunaReplaced() to every object that keeps the sauna's values, so that none of
// a former sauna's values is shown; part of connectSaunaSide.
int connectSaunaReplacement(PanelFrame &frame);

} // namespace startUp
