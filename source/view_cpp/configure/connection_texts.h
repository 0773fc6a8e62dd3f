#pragma once

#include <QString>

// Button and toggle texts that the Network and Wi-Fi screens share, translated in the "QObject"
// context.
namespace view::connectionTexts {

QString autoConnectText();
QString connectText();
QString disconnectText();
QString updateText();

} // namespace view::connectionTexts
