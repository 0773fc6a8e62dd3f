#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QVariant>

#include <optional>

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
    // The values of the intact lines of the content whose keys the panel reads, by key, as
    // restoreLostKeys writes them: a text, or a list of texts for the one key whose reader joins
    // a list.
    static QMap<QString, QVariant> intactValues(const QByteArray &content);

    // Whether a line of the content leaves a quote open. QSettings writes every quote of a line
    // in pairs, or escaped; its reader carries an open one over the line breaks that follow, up to
    // the next quote, and takes all of that as one key or value without any error when a later
    // quote closes it: the lines in between are lost to it.
    static bool hasQuoteLeftOpen(const QByteArray &content);
    // Whether the content holds a raw control character other than a tab or a line break.
    // QSettings writes every one escaped, and its reader takes one as it stands, without any
    // error: a run of zero bytes that swallowed line breaks runs the lines it meets together.
    static bool hasRawControlCharacter(const QByteArray &content);
    // Removes from the store the keys whose name or value holds a control character other than a
    // tab, and returns them. QSettings writes every one escaped: one that a line holds as it
    // stands (a line break run in by a quote left open, a zero byte of a run that swallowed line
    // breaks) makes the line's reading none of the file's keys. The store cannot tell it from an
    // escaped one: a value that an escape gave one comes back with its intact line
    // (restoreLostKeys), for the keys that the panel reads.
    static QStringList removeRunTogetherKeys(QSettings &store);

    // The content without its lines whose value QSettings would decode from a serialized form
    // ("@Variant(...)" or "@DateTime(...)", in a list too, however escaped or quoted): nothing when
    // it has none. Such a value is read by streaming whatever the bytes claim, a list of a billion
    // entries too, and the panel never writes one, so a file that holds one is damaged. The lines
    // are found as QSettings's reader finds them: a line runs on over line breaks inside quotes
    // or after a backslash.
    static std::optional<QByteArray> withoutSerializedValues(const QByteArray &content);
};

} // namespace control
