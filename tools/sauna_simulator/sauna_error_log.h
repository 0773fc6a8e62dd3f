#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <array>
#include <vector>

namespace tools {

// One entry of the sauna's error log as the error post carries it.
struct ErrorLogEntry
{
    quint32 index = 0;
    bool inUse = false;
    quint64 time = 0; // milliseconds since 2000-01-01 00:00 in the sauna's local time
    quint32 errorCode = 0;
    int controlBoard = 0; // 0 primary, 1 and 2 secondary

    bool operator==(const ErrorLogEntry &other) const
    {
        return index == other.index && inUse == other.inUse && time == other.time &&
               errorCode == other.errorCode && controlBoard == other.controlBoard;
    }
    bool operator!=(const ErrorLogEntry &other) const { return !(*this == other); }
};

// The sauna's error log: 32 entries, empty out of the box. A test or a demonstration fills it
// with errors that look logged over the past days.
class SaunaErrorLog
{
public:
    static constexpr int EntryCount = 32;
    // The sauna's error codes run from 0 to this.
    static constexpr quint32 LargestErrorCode = 20;

    SaunaErrorLog();

    // Fills the first count entries (at most 32) with errors of varied codes and boards (of the
    // given number of boards), logged before nowLocal and not in the order of their times. The
    // other entries are emptied.
    void fill(int count, int boards, const QDateTime &nowLocal);
    // Empties the log; returns the entries that were in use, as they now stand (not in use).
    std::vector<ErrorLogEntry> clear();

    const std::array<ErrorLogEntry, EntryCount> &entries() const { return m_entries; }
    std::vector<ErrorLogEntry> inUse() const;

    // The wire time of a local date and time (its wall time in the PC's zone), and back.
    static quint64 toWireTime(const QDateTime &local);
    static QDateTime fromWireTime(quint64 time);

private:
    std::array<ErrorLogEntry, EntryCount> m_entries;
};

} // namespace tools
