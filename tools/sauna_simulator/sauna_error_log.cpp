#include "sauna_error_log.h"

#include "signal_interface/protocol_facts.h"

#include <algorithm>

namespace tools {

SaunaErrorLog::SaunaErrorLog()
{
    for (int index = 0; index < EntryCount; ++index)
        m_entries[std::size_t(index)].index = quint32(index);
}

void SaunaErrorLog::fill(int count, int boards, const QDateTime &nowLocal)
{
    const int filled = std::clamp(count, 0, EntryCount);
    const int boardCount = std::max(1, boards);
    for (int index = 0; index < EntryCount; ++index) {
        ErrorLogEntry &entry = m_entries[std::size_t(index)];
        entry = ErrorLogEntry();
        entry.index = quint32(index);
        if (index >= filled)
            continue;
        entry.inUse = true;
        // 8 and 21 have no common factor: 21 entries in a row carry every code once. 13 and 32
        // neither: no two entries share a time, and the times jump back and forth by index.
        entry.errorCode = quint32(index * 8 + 3) % (LargestErrorCode + 1);
        entry.controlBoard = index % boardCount;
        const qint64 minutesBefore = qint64((index * 13) % EntryCount) * 317 + 11;
        entry.time = toWireTime(nowLocal.addSecs(-minutesBefore * 60));
    }
}

std::vector<ErrorLogEntry> SaunaErrorLog::clear()
{
    std::vector<ErrorLogEntry> cleared;
    for (ErrorLogEntry &entry : m_entries) {
        if (!entry.inUse)
            continue;
        entry.inUse = false;
        cleared.push_back(entry);
    }
    return cleared;
}

std::vector<ErrorLogEntry> SaunaErrorLog::inUse() const
{
    std::vector<ErrorLogEntry> used;
    std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(used),
                 [](const ErrorLogEntry &entry) { return entry.inUse; });
    return used;
}

quint64 SaunaErrorLog::toWireTime(const QDateTime &local)
{
    namespace facts = signalInterface::protocolFacts;
    return quint64(std::max<qint64>(0, facts::protocolEpoch().msecsTo(facts::wallClockOf(local))));
}

QDateTime SaunaErrorLog::fromWireTime(quint64 time)
{
    namespace facts = signalInterface::protocolFacts;
    return facts::localTimeOf(facts::protocolEpoch().addMSecs(qint64(time)));
}

} // namespace tools
