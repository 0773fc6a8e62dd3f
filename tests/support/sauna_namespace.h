#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testSupport {

// The second network namespace the test runner makes for a simulated sauna (panel_add_test(...
// SAUNA_NAMESPACE)), joined to the test's own by a veth pair that is up before the test starts.
class SaunaNamespace
{
public:
    SaunaNamespace()
        : m_name(qEnvironmentVariable("PANEL_TEST_SAUNA_NAMESPACE"))
        , m_panelAddress(qEnvironmentVariable("PANEL_TEST_PANEL_ADDRESS"))
        , m_saunaAddress(qEnvironmentVariable("PANEL_TEST_SAUNA_ADDRESS"))
        , m_broadcastAddress(qEnvironmentVariable("PANEL_TEST_BROADCAST_ADDRESS"))
        , m_panelInterface(qEnvironmentVariable("PANEL_TEST_PANEL_INTERFACE"))
    {}

    // Whether the runner made the namespaces, and the test sees nothing but lo and its end of the
    // pair: then no datagram it sends can leave the machine.
    bool isReady() const
    {
        if (m_name.isEmpty() || m_panelAddress.isNull() || m_saunaAddress.isNull() ||
            m_broadcastAddress.isNull())
            return false;
        const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
        if (interfaces.size() != 2)
            return false;
        for (const QNetworkInterface &interface : interfaces) {
            if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack) &&
                interface.name() != m_panelInterface)
                return false;
        }
        return true;
    }

    // Starts the program in the sauna's namespace. `ip netns exec` becomes the program, so the
    // process is the program itself.
    void start(QProcess &process, const QString &program, const QStringList &arguments) const
    {
        process.start(QStringLiteral("ip"), QStringList{QStringLiteral("netns"),
                                                        QStringLiteral("exec"), m_name, program} +
                                                arguments);
    }

    const QHostAddress &panelAddress() const { return m_panelAddress; }
    const QHostAddress &saunaAddress() const { return m_saunaAddress; }
    const QHostAddress &broadcastAddress() const { return m_broadcastAddress; }

private:
    QString m_name;
    QHostAddress m_panelAddress;
    QHostAddress m_saunaAddress;
    QHostAddress m_broadcastAddress;
    QString m_panelInterface;
};

} // namespace testSupport
