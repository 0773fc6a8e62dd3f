// Arbitrary bytes as one announcement datagram, through the same decoder the link's announcement
// socket uses. A dropped datagram must leave the record untouched; an accepted one must give a
// usable sauna: a non-null identity, a port the panel can connect to, and a name.
#include "fuzzer_logging.h"

#include "pc_panel/sauna_communication.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using ::signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

RemoteSauna untouchedRecord()
{
    RemoteSauna sauna;
    sauna.identity = QUuid(QStringLiteral("{0b7e4d21-9c3a-4f58-8e16-5a2d7c9b3e40}"));
    sauna.address = QHostAddress(QStringLiteral("192.0.2.17"));
    sauna.port = 4711;
    sauna.name = QStringLiteral("before");
    sauna.pin.setPin(QStringLiteral("1234"));
    return sauna;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const RemoteSauna before = untouchedRecord();
    RemoteSauna sauna = before;
    if (!pcPanel::SaunaCommunication::decodeAnnouncement(datagram, sauna)) {
        if (sauna != before)
            std::abort();
        return 0;
    }
    if (sauna.identity.isNull() || sauna.port == 0 || sauna.name.isEmpty())
        std::abort();
    // Learned from the sender and kept by the list, never from the announcement itself.
    if (sauna.address != before.address || sauna.pin.pin() != before.pin.pin())
        std::abort();
    return 0;
}
