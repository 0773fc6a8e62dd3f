#pragma once

#include <QChar>
#include <QString>

#include <set>

namespace pcPanel {

// The characters the connected sauna can show in the names the panel sends it (favorite and relay
// names). Kept for the whole process and persisted, so it is known at start before any connection.
class SupportedCharacters
{
public:
    // UTF-16 code units, ascending, without duplicates.
    using CharacterSet = std::set<quint16>;

    // The units of the set that the text key cannot hold, as numbers; the text holds the others.
    // The settings file is UTF-8, in which a surrogate unit cannot be written on its own, and a
    // text that starts with U+FEFF loses it as a byte order mark when it is read.
    static constexpr char unitNumbersKey[] = "pc_panel_supported_character_numbers";

    // The one object, loaded from the settings store on the first call.
    static SupportedCharacters &instance();

    virtual ~SupportedCharacters();

    // 0 means that no table has been received yet.
    int count() const { return int(m_characters.size()); }
    // Replaces the set and stores it at once (one sync).
    void setCharacters(const CharacterSet &characters);

    // The characters of the set, ascending, one after the other.
    static QString toString(const CharacterSet &characters);
    // The distinct code units of text that are not in the set, ascending.
    CharacterSet unsupportedCharacters(const QString &text) const;
    // Replaces every code unit of text that is not in the set.
    void replaceUnsupported(QChar replacement, QString &text) const;

    // Drops the one object, so that the next instance() loads again as at a restart. Never called
    // by the program itself.
    static void resetForTesting();

protected:
    SupportedCharacters();

private:
    bool isSupported(QChar character) const;

    CharacterSet m_characters;
};

} // namespace pcPanel
