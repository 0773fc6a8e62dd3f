#pragma once

#include <QByteArray>
#include <QStringList>

class QSettings;

namespace control {

// Puts back into a store what its reader lost of a damaged settings file. QSettings gives up on
// the rest of a file at some damage (an unmatched quote runs on to its end), so here each line of
// the file is read on its own: a line is intact when it reads as QSettings writes a line, whatever
// stands around it.
//
// Only keys that the panel reads come back, each with the kind of value its reader takes: plain
// keys named in Settings, and "<array>/<n>/<entry>" and "<array>/size" of the arrays it reads
// (the known saunas and the limit tables). A junk line that happens to read as "key=value" names
// no such key, and a value that its reader would not take is dropped with its line.
class SettingsFileRepair
{
public:
    // Writes into the store the value of every intact line of the file's content whose key the
    // store lacks, as described above; a key the store has keeps its value. When a key stands on
    // several intact lines, the last one that reads counts. Returns the keys written, sorted.
    static QStringList restoreLostKeys(QSettings &store, const QByteArray &content);
};

} // namespace control
