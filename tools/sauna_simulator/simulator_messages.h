#pragma once

#include "sauna_report.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>
#include <vector>

namespace vaholumo {
class Aux_relay_post;
class Calendar_post;
class Descaling;
class Connect_request;
class Enum_value_change_request;
class External_to_sauna;
class Favorite_post;
} // namespace vaholumo

namespace tools {

class SaunaStateModel;

// Who the simulated sauna says it is, in announcements and connect replies. Brand, product and
// system type are wire values of the connection messages.
struct SaunaIdentity
{
    QUuid identity;
    QString name;
    int brand = 40;      // Vaho
    int rcbProduct = 31; // combi, automatic: a sauna with humidity
    int systemType = 20; // standard
    QString applicationName = QStringLiteral("sauna_simulator");
    QString applicationVersion = QStringLiteral("1.0.0");
};

// The system type of the connection messages.
struct SystemType
{
    enum : int {
        Standard = 20,
        MultiSteam = 21,
    };
};

// One node of the sauna system's bus, as the node list reports it. Profiles are wire values:
// 10 relay control board, 11 control panel, 12 temperature and humidity sensor.
struct SimulatedNode
{
    quint32 index = 0;
    quint32 address = 0;
    int profile = 10;
    quint32 product = 0;
    QString zerededidVersion;
    QString applicationVersion;
};

// The nodes of the simulated system: its relay control boards (one, or three on a multi-steam
// system), a control panel and a temperature and humidity sensor.
std::vector<SimulatedNode> simulatedNodes(bool multiSteam);

// Outcomes of a connect request, as the connect reply carries them.
struct ConnectStatus
{
    enum : int {
        Accepted = 10,
        PinFail = 20,
        CompatibilityFail = 21,
        Failed = 22,
        DoorSwitchFail = 23,
    };
};

// What the sauna looks at in a panel's connect request.
struct ConnectRequest
{
    QString pin;
    QString unitName;
};

// The characters this sauna accepts in names.
QString supportedCharacters();

// Decoders: bytes or parsed messages in, a result or nothing out. A datagram that fails to parse
// is dropped whole.
bool decodeAnnouncementRequest(const QByteArray &datagram);
bool decodeExternalToSauna(const QByteArray &datagram, vaholumo::External_to_sauna &envelope);
// Fails when the unit name holds an element that is not a UTF-16 code unit.
std::optional<ConnectRequest> decodeConnectRequest(const vaholumo::Connect_request &request);
EnumSettings decodeEnumRequest(const vaholumo::Enum_value_change_request &request);
FavoriteChange decodeFavoritePost(const vaholumo::Favorite_post &post);
CalendarChange decodeCalendarPost(const vaholumo::Calendar_post &post);

// Auxiliary relay posts and descaling messages as the sauna reads them.
AuxRelayChange decodeAuxRelayPost(const vaholumo::Aux_relay_post &post);
DescalingChange decodeDescaling(const vaholumo::Descaling &descaling);

// Hands every favorite and calendar post of the envelope to the model, in wire order, and
// returns what they changed.
SaunaReport applyRecordPosts(const vaholumo::External_to_sauna &envelope, SaunaStateModel &model);

// Encoders: each returns the payload of one datagram.
QByteArray encodeAnnouncement(const SaunaIdentity &identity, quint16 saunaPort);
QByteArray encodeConnectReply(const SaunaIdentity &identity, int status,
                              quint32 keepAliveIntervalSeconds);
// What changed, as one Sauna_to_external; the sauna state report is taken from the model.
QByteArray encodeReport(const SaunaReport &report, const SaunaStateModel &model,
                        const QDateTime &nowUtc);
// Everything: values, state, favorites, calendar programs, control board functions, warm-up
// characteristics and nodes.
QByteArray encodeFullReport(const SaunaStateModel &model, const QDateTime &nowUtc,
                            const std::vector<SimulatedNode> &nodes = simulatedNodes(false));
QByteArray encodeKeepAlive(quint32 sequenceNumber);
QByteArray encodeNoConnection();
QByteArray encodeSupportedCharacters();

// Datagrams that no parser may accept. The first ones carry believable values before the fault,
// so a receiver that handles half a datagram shows it: a target temperature of 999, a sauna on
// port 1.
std::vector<QByteArray> malformedReports();
std::vector<QByteArray> malformedAnnouncements(const SaunaIdentity &identity);

} // namespace tools
