#include "fake_sauna_link.h"
#include "model_reader.h"

#include "control/settings.h"
#include "control/temperature_controller.h"
#include "pc_panel/connection_informer.h"
#include "pc_panel/instance_settings.h"
#include "pc_panel/sauna_communication.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/message_formatter.h"
#include "view_cpp/register_view_qml_types.h"

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTimeZone>
#include <QtTest>

#include <memory>

using signalInterface::ConfigureTypes;
using signalInterface::UserMessageTypes::UserMessage;

namespace {
constexpr int waitMs = 5000;
constexpr quint32 pinFailMessageId = pcPanel::ConnectionInformer::PinFailMessage;
} // namespace

// The Network screen against the simulated sauna on loopback, with its QML pages: the panel
// knows no sauna, the user types the simulator's address and port and taps Detect, opens the
// found system, enters the PIN and taps Connect. Taps are the signals the pages' rows emit on
// the screen's sender; the pages themselves navigate and report their visibility.
class TestNetworkScreenEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void detectOpenEnterPinAndConnect();

private:
    QString pageName() const;
    void saveScreenshot(const QString &name);
    void detectSimulator();
    void connectWithPin(const QString &pin);

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    view::MessageFormatter m_formatter;
    std::unique_ptr<pcPanel::SaunaCommunication> m_link;
    std::unique_ptr<pcPanel::ConnectionInformer> m_informer;
    std::unique_ptr<control::TemperatureController> m_temperature;
    std::unique_ptr<details::ConfigureTabObjectsProvider> m_provider;
    std::unique_ptr<QQuickView> m_view;
    FakeNetworkView m_sender;
    int m_run = 0;
};

void TestNetworkScreenEndToEnd::initTestCase()
{
    signalInterface::registerMetaTypes();
    signalInterface::registerQmlTypes();
    view::registerViewQmlTypes();
}

void TestNetworkScreenEndToEnd::init()
{
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings names(QStringLiteral("NetworkScreenTest%1").arg(++m_run),
                            QStringLiteral("PC_Panel"));

    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = QStringLiteral("2580");
    options.name = QStringLiteral("Loft sauna");
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));

    pcPanel::SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 60000;
    timing.connection.connectReplyTimeoutMs = 1500;
    m_link = std::make_unique<pcPanel::SaunaCommunication>(nullptr, &m_formatter, timing);
    QVERIFY(m_link->remoteSaunas().isEmpty());
    m_informer = std::make_unique<pcPanel::ConnectionInformer>();
    m_temperature = std::make_unique<control::TemperatureController>();
    m_provider = std::make_unique<details::ConfigureTabObjectsProvider>(nullptr);

    QCOMPARE(
        m_provider->manager<view::ConfigureSystemNetworkViewManager>().connectToView({&m_sender}),
        0);
    QCOMPARE(m_provider->connectToLink(*m_link), 0);
    QCOMPARE(m_informer->connectSaunaCommunicationSignals({m_link.get()}), 0);
    QCOMPARE(m_informer->connectConnectionStateMachineSignals({m_link->connectionStateMachine()}),
             0);
    QCOMPARE(m_temperature->connectSaunaSignals({m_link->saunaSystemReceiver()}), 0);
    m_view = std::make_unique<QQuickView>();
    m_provider->publish(m_view->rootContext());
    m_view->setInitialProperties(
        {{QStringLiteral("sender"), QVariant::fromValue<QObject *>(&m_sender)}});
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_view->resize(340, 600);
    m_view->setSource(
        QUrl::fromLocalFile(qEnvironmentVariable("PANEL_SOURCE_DIR") +
                            QStringLiteral("/qml/view/settings/network/NetworkScreen.qml")));
    QVERIFY2(m_view->status() == QQuickView::Ready, qPrintable(QDebug::toString(m_view->errors())));
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));

    m_link->onAutoConnectChangeRequest(false);
    QVERIFY(m_link->bindSaunaSystemSocket(0));
    QVERIFY(m_link->startAnnouncements());
}

void TestNetworkScreenEndToEnd::cleanup()
{
    m_view.reset();
    m_provider.reset();
    m_temperature.reset();
    m_informer.reset();
    m_link.reset();
    m_sauna.reset();
    control::Settings::resetForTesting();
}

QString TestNetworkScreenEndToEnd::pageName() const
{
    QVariant name;
    QMetaObject::invokeMethod(m_view->rootObject(), "currentPageName",
                              Q_RETURN_ARG(QVariant, name));
    return name.toString();
}

void TestNetworkScreenEndToEnd::saveScreenshot(const QString &name)
{
    const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
    QDir().mkpath(directory);
    QTRY_VERIFY(!m_view->rootObject()->property("busy").toBool());
    const QImage image = m_view->grabWindow();
    QVERIFY(!image.isNull());
    const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
    QVERIFY(image.save(path));
    qInfo("screenshot: %s", qPrintable(path));
}

void TestNetworkScreenEndToEnd::detectSimulator()
{
    auto &network = m_provider->manager<view::ConfigureSystemNetworkViewManager>();
    QTRY_COMPARE(pageName(), QStringLiteral("networkListPage"));
    QTRY_COMPARE(network.ipDetectModel()->rowCount(), 1);
    QCOMPARE(network.saunaListModel()->rowCount(), 0);

    // "IP detect", then the address and the port typed into the form, then "Detect".
    emit m_sender.rowItemSelected(network.ipDetectModel()->getApplId(0));
    QTRY_COMPARE(pageName(), QStringLiteral("networkIpConnectPage"));
    QTRY_COMPARE(network.ipConnectModel()->rowCount(), 3);
    auto *address =
        m_view->rootObject()->findChild<QQuickItem *>(QStringLiteral("networkIpAddressField"));
    QVERIFY(address);
    QVERIFY(QMetaObject::invokeMethod(address, "committed",
                                      Q_ARG(QString, QStringLiteral("127.0.0.1"))));
    auto *port = m_view->rootObject()->findChild<QQuickItem *>(QStringLiteral("networkPortField"));
    QVERIFY(port);
    QVERIFY(QMetaObject::invokeMethod(port, "committed",
                                      Q_ARG(QString, QString::number(m_sauna->announcePort()))));
    QCOMPARE(address->property("text").toString(), QStringLiteral("127.0.0.1"));
    QCOMPARE(network.formPort(), int(m_sauna->announcePort()));

    QSignalSpy detected(m_link.get(), &pcPanel::SaunaCommunication::ipDetectDone);
    emit m_sender.buttonPressed(network.ipConnectModel()->getApplId(2));
    QTRY_COMPARE(pageName(), QStringLiteral("networkListPage"));
    QVERIFY(detected.wait(waitMs));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    QTRY_COMPARE(network.saunaListModel()->rowCount(), 1);
    QCOMPARE(modelReader::texts(*network.saunaListModel(), "textOnSubMenu"),
             QStringList{QStringLiteral("Loft sauna")});
}

void TestNetworkScreenEndToEnd::connectWithPin(const QString &pin)
{
    auto &network = m_provider->manager<view::ConfigureSystemNetworkViewManager>();
    emit m_sender.buttonPressed(ConfigureTypes::E_networkChangePin);
    QTRY_COMPARE(pageName(), QStringLiteral("networkPinEditorPage"));
    QVERIFY(QMetaObject::invokeMethod(
        m_view->rootObject()->findChild<QQuickItem *>(QStringLiteral("networkPinEditorPage")),
        "save", Q_ARG(QVariant, pin)));
    QTRY_COMPARE(pageName(), QStringLiteral("networkSaunaDetailsPage"));
    QTRY_COMPARE(m_link->remoteSaunas().front().pin.pin(), pin);
    QTRY_COMPARE(modelReader::applIds(*network.saunaDetailsModel()).last(),
                 int(ConfigureTypes::E_networkConnect));
    emit m_sender.buttonPressed(ConfigureTypes::E_networkConnect);
}

void TestNetworkScreenEndToEnd::detectOpenEnterPinAndConnect()
{
    auto &network = m_provider->manager<view::ConfigureSystemNetworkViewManager>();
    QSignalSpy informerMessages(m_informer.get(),
                                &pcPanel::ConnectionInformer::panelUserMessageIssued);

    detectSimulator();
    saveScreenshot(QStringLiteral("network_list"));

    emit m_sender.rowItemSelected(network.saunaListModel()->getApplId(0));
    QTRY_COMPARE(pageName(), QStringLiteral("networkSaunaDetailsPage"));
    QTRY_COMPARE(network.saunaDetailsInfoModel()->rowCount(), 4);
    QCOMPARE(modelReader::value(*network.saunaDetailsModel(), 0, "value").toString(),
             QStringLiteral("Loft sauna"));

    // A wrong PIN: the sauna refuses, the panel says why and stays unconnected.
    QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
    connectWithPin(QStringLiteral("1111"));
    QVERIFY(refused.wait(waitMs));
    QTRY_VERIFY(std::any_of(informerMessages.begin(), informerMessages.end(),
                            [](const QList<QVariant> &arguments) {
                                return arguments.at(0).value<UserMessage>().id == pinFailMessageId;
                            }));
    QVERIFY(!m_link->isConnected());
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
    QVERIFY(!m_temperature->targetTemperatureManager()->value().has_value());

    // The right PIN connects; the main screen's controllers then show the sauna's values.
    QSignalSpy connected(m_link.get(), &pcPanel::SaunaCommunication::connectedChanged);
    connectWithPin(QStringLiteral("2580"));
    QTRY_VERIFY_WITH_TIMEOUT(m_link->isConnected(), waitMs);
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_temperature->targetTemperatureManager()->value().has_value(),
                             waitMs);
    QTRY_COMPARE(
        modelReader::applIds(*network.saunaDetailsModel()),
        (QList<int>{0, 0, ConfigureTypes::E_networkChangePin, ConfigureTypes::E_networkDisconnect,
                    ConfigureTypes::E_networkUpdate}));
    saveScreenshot(QStringLiteral("network_details"));
}

QTEST_MAIN(TestNetworkScreenEndToEnd)
#include "tst_network_screen_end_to_end.moc"
