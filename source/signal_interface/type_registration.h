#pragma once

namespace signalInterface {

// The QML module under which the enum holders are published: "SignalInterfaceLib".
const char *signalInterfaceQmlUri();

// Registers the records and enums passed in signals under their names with a leading "::"
// (for example "::signalInterface::SaunaStateTypes::SaunaState"), which string-based
// connections and queued calls look up. Call once, before any such connection is made.
void registerMetaTypes();

// Registers the fifteen enum holders that screens read as QML types in "SignalInterfaceLib" 1.0,
// each under its class name.
void registerQmlTypes();

} // namespace signalInterface
