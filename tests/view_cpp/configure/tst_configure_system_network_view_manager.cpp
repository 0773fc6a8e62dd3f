#include "fake_sauna_link.h"
#include "model_reader.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/type_registration.h"
#include "signal_interface/user_message_action.h"
#include "view_cpp/component_types.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/date_time_formatter.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <memory>
#include <type_traits>
#include <utility>

using signalInterface::ConfigureTypes;
using signalInterface::UserMessageAction;
using signalInterface::RemoteSaunaTypes::RemoteSauna;
using signalInterface::UserMessageTypes::UserMessage;
using view::ConfigureSystemNetworkViewManager;

namespace {

constexpr qint64 clockStart = 1'000'000;

RemoteSauna sauna(const QString &name, int order, qint64 lastAnnouncement,
                  const QString &address = QStringLiteral("10.0.0.5"))
{
    RemoteSauna record;
    // Identities that sort in the given order.
    record.identity =
        QUuid(QStringLiteral("{00000000-0000-0000-0000-%1}").arg(order, 12, 10, QLatin1Char('0')));
    record.name = name;
    record.rcbProduct = signalInterface::MasterFuncDescTypes::E_sauna;
    record.address = address.isEmpty() ? QHostAddress() : QHostAddress(address);
    record.port = 49152;
    record.linkValue = lastAnnouncement;
    return record;
}

} // namespace

namespace {

// What the screen keeps to itself: its timing constants and message ids, the shown sauna and the
// stale timer.
template<typename T, typename = void>
struct HasPublicShownSauna : std::false_type
{};
template<typename T>
struct HasPublicShownSauna<T, std::void_t<decltype(std::declval<const T &>().shownSauna())>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasPublicStaleTimer : std::false_type
{};
template<typename T>
struct HasPublicStaleTimer<T, std::void_t<decltype(std::declval<T &>().staleTimer())>> :
    std::true_type
{};
template<typename T, typename = void>
struct HasPublicFreshAnnouncement : std::false_type
{};
template<typename T>
struct HasPublicFreshAnnouncement<T, std::void_t<decltype(T::freshAnnouncementMs)>> : std::true_type
{};
template<typename T, typename = void>
struct HasPublicMessageIds : std::false_type
{};
template<typename T>
struct HasPublicMessageIds<
    T, std::void_t<decltype(T::detectingSystemMessageId), decltype(T::systemFoundMessageId)>> :
    std::true_type
{};
static_assert(!HasPublicShownSauna<ConfigureSystemNetworkViewManager>::value);
static_assert(!HasPublicMessageIds<ConfigureSystemNetworkViewManager>::value);
static_assert(!HasPublicStaleTimer<ConfigureSystemNetworkViewManager>::value);
static_assert(!HasPublicFreshAnnouncement<ConfigureSystemNetworkViewManager>::value);

} // namespace

class TestConfigureSystemNetworkViewManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void connectOperationsConnectEverySignal();
    void noKnownSystemShowsToggleAndIpDetectRow();
    void staleSystemsShowTheirNameInParentheses_data();
    void staleSystemsShowTheirNameInParentheses();
    void rowIdsFollowMapOrderAndSelection();
    void selectedRowOpensItsDetailsByAbsoluteId();
    void rowIdsOutsideTheListAreIgnored_data();
    void rowIdsOutsideTheListAreIgnored();
    void selectionChangeMovesTheCheckmarkAtOnce();
    void autoConnectToggleRequestsTheOppositeOfShown_data();
    void autoConnectToggleRequestsTheOppositeOfShown();
    void autoConnectFollowsTheLinkOnAndOff();
    void detailsButtons_data();
    void detailsButtons();
    void detailsTextsOfNeverAnnouncedSystem();
    void detailsLastAnnouncementAndDeleteApplicable_data();
    void detailsLastAnnouncementAndDeleteApplicable();
    void detailsOfferDeleteOnceTheShownSystemTurnsStale();
    void detailsPageFollowsTheShownSauna();
    void detailsOfOtherSaunaIgnoreUnrelatedReports();
    void removingTheShownSaunaLeavesTheDetailsPage();
    void deleteAskedAndDoneOnYesOnly_data();
    void deleteAskedAndDoneOnYesOnly();
    void pinEntry_data();
    void pinEntry();
    void pinEntryWithoutShownSaunaDoesNothing();
    void ipAddressEntry_data();
    void ipAddressEntry();
    void portEntry_data();
    void portEntry();
    void networkPageResetsTheFormQuietly();
    void ipConnectPageStartsFromTheHostNetwork();
    void detectSendsTheFormAddress();
    void detectNoticeNamesTheSearchedAddress();
    void detectWithoutAddressIsRefused();
    void connectDisconnectAndUpdateButtons();
    void linkNotices();
    void hidingThePagesDeletesTheirRows();

private:
    ConfigureSystemNetworkViewManager &manager() { return *m_manager; }
    void showDetailsOf(int row);
    // A missing signal reads as a default message: the comparison fails and the test runs on.
    static UserMessage messageOf(const QSignalSpy &spy, int index = 0)
    {
        return spy.value(index).value(0).value<UserMessage>();
    }

    qint64 m_now = clockStart;
    QDateTime m_wallClock;
    QList<QHostAddress> m_localAddresses;
    FakeSaunaLink m_link;
    FakeNetworkView m_view;
    std::unique_ptr<ConfigureSystemNetworkViewManager> m_manager;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
};

void TestConfigureSystemNetworkViewManager::initTestCase()
{
    signalInterface::registerMetaTypes();
}

void TestConfigureSystemNetworkViewManager::init()
{
    m_now = clockStart;
    m_wallClock = QDateTime(QDate(2024, 3, 9), QTime(12, 30, 15));
    m_localAddresses.clear();
    ConfigureSystemNetworkViewManager::Environment environment{[this] { return m_now; },
                                                               [this] { return m_wallClock; },
                                                               [this] {
                                                                   return m_localAddresses;
                                                               }};
    m_manager = std::make_unique<ConfigureSystemNetworkViewManager>(nullptr, environment);
    QCOMPARE(m_manager->connectToView({&m_view}), 0);
    QCOMPARE(m_manager->connectCommunicationSignals({&m_link}), 0);
    for (view::ListModel *model :
         {m_manager->autoConnectModel(), m_manager->saunaListModel(), m_manager->ipDetectModel(),
          m_manager->ipConnectModel(), m_manager->saunaDetailsModel(),
          m_manager->saunaDetailsInfoModel()})
        m_testers.push_back(std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::QtTest));
}

void TestConfigureSystemNetworkViewManager::cleanup()
{
    m_testers.clear();
    m_manager.reset();
}

void TestConfigureSystemNetworkViewManager::showDetailsOf(int row)
{
    emit m_view.rowItemSelected(manager().saunaListModel()->getApplId(row));
    emit m_view.saunaDetailsViewVisibleChanged(true);
}

void TestConfigureSystemNetworkViewManager::connectOperationsConnectEverySignal()
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.core.qobject.connect=false\npanel.shared=false"));
    QObject plain;
    // Twelve QML signals and seven link signals, each missing on a plain object.
    QCOMPARE(manager().connectToView({&plain}), 12);
    QCOMPARE(manager().connectCommunicationSignals({&plain}), 7);
    QCOMPARE(manager().connectToView({}), 0);
}

void TestConfigureSystemNetworkViewManager::noKnownSystemShowsToggleAndIpDetectRow()
{
    emit m_view.networkViewVisibleChanged(true);
    QCOMPARE(manager().saunaListModel()->rowCount(), 0);
    QCOMPARE(modelReader::applIds(*manager().autoConnectModel()),
             QList<int>{ConfigureTypes::E_networkAutoConnect});
    QCOMPARE(modelReader::value(*manager().autoConnectModel(), 0, "componentType").toInt(),
             int(view::ComponentTypes::E_toggle));
    QCOMPARE(modelReader::texts(*manager().autoConnectModel(), "value"),
             QStringList{QStringLiteral("Auto connect")});
    QCOMPARE(modelReader::applIds(*manager().ipDetectModel()), QList<int>{0});
    QCOMPARE(modelReader::texts(*manager().ipDetectModel(), "textOnSubMenu"),
             QStringList{QStringLiteral("IP detect")});
    QCOMPARE(modelReader::texts(*manager().ipDetectModel(), "layoutOrder"),
             QStringList{QStringLiteral("single")});
}

void TestConfigureSystemNetworkViewManager::staleSystemsShowTheirNameInParentheses_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("neverAnnounced");
    QTest::addColumn<QString>("shown");
    QTest::newRow("just announced") << qint64(0) << false << "Spa";
    QTest::newRow("60.999 s old") << qint64(60999) << false << "Spa";
    QTest::newRow("61 s old") << qint64(61000) << false << "(Spa)";
    QTest::newRow("announced in the future") << qint64(-5000) << false << "Spa";
    QTest::newRow("never announced") << qint64(0) << true << "(Spa)";
}

void TestConfigureSystemNetworkViewManager::staleSystemsShowTheirNameInParentheses()
{
    QFETCH(qint64, age);
    QFETCH(bool, neverAnnounced);
    QFETCH(QString, shown);
    emit m_link.remoteSaunaChanged(
        sauna(QStringLiteral("Spa"), 1, neverAnnounced ? 0 : m_now - age));
    emit m_view.networkViewVisibleChanged(true);
    QCOMPARE(modelReader::texts(*manager().saunaListModel(), "textOnSubMenu"), QStringList{shown});
}

void TestConfigureSystemNetworkViewManager::rowIdsFollowMapOrderAndSelection()
{
    emit m_view.networkViewVisibleChanged(true);
    // Reported out of order; listed by identity.
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("C"), 3, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 2, 0).identity);

    const view::ListModel &list = *manager().saunaListModel();
    QCOMPARE(modelReader::texts(list, "textOnSubMenu"), (QStringList{"A", "B", "C"}));
    QCOMPARE(modelReader::applIds(list), (QList<int>{1, -2, 3}));
    QCOMPARE(modelReader::column(list, "checkmarkChecked"), (QVariantList{false, true, false}));
    QCOMPARE(modelReader::texts(list, "typeOfItem"),
             (QStringList{"selectableSubmenu", "selectableSubmenu", "selectableSubmenu"}));
    QCOMPARE(modelReader::texts(list, "layoutOrder"), (QStringList{"top", "centre", "bottom"}));
}

void TestConfigureSystemNetworkViewManager::selectedRowOpensItsDetailsByAbsoluteId()
{
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 2, 0).identity);
    emit m_view.networkViewVisibleChanged(true);

    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    emit m_view.rowItemSelected(-2);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkSaunaDetails));
    QCOMPARE(manager().shownSauna(), std::optional<QUuid>(sauna(QString(), 2, 0).identity));

    emit m_view.rowItemSelected(0);
    QCOMPARE(edits.last().at(0).toInt(), int(ConfigureTypes::E_networkSpecialIpConnect));
}

void TestConfigureSystemNetworkViewManager::rowIdsOutsideTheListAreIgnored_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("past the end") << 3;
    QTest::newRow("negative past the end") << -3;
    QTest::newRow("most negative int") << INT_MIN;
    QTest::newRow("largest int") << INT_MAX;
}

void TestConfigureSystemNetworkViewManager::rowIdsOutsideTheListAreIgnored()
{
    QFETCH(int, id);
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    emit m_view.rowItemSelected(id);
    QCOMPARE(edits.size(), 0);
    QVERIFY(!manager().shownSauna().has_value());
}

void TestConfigureSystemNetworkViewManager::selectionChangeMovesTheCheckmarkAtOnce()
{
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 1, 0).identity);
    emit m_view.networkViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(*manager().saunaListModel()), (QList<int>{-1, 2}));

    emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 2, 0).identity);
    QCOMPARE(modelReader::applIds(*manager().saunaListModel()), (QList<int>{1, -2}));
    QCOMPARE(modelReader::column(*manager().saunaListModel(), "checkmarkChecked"),
             (QVariantList{false, true}));

    // An identity the screen does not know selects nothing.
    emit m_link.selectedRemoteSaunaChanged(QUuid::createUuid());
    QCOMPARE(modelReader::applIds(*manager().saunaListModel()), (QList<int>{1, 2}));
}

void TestConfigureSystemNetworkViewManager::autoConnectToggleRequestsTheOppositeOfShown_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("requested");
    QTest::newRow("shown on: switch off") << 11 << true << 1 << false;
    QTest::newRow("shown off: switch on") << 11 << false << 1 << true;
    QTest::newRow("other id") << 12 << false << 0 << false;
}

void TestConfigureSystemNetworkViewManager::autoConnectToggleRequestsTheOppositeOfShown()
{
    QFETCH(int, id);
    QFETCH(bool, shown);
    QFETCH(int, requests);
    QFETCH(bool, requested);
    emit m_link.autoConnectChanged(shown);
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy spy(&manager(), &ConfigureSystemNetworkViewManager::autoConnectChangeRequest);
    emit m_view.toggleChanged(id, shown);
    QCOMPARE(spy.size(), requests);
    if (requests > 0)
        QCOMPARE(spy.at(0).at(0).toBool(), requested);
    // The switch keeps showing the old state until the link reports the new one.
    QCOMPARE(modelReader::value(*manager().autoConnectModel(), 0, "value2").toBool(), shown);
}

void TestConfigureSystemNetworkViewManager::autoConnectFollowsTheLinkOnAndOff()
{
    // The link answers every request with its new state, as the real one does.
    connect(&manager(), &ConfigureSystemNetworkViewManager::autoConnectChangeRequest, &m_link,
            &FakeSaunaLink::autoConnectChanged);
    emit m_view.networkViewVisibleChanged(true);
    const view::ListModel &model = *manager().autoConnectModel();
    QCOMPARE(modelReader::value(model, 0, "value2").toBool(), false);

    emit m_view.toggleChanged(ConfigureTypes::E_networkAutoConnect, false);
    QCOMPARE(modelReader::value(model, 0, "value2").toBool(), true);
    emit m_view.toggleChanged(ConfigureTypes::E_networkAutoConnect, true);
    QCOMPARE(modelReader::value(model, 0, "value2").toBool(), false);
}

void TestConfigureSystemNetworkViewManager::detailsButtons_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("connected and selected")
        << true << true << "10.0.0.5" << QList<int>{0, 0, 16, 18, 19}
        << QStringList{"A", "", "Enter PIN", "Disconnect", "Update"};
    QTest::newRow("connected to another") << true << false << "10.0.0.5" << QList<int>{0, 0, 16, 17}
                                          << QStringList{"A", "", "Enter PIN", "Connect"};
    QTest::newRow("selected, not connected")
        << false << true << "10.0.0.5" << QList<int>{0, 0, 16, 17}
        << QStringList{"A", "", "Enter PIN", "Connect"};
    QTest::newRow("no address") << false << false << "" << QList<int>{0, 0, 16}
                                << QStringList{"A", "", "Enter PIN"};
}

void TestConfigureSystemNetworkViewManager::detailsButtons()
{
    QFETCH(bool, connected);
    QFETCH(bool, selected);
    QFETCH(QString, address);
    QFETCH(QList<int>, ids);
    QFETCH(QStringList, texts);
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now, address));
    if (selected)
        emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 1, 0).identity);
    emit m_link.connectedChanged(connected);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);

    const view::ListModel &details = *manager().saunaDetailsModel();
    QCOMPARE(modelReader::applIds(details), ids);
    QCOMPARE(modelReader::texts(details, "value"), texts);
    QCOMPARE(modelReader::value(details, 1, "componentType").toInt(),
             int(view::ComponentTypes::E_divider_large));
    QCOMPARE(modelReader::value(details, 0, "value2").toInt(), 16);
}

void TestConfigureSystemNetworkViewManager::detailsTextsOfNeverAnnouncedSystem()
{
    const RemoteSauna record = sauna(QStringLiteral("Garden"), 1, 0, QString());
    emit m_link.remoteSaunaChanged(record);
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy deletable(&manager(),
                         &ConfigureSystemNetworkViewManager::saunaDetailsDeleteApplicable);
    showDetailsOf(0);
    QCOMPARE(modelReader::texts(*manager().saunaDetailsInfoModel(), "value"),
             (QStringList{QStringLiteral("System: Sauna"),
                          QStringLiteral("Id: ") + record.identity.toString(),
                          QStringLiteral("IP address: unknown"),
                          QStringLiteral("Last announcement: none")}));
    QCOMPARE(deletable.size(), 1);
    QCOMPARE(deletable.at(0).at(0).toBool(), true);
}

void TestConfigureSystemNetworkViewManager::detailsLastAnnouncementAndDeleteApplicable_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<bool>("deletable");
    QTest::newRow("30.5 s ago") << qint64(30500) << "12:29:45" << false;
    QTest::newRow("60.999 s ago") << qint64(60999) << "12:29:15" << false;
    QTest::newRow("61 s ago") << qint64(61000) << "12:29:14" << true;
}

void TestConfigureSystemNetworkViewManager::detailsLastAnnouncementAndDeleteApplicable()
{
    QFETCH(qint64, age);
    QFETCH(QString, moment);
    QFETCH(bool, deletable);
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now - age));
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy spy(&manager(), &ConfigureSystemNetworkViewManager::saunaDetailsDeleteApplicable);
    showDetailsOf(0);

    const view::DateTimeFormatter *formatter = view::DateTimeFormatter::instance();
    const QString expected = QStringLiteral("Last announcement: ") +
                             formatter->formatDate(QDate(2024, 3, 9)) + QLatin1Char(' ') +
                             formatter->formatTimeWithSeconds(QTime::fromString(moment));
    QCOMPARE(modelReader::value(*manager().saunaDetailsInfoModel(), 3, "value").toString(),
             expected);
    QCOMPARE(modelReader::value(*manager().saunaDetailsInfoModel(), 2, "value").toString(),
             QStringLiteral("IP address: 10.0.0.5:49152"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), deletable);
}

void TestConfigureSystemNetworkViewManager::detailsOfferDeleteOnceTheShownSystemTurnsStale()
{
    // Heard of 30 s ago, then never again while its page stays open.
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now - 30000));
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy deletable(&manager(),
                         &ConfigureSystemNetworkViewManager::saunaDetailsDeleteApplicable);
    showDetailsOf(0);
    QCOMPARE(deletable.size(), 1);
    QCOMPARE(deletable.last().at(0).toBool(), false);

    // The page is checked again at the first moment the system counts as stale.
    QTimer &timer = manager().staleTimer();
    QVERIFY(timer.isActive());
    QVERIFY(timer.isSingleShot());
    QCOMPARE(timer.interval(), 31000);
    m_now += 31000;
    QVERIFY(QMetaObject::invokeMethod(&timer, "timeout"));
    QCOMPARE(deletable.size(), 2);
    QCOMPARE(deletable.last().at(0).toBool(), true);
    QVERIFY(!timer.isActive());

    // A new announcement takes the offer back, and the wait starts anew.
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    QCOMPARE(deletable.last().at(0).toBool(), false);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 61000);

    // Nothing is checked for a page that is not shown.
    emit m_view.saunaDetailsViewVisibleChanged(false);
    QVERIFY(!timer.isActive());
    const qsizetype before = deletable.size();
    m_now += 61000;
    QVERIFY(QMetaObject::invokeMethod(&timer, "timeout"));
    QCOMPARE(deletable.size(), before);

    // A system never heard of needs no check: it is stale at once.
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, 0));
    showDetailsOf(1);
    QCOMPARE(deletable.last().at(0).toBool(), true);
    QVERIFY(!timer.isActive());
}

void TestConfigureSystemNetworkViewManager::detailsPageFollowsTheShownSauna()
{
    // The shown sauna is not the selected one: its changes still reach its page.
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, 0, QString()));
    emit m_link.selectedRemoteSaunaChanged(sauna(QString(), 1, 0).identity);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(1);
    QCOMPARE(modelReader::applIds(*manager().saunaDetailsModel()), (QList<int>{0, 0, 16}));

    RemoteSauna found = sauna(QStringLiteral("B renamed"), 2, m_now, QStringLiteral("10.0.0.9"));
    emit m_link.remoteSaunaChanged(found);
    QCOMPARE(modelReader::applIds(*manager().saunaDetailsModel()), (QList<int>{0, 0, 16, 17}));
    QCOMPARE(modelReader::value(*manager().saunaDetailsModel(), 0, "value").toString(),
             QStringLiteral("B renamed"));
    QCOMPARE(modelReader::value(*manager().saunaDetailsInfoModel(), 2, "value").toString(),
             QStringLiteral("IP address: 10.0.0.9:49152"));
}

void TestConfigureSystemNetworkViewManager::detailsOfOtherSaunaIgnoreUnrelatedReports()
{
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    QSignalSpy reset(manager().saunaDetailsModel(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(manager().saunaDetailsModel(), &QAbstractItemModel::rowsRemoved);
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B2"), 2, m_now));
    QCOMPARE(reset.size() + removed.size(), 0);
    QCOMPARE(modelReader::value(*manager().saunaDetailsModel(), 0, "value").toString(),
             QStringLiteral("A"));
}

void TestConfigureSystemNetworkViewManager::removingTheShownSaunaLeavesTheDetailsPage()
{
    const RemoteSauna record = sauna(QStringLiteral("A"), 1, m_now);
    emit m_link.remoteSaunaChanged(record);
    emit m_link.selectedRemoteSaunaChanged(record.identity);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    QSignalSpy connects(&manager(), &ConfigureSystemNetworkViewManager::connectRequest);

    emit m_link.remoteSaunaRemoved(record);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkRoot));
    QCOMPARE(manager().saunaDetailsModel()->rowCount(), 0);
    QCOMPARE(manager().saunaListModel()->rowCount(), 0);

    // Later reports and touches find no record and read none.
    emit m_link.connectedChanged(true);
    emit m_view.buttonPressed(ConfigureTypes::E_networkConnect);
    QCOMPARE(connects.size(), 0);
    QCOMPARE(modelReader::applIds(*manager().saunaDetailsModel()), (QList<int>{0, 0, 16}));
    QCOMPARE(modelReader::value(*manager().saunaDetailsModel(), 0, "value").toString(), QString());
}

void TestConfigureSystemNetworkViewManager::deleteAskedAndDoneOnYesOnly_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << 2 << true;
    QTest::newRow("none") << 0 << false;
    QTest::newRow("acknowledged") << 1 << false;
    QTest::newRow("no") << 3 << false;
}

void TestConfigureSystemNetworkViewManager::deleteAskedAndDoneOnYesOnly()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    const RemoteSauna record = sauna(QStringLiteral("A"), 1, 0);
    emit m_link.remoteSaunaChanged(record);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);
    QSignalSpy changes(&manager(), &ConfigureSystemNetworkViewManager::remoteSaunaChangeRequest);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);

    emit m_view.remoteSaunaDeleteSelected();
    QCOMPARE(messages.size(), 1);
    const UserMessage question = messageOf(messages);
    QCOMPARE(question.id, 0x2025u);
    QCOMPARE(int(question.type), 2);
    QVERIFY(question.arguments.isEmpty());
    auto *action = messages.at(0).at(1).value<UserMessageAction *>();
    QVERIFY(action != nullptr);
    QCOMPARE(changes.size(), 0);

    action->execute(static_cast<signalInterface::UserMessageTypes::UserMessageAnswer>(answer));
    QCOMPARE(changes.size(), deleted ? 1 : 0);
    QCOMPARE(edits.size(), deleted ? 1 : 0);
    if (deleted) {
        QCOMPARE(changes.at(0).at(0).value<RemoteSauna>(), record);
        QCOMPARE(changes.at(0).at(1).toBool(), false);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkRoot));
    }
    // The screen's list changes only by the link's report.
    QCOMPARE(manager().saunaListModel()->rowCount(), 1);
}

void TestConfigureSystemNetworkViewManager::pinEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("four digits") << "1234" << true;
    QTest::newRow("one digit") << "7" << true;
    QTest::newRow("leading zeros") << "0042" << true;
    QTest::newRow("five digits") << "12345" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "12a4" << false;
    QTest::newRow("non-ASCII letter") << QStringLiteral("\u00e4123") << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663\u0664") << false;
    QTest::newRow("blank") << " 123" << false;
}

void TestConfigureSystemNetworkViewManager::pinEntry()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const RemoteSauna record = sauna(QStringLiteral("A"), 1, m_now);
    emit m_link.remoteSaunaChanged(record);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    QSignalSpy changes(&manager(), &ConfigureSystemNetworkViewManager::remoteSaunaChangeRequest);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::editMessage);

    emit m_view.remoteSaunaPinChanged(text);
    if (accepted) {
        QCOMPARE(changes.size(), 1);
        RemoteSauna expected = record;
        expected.pin.setPin(text);
        QCOMPARE(changes.at(0).at(0).value<RemoteSauna>(), expected);
        QCOMPARE(changes.at(0).at(0).value<RemoteSauna>().pin.pin(), text);
        QCOMPARE(changes.at(0).at(1).toBool(), true);
        QCOMPARE(messages.size(), 0);
    } else {
        QCOMPARE(changes.size(), 0);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkChangePin));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("The PIN must be 1 to 4 digits"));
    }
}

void TestConfigureSystemNetworkViewManager::pinEntryWithoutShownSaunaDoesNothing()
{
    QSignalSpy changes(&manager(), &ConfigureSystemNetworkViewManager::remoteSaunaChangeRequest);
    emit m_view.remoteSaunaPinChanged(QStringLiteral("1234"));
    QCOMPARE(changes.size(), 0);
}

void TestConfigureSystemNetworkViewManager::ipAddressEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("private address") << "192.168.1.10"
                                     << "192.168.1.10";
    QTest::newRow("loopback") << "127.0.0.1"
                              << "127.0.0.1";
    QTest::newRow("zero part") << "10.0.0.1"
                               << "10.0.0.1";
    QTest::newRow("surrounding blanks") << " 10.1.2.3 "
                                        << "10.1.2.3";
    QTest::newRow("part above 255") << "300.1.1.1"
                                    << "";
    QTest::newRow("leading zeros (octal)") << "192.168.001.010"
                                           << "";
    QTest::newRow("two parts") << "10.1"
                               << "";
    QTest::newRow("whole number") << "3232235777"
                                  << "";
    QTest::newRow("hexadecimal") << "0x0a.0.0.1"
                                 << "";
    QTest::newRow("IPv6") << "::1"
                          << "";
    QTest::newRow("IPv4-mapped IPv6") << "::ffff:10.0.0.1"
                                      << "";
    QTest::newRow("this network") << "0.0.0.0"
                                  << "";
    QTest::newRow("broadcast") << "255.255.255.255"
                               << "";
    QTest::newRow("multicast") << "224.0.0.1"
                               << "";
    QTest::newRow("reserved") << "240.0.0.1"
                              << "";
    QTest::newRow("sign") << "+10.0.0.1"
                          << "";
    QTest::newRow("empty part") << "10..0.1"
                                << "";
    QTest::newRow("five parts") << "10.0.0.1.5"
                                << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("host name") << "sauna.local"
                               << "";
}

void TestConfigureSystemNetworkViewManager::ipAddressEntry()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    emit m_view.networkViewVisibleChanged(true);
    const QHostAddress before = manager().formAddress();
    QSignalSpy addresses(&manager(), &ConfigureSystemNetworkViewManager::systemIpAddressChanged);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::editMessage);
    // One spy on both, to see their order.
    QStringList order;
    connect(&manager(), &ConfigureSystemNetworkViewManager::editSelected, this,
            [&order](int id) { order << QStringLiteral("edit %1").arg(id); });
    connect(&manager(), &ConfigureSystemNetworkViewManager::editMessage, this,
            [&order](const QString &message) { order << message; });

    emit m_view.manualAddSystemIpAddressCommit(text);
    if (!stored.isEmpty()) {
        QCOMPARE(addresses.size(), 1);
        QCOMPARE(addresses.at(0).at(0).toString(), stored);
        QCOMPARE(manager().formAddress(), QHostAddress(stored));
        QVERIFY(order.isEmpty());
    } else {
        QCOMPARE(addresses.size(), 0);
        QCOMPARE(order, (QStringList{"edit 14", "Invalid IP address"}));
        QCOMPARE(manager().formAddress(), before);
    }
}

void TestConfigureSystemNetworkViewManager::portEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("lowest") << "1" << 1;
    QTest::newRow("default") << "49152" << 49152;
    QTest::newRow("above range") << "65536" << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("negative") << "-1" << 0;
    QTest::newRow("letters") << "12a" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("huge") << "99999999999" << 0;
}

void TestConfigureSystemNetworkViewManager::portEntry()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    emit m_view.networkViewVisibleChanged(true);
    QSignalSpy ports(&manager(), &ConfigureSystemNetworkViewManager::systemIpPortChanged);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::editMessage);
    emit m_view.manualAddSystemPortChanged(text);
    if (stored != 0) {
        QCOMPARE(ports.size(), 1);
        QCOMPARE(ports.at(0).at(0).toInt(), stored);
        QCOMPARE(manager().formPort(), stored);
    } else {
        QCOMPARE(ports.size(), 0);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkEditPort));
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("Invalid port"));
        QCOMPARE(manager().formPort(), 49152);
    }
}

void TestConfigureSystemNetworkViewManager::networkPageResetsTheFormQuietly()
{
    QSignalSpy addresses(&manager(), &ConfigureSystemNetworkViewManager::systemIpAddressChanged);
    QSignalSpy ports(&manager(), &ConfigureSystemNetworkViewManager::systemIpPortChanged);
    emit m_view.manualAddSystemIpAddressCommit(QStringLiteral("10.9.8.7"));
    emit m_view.networkViewVisibleChanged(true);
    QCOMPARE(manager().formAddress(), QHostAddress(QStringLiteral("11.22.33.44")));
    QCOMPARE(manager().formPort(), 49152);
    QCOMPARE(addresses.size(), 1);
    QCOMPARE(ports.size(), 0);

    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    emit m_view.saunaIpAddressEditActivated();
    QCOMPARE(addresses.last().at(0).toString(), QStringLiteral("11.22.33.44"));
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.last().at(0).toInt(), int(ConfigureTypes::E_networkEditIpAddress));
    emit m_view.saunaIpPortEditActivated();
    QVERIFY(!ports.isEmpty());
    QCOMPARE(ports.last().at(0).toInt(), 49152);
    QCOMPARE(edits.last().at(0).toInt(), int(ConfigureTypes::E_networkEditPort));
}

void TestConfigureSystemNetworkViewManager::ipConnectPageStartsFromTheHostNetwork()
{
    m_localAddresses = {QHostAddress(QStringLiteral("192.168.1.37")),
                        QHostAddress(QStringLiteral("10.0.0.2"))};
    QSignalSpy addresses(&manager(), &ConfigureSystemNetworkViewManager::systemIpAddressChanged);
    QSignalSpy ports(&manager(), &ConfigureSystemNetworkViewManager::systemIpPortChanged);
    emit m_view.networkIpConnectViewVisibleChanged(true);
    QCOMPARE(addresses.size(), 1);
    QCOMPARE(addresses.at(0).at(0).toString(), QStringLiteral("192.168.1.0"));
    QCOMPARE(ports.size(), 1);
    QCOMPARE(ports.at(0).at(0).toInt(), 54378);

    const view::ListModel &page = *manager().ipConnectModel();
    QCOMPARE(modelReader::applIds(page), (QList<int>{0, 0, 20}));
    // One line under the fields, then room: never two lines stacked.
    QCOMPARE(modelReader::value(page, 0, "componentType").toInt(),
             int(view::ComponentTypes::E_divider_small));
    QCOMPARE(modelReader::value(page, 1, "componentType").toInt(),
             int(view::ComponentTypes::E_divider_large));
    QCOMPARE(modelReader::value(page, 2, "componentType").toInt(),
             int(view::ComponentTypes::E_button));
    QCOMPARE(modelReader::value(page, 2, "value").toString(), QStringLiteral("Detect"));

    emit m_view.networkIpConnectViewVisibleChanged(false);
    QCOMPARE(page.rowCount(), 0);

    m_localAddresses.clear();
    emit m_view.networkIpConnectViewVisibleChanged(true);
    QCOMPARE(addresses.last().at(0).toString(), QString());
    QVERIFY(manager().formAddress().isNull());
}

void TestConfigureSystemNetworkViewManager::detectSendsTheFormAddress()
{
    emit m_view.networkIpConnectViewVisibleChanged(true);
    emit m_view.manualAddSystemIpAddressCommit(QStringLiteral("127.0.0.1"));
    emit m_view.manualAddSystemPortChanged(QStringLiteral("40001"));
    QSignalSpy detects(&manager(), &ConfigureSystemNetworkViewManager::ipDetectRequest);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);

    emit m_view.buttonPressed(ConfigureTypes::E_networkDoIpConnect);
    QCOMPARE(detects.size(), 1);
    const auto record = detects.at(0).at(0).value<RemoteSauna>();
    RemoteSauna expected;
    expected.address = QHostAddress(QStringLiteral("127.0.0.1"));
    expected.port = 40001;
    QCOMPARE(record, expected);
    QVERIFY(record.identity.isNull());
    QCOMPARE(record.pin.pin(), signalInterface::PinTypes::Pin::defaultPinText());
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkRoot));
    QCOMPARE(messages.size(), 1);
    const UserMessage notice = messageOf(messages);
    QCOMPARE(notice.id, 0x2041u);
    QCOMPARE(int(notice.type), 1);
    QCOMPARE(int(notice.answer), 1);
    QCOMPARE(notice.timeout, 2468u);
    QCOMPARE(notice.arguments, QStringList{QStringLiteral("127.0.0.1")});
    QCOMPARE(messages.at(0).at(1).value<UserMessageAction *>(), nullptr);
}

void TestConfigureSystemNetworkViewManager::detectNoticeNamesTheSearchedAddress()
{
    emit m_view.networkIpConnectViewVisibleChanged(true);
    emit m_view.manualAddSystemIpAddressCommit(QStringLiteral("127.0.0.1"));
    // The list shows as soon as the search sends the user back to it, before the notice.
    connect(&manager(), &ConfigureSystemNetworkViewManager::editSelected, this, [this](int id) {
        if (id == ConfigureTypes::E_networkRoot)
            emit m_view.networkViewVisibleChanged(true);
    });
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);
    emit m_view.buttonPressed(ConfigureTypes::E_networkDoIpConnect);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messageOf(messages).arguments, QStringList{QStringLiteral("127.0.0.1")});
}

void TestConfigureSystemNetworkViewManager::detectWithoutAddressIsRefused()
{
    // No host address: the form starts without one.
    emit m_view.networkIpConnectViewVisibleChanged(true);
    QSignalSpy detects(&manager(), &ConfigureSystemNetworkViewManager::ipDetectRequest);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::editMessage);
    QSignalSpy notices(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);
    emit m_view.buttonPressed(ConfigureTypes::E_networkDoIpConnect);
    QCOMPARE(detects.size(), 0);
    QCOMPARE(notices.size(), 0);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_networkEditIpAddress));
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("Invalid IP address"));
}

void TestConfigureSystemNetworkViewManager::connectDisconnectAndUpdateButtons()
{
    const RemoteSauna record = sauna(QStringLiteral("Spa"), 1, m_now);
    QSignalSpy connects(&manager(), &ConfigureSystemNetworkViewManager::connectRequest);
    QSignalSpy disconnects(&manager(), &ConfigureSystemNetworkViewManager::disconnectRequest);
    QSignalSpy updates(&manager(), &ConfigureSystemNetworkViewManager::updateSaunaRequest);
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);
    QSignalSpy edits(&manager(), &ConfigureSystemNetworkViewManager::editSelected);

    // Nothing shown: connect does nothing; update names nobody.
    emit m_view.buttonPressed(ConfigureTypes::E_networkConnect);
    QCOMPARE(connects.size(), 0);
    emit m_view.buttonPressed(ConfigureTypes::E_networkUpdate);
    QCOMPARE(messageOf(messages).arguments, QStringList{QString()});

    emit m_link.remoteSaunaChanged(record);
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    emit m_view.buttonPressed(ConfigureTypes::E_networkConnect);
    QCOMPARE(connects.size(), 1);
    QCOMPARE(connects.at(0).at(0).toUuid(), record.identity);
    emit m_view.buttonPressed(ConfigureTypes::E_networkDisconnect);
    QCOMPARE(disconnects.size(), 1);
    emit m_view.buttonPressed(ConfigureTypes::E_networkUpdate);
    QCOMPARE(updates.size(), 2);
    const UserMessage notice = messageOf(messages, 1);
    QCOMPARE(notice.id, 0x2040u);
    QCOMPARE(int(notice.type), 1);
    QCOMPARE(int(notice.answer), 0);
    QCOMPARE(notice.timeout, 3141u);
    QCOMPARE(notice.arguments, QStringList{QStringLiteral("Spa")});
    emit m_view.buttonPressed(ConfigureTypes::E_networkChangePin);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.last().at(0).toInt(), int(ConfigureTypes::E_networkChangePin));
    const qsizetype editCount = edits.size();
    emit m_view.buttonPressed(21);
    emit m_view.buttonPressed(15);
    QCOMPARE(edits.size(), editCount);
}

void TestConfigureSystemNetworkViewManager::linkNotices()
{
    QSignalSpy messages(&manager(), &ConfigureSystemNetworkViewManager::panelUserMessageIssued);
    emit m_link.ipDetectDone(QStringLiteral("10.0.0.5:54378"), true);
    emit m_link.ipDetectDone(QStringLiteral("10.0.0.6:54378"), false);
    emit m_link.isUsingFallbackAnnouncement(54377);
    QCOMPARE(messages.size(), 3);

    // A found system is told as found, not as a second "Detecting".
    const UserMessage found = messageOf(messages, 0);
    QCOMPARE(found.id, 0x204du);
    QCOMPARE(int(found.answer), 1);
    QCOMPARE(found.timeout, 0u);
    QCOMPARE(found.arguments, QStringList{QStringLiteral("10.0.0.5:54378")});
    const UserMessage missing = messageOf(messages, 1);
    QCOMPARE(missing.id, 0x2042u);
    QCOMPARE(int(missing.answer), 0);
    QCOMPARE(missing.arguments, QStringList{QStringLiteral("10.0.0.6:54378")});
    const UserMessage fallback = messageOf(messages, 2);
    QCOMPARE(fallback.id, 0x2044u);
    QCOMPARE(fallback.timeout, 2345u);
    QCOMPARE(fallback.arguments, QStringList{QStringLiteral("54377")});
    for (int index = 0; index < messages.size(); ++index) {
        QCOMPARE(int(messageOf(messages, index).type), 1);
        QCOMPARE(messages.at(index).at(1).value<UserMessageAction *>(), nullptr);
    }
}

void TestConfigureSystemNetworkViewManager::hidingThePagesDeletesTheirRows()
{
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("A"), 1, m_now));
    emit m_view.networkViewVisibleChanged(true);
    showDetailsOf(0);
    emit m_view.saunaDetailsViewVisibleChanged(false);
    emit m_view.networkViewVisibleChanged(false);
    for (view::ListModel *model :
         {manager().autoConnectModel(), manager().saunaListModel(), manager().ipDetectModel(),
          manager().saunaDetailsModel(), manager().saunaDetailsInfoModel()})
        QCOMPARE(model->rowCount(), 0);

    // Reports while hidden are stored and touch no rows.
    emit m_link.autoConnectChanged(true);
    emit m_link.remoteSaunaChanged(sauna(QStringLiteral("B"), 2, m_now));
    emit m_link.connectedChanged(true);
    QCOMPARE(manager().saunaListModel()->rowCount(), 0);
    emit m_view.networkViewVisibleChanged(true);
    QCOMPARE(modelReader::texts(*manager().saunaListModel(), "textOnSubMenu"),
             (QStringList{"A", "B"}));
    QCOMPARE(modelReader::value(*manager().autoConnectModel(), 0, "value2").toBool(), true);
}

QTEST_GUILESS_MAIN(TestConfigureSystemNetworkViewManager)
#include "tst_configure_system_network_view_manager.moc"
