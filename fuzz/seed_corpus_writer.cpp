// Writes the fuzzers' seed corpus: real datagrams of the protocol, built by the simulated sauna's
// own encoders. receiver/ holds what a connected sauna sends, announcement/ what a sauna answers
// to an announcement request, and supported_characters/ the simulated sauna's character table
// with names typed against it. Usage: seed_corpus_writer <directory>
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulator_messages.h"
#include "sauna_simulator/simulator_options.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

bool writeSeeds(const QString &directory, const std::vector<std::pair<QString, QByteArray>> &seeds)
{
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(directory));
        return false;
    }
    for (const auto &[name, datagram] : seeds) {
        QFile file(directory + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(datagram) != datagram.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return false;
        }
    }
    return true;
}

// The input of the supported-characters fuzzer: flags (bit 0: the name is UTF-16; bits 1 to 6: the
// window of the range it asks about, here the first), the number of table units, the units, then
// the name; numbers little-endian.
QByteArray supportedCharactersSeed(const QString &table, const QString &name, bool utf16)
{
    QByteArray seed;
    const auto appendUnit = [&seed](char16_t unit) {
        seed.append(char(unit & 0xFF));
        seed.append(char(unit >> 8));
    };
    seed.append(char(utf16 ? 1 : 0));
    appendUnit(char16_t(table.size()));
    for (const QChar unit : table)
        appendUnit(unit.unicode());
    if (!utf16)
        return seed + name.toUtf8();
    for (const QChar unit : name)
        appendUnit(unit.unicode());
    return seed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);

    tools::SaunaIdentity identity;
    identity.identity = tools::SimulatorOptions::defaultIdentity();
    identity.name = QStringLiteral("Seed sauna");
    const tools::SaunaStateModel model;
    // A fixed time, so that the corpus is the same in every build.
    const QDateTime time(QDate(2024, 3, 9), QTime(18, 30), QTimeZone::utc());

    const std::vector<std::pair<QString, QByteArray>> received = {
        {QStringLiteral("full-state-report"), tools::encodeFullReport(model, time)},
        {QStringLiteral("connect-reply-accepted"),
         tools::encodeConnectReply(identity, tools::ConnectStatus::Accepted, 2)},
        {QStringLiteral("connect-reply-pin-fail"),
         tools::encodeConnectReply(identity, tools::ConnectStatus::PinFail, 0)},
        {QStringLiteral("keep-alive"), tools::encodeKeepAlive(4711)},
        {QStringLiteral("no-connection"), tools::encodeNoConnection()},
        {QStringLiteral("supported-characters"), tools::encodeSupportedCharacters()},
    };
    const std::vector<std::pair<QString, QByteArray>> announcements = {
        {QStringLiteral("announcement"), tools::encodeAnnouncement(identity, 49152)},
        {QStringLiteral("announcement-high-port"), tools::encodeAnnouncement(identity, 65535)},
    };
    const QString table = tools::supportedCharacters();
    const std::vector<std::pair<QString, QByteArray>> characters = {
        {QStringLiteral("supported-name-utf8"),
         supportedCharactersSeed(table, QStringLiteral("Sauna Äijö"), false)},
        {QStringLiteral("unsupported-name-utf8"),
         supportedCharactersSeed(table, QStringLiteral("Löyly € \U0001F525"), false)},
        {QStringLiteral("name-utf16"),
         supportedCharactersSeed(table, QStringLiteral("Kellari Ω 2"), true)},
        {QStringLiteral("no-table"),
         supportedCharactersSeed(QString(), QStringLiteral("Iso"), false)},
    };
    return writeSeeds(root + QStringLiteral("/receiver"), received) &&
                   writeSeeds(root + QStringLiteral("/announcement"), announcements) &&
                   writeSeeds(root + QStringLiteral("/supported_characters"), characters)
               ? 0
               : 1;
}
