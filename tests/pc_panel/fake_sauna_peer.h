#pragma once

#include "protocol_buffers_support/message_parsing.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "signal_interface/remote_sauna_types.h"

#include "connect.pb.h"
#include "message.pb.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QObject>
#include <QString>
#include <QUdpSocket>
#include <QUuid>

#include <functional>
#include <vector>

// A sauna system reduced to its sockets, on 127.0.0.1: it records everything a panel sends and
// answers only when told to, so that a test decides every datagram the panel receives.
class FakeSaunaPeer
{
public:
    struct Received
    {
        vaholumo::External_to_sauna envelope;
        QHostAddress sender;
        quint16 senderPort = 0;
    };

    FakeSaunaPeer()
    {
        m_saunaSocket.bind(QHostAddress::LocalHost, 0);
        m_announcementSocket.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_saunaSocket, &QUdpSocket::readyRead, &m_saunaSocket,
                         [this] { readSaunaSocket(); });
        QObject::connect(&m_announcementSocket, &QUdpSocket::readyRead, &m_announcementSocket,
                         [this] { readAnnouncementSocket(); });
    }

    QUuid identity = QUuid(QStringLiteral("{1b6e0f52-93c4-4d7a-8e21-5f0a9c3d7b64}"));
    QString name = QStringLiteral("Garden sauna");
    QString pin = QStringLiteral("1234");
    // Answers: connect requests (with the PIN check), keep-alives and announcement requests.
    bool answerConnects = true;
    bool answerKeepAlives = true;
    bool answerAnnouncements = true;
    // Takes the panel and at once says that it has no connection with it, as a sauna whose table
    // of panels is full may do.
    bool dropAfterAccepting = false;
    quint32 keepAliveIntervalSeconds = 0;

    quint16 saunaPort() const { return m_saunaSocket.localPort(); }
    quint16 announcementPort() const { return m_announcementSocket.localPort(); }
    // The search a user types to find this peer: this machine, the announcement port.
    signalInterface::RemoteSaunaTypes::RemoteSauna searchedAt() const
    {
        signalInterface::RemoteSaunaTypes::RemoteSauna searched;
        searched.address = QHostAddress(QHostAddress::LocalHost);
        searched.port = announcementPort();
        return searched;
    }

    const std::vector<Received> &received() const { return m_received; }
    int announcementRequests() const { return m_announcementRequests; }
    QHostAddress panelAddress() const { return m_panelAddress; }
    quint16 panelPort() const { return m_panelPort; }

    int count(const std::function<bool(const vaholumo::External_to_sauna &)> &predicate) const
    {
        int matches = 0;
        for (const Received &item : m_received) {
            if (predicate(item.envelope))
                ++matches;
        }
        return matches;
    }
    int connectRequests() const
    {
        return count([](const auto &e) { return e.has_connect_request(); });
    }
    int disconnectRequests() const
    {
        return count([](const auto &e) { return e.has_disconnect_request(); });
    }
    std::vector<quint32> keepAliveNumbers() const
    {
        std::vector<quint32> numbers;
        for (const Received &item : m_received) {
            if (item.envelope.has_keep_alive())
                numbers.push_back(item.envelope.keep_alive().sequence_number());
        }
        return numbers;
    }
    void clearReceived() { m_received.clear(); }

    // The announcement of this sauna, as its announcement socket sends it.
    vaholumo::Announcement announcement() const
    {
        vaholumo::Announcement message;
        message.set_identity(identity.toString().toStdString());
        message.set_port(saunaPort());
        message.set_brand(vaholumo::Connection_types_brand_t_BRAND_LUMO);
        message.set_rcb_product(vaholumo::Connection_types_rcb_product_t_RCB_PRODUCT_SAUNA);
        pbSupport::conversion::textToCodeUnits(name, message.mutable_name());
        return message;
    }

    vaholumo::Connect_reply connectReply(vaholumo::Connect_reply_connect_status_t status) const
    {
        vaholumo::Connect_reply reply;
        reply.set_connect_status(status);
        reply.set_identity(identity.toString().toStdString());
        reply.set_brand(vaholumo::Connection_types_brand_t_BRAND_LUMO);
        reply.set_keep_alive_interval(keepAliveIntervalSeconds);
        reply.set_rcb_product(vaholumo::Connection_types_rcb_product_t_RCB_PRODUCT_SAUNA);
        pbSupport::conversion::textToCodeUnits(name, reply.mutable_name());
        pbSupport::conversion::textToCodeUnits(QStringLiteral("sauna app"),
                                               reply.mutable_application_name());
        pbSupport::conversion::textToCodeUnits(QStringLiteral("2.3.4"),
                                               reply.mutable_application_version());
        reply.set_system_type(vaholumo::Connection_types_system_type_t_SYSTEM_TYPE_MULTISTEAM);
        return reply;
    }

    void sendToPanel(const QByteArray &datagram)
    {
        m_saunaSocket.writeDatagram(datagram, m_panelAddress, m_panelPort);
    }
    void sendToPanel(const vaholumo::Sauna_to_external &envelope)
    {
        sendToPanel(QByteArray::fromStdString(envelope.SerializeAsString()));
    }
    void sendReply(const vaholumo::Connect_reply &reply)
    {
        vaholumo::Sauna_to_external envelope;
        *envelope.mutable_connect_reply() = reply;
        sendToPanel(envelope);
    }
    void sendTargetTemperature(quint32 value)
    {
        vaholumo::Sauna_to_external envelope;
        auto *report = envelope.add_integer_value_changed();
        report->set_value_id(vaholumo::Integer_value_changed_value_t_TARGET_TEMPERATURE);
        report->set_value(value);
        sendToPanel(envelope);
    }
    // An announcement datagram from the announcement socket to a panel's announcement port.
    void announceTo(quint16 panelAnnouncementPort, const QByteArray &datagram)
    {
        m_announcementSocket.writeDatagram(datagram, QHostAddress::LocalHost,
                                           panelAnnouncementPort);
    }

private:
    void readSaunaSocket()
    {
        while (m_saunaSocket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_saunaSocket.receiveDatagram();
            Received item;
            if (!pbSupport::parseDatagram(datagram.data(), item.envelope))
                continue;
            item.sender = datagram.senderAddress();
            item.senderPort = static_cast<quint16>(datagram.senderPort());
            m_panelAddress = item.sender;
            m_panelPort = item.senderPort;
            m_received.push_back(item);
            const vaholumo::External_to_sauna &envelope = m_received.back().envelope;
            if (envelope.has_connect_request() && answerConnects) {
                const bool pinRight =
                    QString::fromStdString(envelope.connect_request().pin_code()) == pin;
                sendReply(connectReply(
                    pinRight ? vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED
                             : vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL));
                if (pinRight && dropAfterAccepting) {
                    vaholumo::Sauna_to_external drop;
                    drop.mutable_no_connection();
                    sendToPanel(drop);
                }
            }
            if (envelope.has_keep_alive() && answerKeepAlives) {
                vaholumo::Sauna_to_external answer;
                answer.mutable_keep_alive()->set_sequence_number(
                    envelope.keep_alive().sequence_number());
                sendToPanel(answer);
            }
        }
    }

    void readAnnouncementSocket()
    {
        while (m_announcementSocket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_announcementSocket.receiveDatagram();
            vaholumo::Announcement_request request;
            if (!pbSupport::parseDatagram(datagram.data(), request))
                continue;
            ++m_announcementRequests;
            if (answerAnnouncements)
                m_announcementSocket.writeDatagram(
                    QByteArray::fromStdString(announcement().SerializeAsString()),
                    datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
        }
    }

    QUdpSocket m_saunaSocket;
    QUdpSocket m_announcementSocket;
    std::vector<Received> m_received;
    int m_announcementRequests = 0;
    QHostAddress m_panelAddress;
    quint16 m_panelPort = 0;
};
