// Writes the fuzzers' seed corpus: real datagrams of the protocol, built by the simulated sauna's
// own encoders. receiver/ holds what a connected sauna sends, announcement/ what a sauna answers
// to an announcement request. Usage: seed_corpus_writer <directory>
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
    return writeSeeds(root + QStringLiteral("/receiver"), received) &&
                   writeSeeds(root + QStringLiteral("/announcement"), announcements)
               ? 0
               : 1;
}
