#include "../../qml/capturing_transport.h"
#include "../test_translator.h"
#include "model_reader.h"

#include "control/settings.h"
#include "pc_panel/sauna_system_sender.h"
#include "pc_panel/supported_characters.h"
#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/date_time_formatter.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using signalInterface::AuxiliaryRelayTypes;
using signalInterface::CalendarTypes;
using signalInterface::ConfigureTypes;
using signalInterface::DateTimeTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TimeEditTypes;
using Post = AuxiliaryRelayTypes::AuxiliaryRelayPost;
using Descaling = AuxiliaryRelayTypes::Descaling;
using view::ConfigureSystemAuxDescalingViewManager;
using view::ConfigureSystemAuxFragranceViewManager;
using view::ConfigureSystemAuxViewManager;

namespace {

Post relay(quint32 index, AuxiliaryRelayTypes::Function function = AuxiliaryRelayTypes::E_onOff,
           const QString &name = QString())
{
    Post post;
    post.index = index;
    post.connected = true;
    post.function = function;
    post.name = name;
    return post;
}

Post timed(Post post, quint32 onValue, AuxiliaryRelayTypes::TimeScaling onScaling, quint32 offValue,
           AuxiliaryRelayTypes::TimeScaling offScaling)
{
    post.onTimeValue = onValue;
    post.onTimeScaling = onScaling;
    post.offTimeValue = offValue;
    post.offTimeScaling = offScaling;
    return post;
}

Descaling descalingOn(quint32 relayIndex)
{
    Descaling descaling;
    descaling.enabled = true;
    descaling.relayIndex = relayIndex;
    descaling.weekday = CalendarTypes::E_wednesday;
    descaling.startTime = QTime(2, 30);
    descaling.dosage = 150;
    return descaling;
}

// The time controller's signals that a screen may hear.
class TimeSource : public QObject
{
    Q_OBJECT

signals:
    void weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void systemTimeChanged(QDateTime time);
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
};

// Every signal the options screen sends out, in the order it sent them, as "name:detail".
class Recorder : public QObject
{
public:
    explicit Recorder(ConfigureSystemAuxViewManager &manager)
    {
        connect(&manager, &ConfigureSystemAuxViewManager::editSelected, this,
                [this](int id) { events << QStringLiteral("edit:%1").arg(id); });
        connect(&manager, &ConfigureSystemAuxViewManager::auxRelayUpdateRequested, this,
                [this](const Post &post) {
                    relays << post;
                    events << QStringLiteral("relay:%1").arg(post.index);
                });
        connect(&manager, &ConfigureSystemAuxViewManager::descalingChangeRequested, this,
                [this](const Descaling &descaling) {
                    descalings << descaling;
                    events << QStringLiteral("descaling:%1").arg(descaling.relayIndex);
                });
    }
    QStringList events;
    QList<Post> relays;
    QList<Descaling> descalings;
};

// The sauna link's sender behind a screen's relay and descaling requests.
struct Link
{
    template<typename Screen>
    explicit Link(Screen &screen)
    {
        sender.setTransport(&transport);
        QObject::connect(&screen, &Screen::auxRelayUpdateRequested, &sender,
                         &pcPanel::SaunaSystemSender::onAuxRelayUpdateRequested);
        QObject::connect(&screen, &Screen::descalingChangeRequested, &sender,
                         &pcPanel::SaunaSystemSender::onDescalingChangeRequested);
    }
    sceneTest::CapturingTransport transport;
    pcPanel::SaunaSystemSender sender;
    QSignalSpy messages{&sender, &pcPanel::SaunaSystemSender::panelUserMessageIssued};
};

QStringList column(const view::ListModel &model, const char *role)
{
    return modelReader::texts(model, role);
}

} // namespace

// The auxiliary relay options with their fragrance and descaling settings.
class TestConfigureSystemAux : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }
    void init()
    {
        // No supported-character table unless a test gives one.
        const QString file = control::Settings::settings()->fileName();
        control::Settings::resetForTesting();
        QFile::remove(file);
        pcPanel::SupportedCharacters::resetForTesting();
    }

    void relayListShowsOnlyPresentRelays();
    void nameReportRefreshesWithoutRebuild();
    void reportsOutOfRangeAreIgnored();
    void selectionOutsideTheTableIsIgnored();
    void selectionOpensTheRelayPage();
    void functionRowsAndCheckmarks();
    void descalingRowOfferedWithASteamGenerator();
    void onOffOnTheDescalingRelayDisablesDescalingFirst();
    void fragranceForAFragranceRelaySendsNothing();
    void fragranceForTheDescalingRelay();
    void descalingWithoutADescalingRelay();
    void descalingMovesFromAnotherRelay();
    void descalingOnTheDescalingRelayOnlyOpens();
    void reportedDescalingRelayPastTheTableMeansNone();
    void unknownChoicesChangeNothing_data();
    void unknownChoicesChangeNothing();
    void fragranceConversion_data();
    void fragranceConversion();
    void descalingConversion_data();
    void descalingConversion();
    void renameSendsTheNewName();
    void renameWithUnsupportedCharactersIsRefused();
    void renameWithoutACharacterTableIsAccepted();
    void renameLongerThanTheWireCarriesIsRefused();
    void renameActivatedTwiceAnswersOnce();
    void renameCancelled();
    void languageChangeShowsAtTheNextOpening();

    void fragranceTexts_data();
    void fragranceTexts();
    void fragranceRowsAndEditors();
    void fragranceCommitsAtTheLimits();
    void fragranceCommitWithoutValueSendsNothing();
    void fragranceRefreshWhileHiddenChangesNothing();

    void descalingRows();
    void descalingWeekdaysStartAtTheFirstDayOfTheWeek();
    void descalingHearsTheFirstDayOfTheWeekAndTheTimeFormat();
    void descalingWeekdaysReadAsTheWeekdayTexts();
    void descalingRepeatRowsWithoutADescalingRelay();
    void descalingRepeatIntervalTexts_data();
    void descalingRepeatIntervalTexts();
    void descalingLastDateBeforeAnyReport();
    void descalingRequestsChangeOneField();
    void descalingRepeatHoursAreChecked();
    void descalingDurationCommitKeepsTheScaling();
    void descalingDurationOnlyWhenInMinutes();
    void descalingDurationShowsTheOnTimeAndOpensWithinTheLimits_data();
    void descalingDurationShowsTheOnTimeAndOpensWithinTheLimits();
    void descalingStartTimeOnTheEditorDate();
    void descalingCommitsWithoutValueSendNothing();
    void descalingWithoutAReportedStartTimeReachesTheSauna();
    void descalingListsLiveUntilTheCommit();
};

void TestConfigureSystemAux::relayListShowsOnlyPresentRelays()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(0, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onSaunaAuxRelaySettingChanged(relay(4, AuxiliaryRelayTypes::E_notUsed));
    Post absent = relay(2);
    absent.connected = false;
    manager.onSaunaAuxRelaySettingChanged(absent);
    manager.onOptionsViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(*manager.relayModel()), (QList<int>{0, 4}));
    QCOMPARE(column(*manager.relayModel(), "textOnSubMenu"), (QStringList{"Aux 0", "Aux 4"}));
    QCOMPARE(column(*manager.relayModel(), "textValue1"), (QStringList{"Lamp", ""}));

    // A relay that appears rebuilds the list, visible or not.
    manager.onSaunaAuxRelaySettingChanged(relay(2));
    QCOMPARE(modelReader::applIds(*manager.relayModel()), (QList<int>{0, 2, 4}));
    manager.onOptionsViewVisibleChanged(false);
    QCOMPARE(manager.relayModel()->rowCount(), 0);
}

void TestConfigureSystemAux::nameReportRefreshesWithoutRebuild()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onOptionsViewVisibleChanged(true);
    QSignalSpy removed(manager.relayModel(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(manager.relayModel(), &QAbstractItemModel::dataChanged);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Light"));
    QCOMPARE(removed.count(), 0);
    QVERIFY(changed.count() > 0);
    QCOMPARE(column(*manager.relayModel(), "textValue1"), QStringList{"Light"});
}

void TestConfigureSystemAux::reportsOutOfRangeAreIgnored()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    Post past = relay(7, AuxiliaryRelayTypes::E_onOff, "Ghost");
    manager.onSaunaAuxRelaySettingChanged(past);
    manager.onOptionsViewVisibleChanged(true);
    QCOMPARE(manager.relayModel()->rowCount(), 0);
    QCOMPARE(manager.relays().size(), 7);
    for (const Post &stored : manager.relays())
        QVERIFY(!stored.connected);
}

void TestConfigureSystemAux::selectionOutsideTheTableIsIgnored()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(3, AuxiliaryRelayTypes::E_onOff, "Three"));
    manager.onAuxSelected(3);
    QSignalSpy edits(&manager, &ConfigureSystemAuxViewManager::editSelected);
    QSignalSpy names(&manager, &ConfigureSystemAuxViewManager::auxNameChanged);
    for (const int index : {-1, 7, 100})
        manager.onAuxSelected(index);
    QCOMPARE(edits.count(), 0);
    QCOMPARE(names.count(), 0);
    QCOMPARE(manager.selectedRelayIndex(), 3);
    // Only an index outside 0..6 is ignored: relay 5, which the sauna has not reported, opens as
    // any other.
    manager.onAuxSelected(5);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toInt(), int(ConfigureTypes::E_optionsAuxSingleOverview));
    QCOMPARE(manager.selectedRelayIndex(), 5);
}

void TestConfigureSystemAux::selectionOpensTheRelayPage()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(2, AuxiliaryRelayTypes::E_onOff, "Sauna lamp"));
    QStringList order;
    connect(&manager, &ConfigureSystemAuxViewManager::editSelected, this,
            [&order](int id) { order << QStringLiteral("edit:%1").arg(id); });
    connect(&manager, &ConfigureSystemAuxViewManager::auxNameChanged, this,
            [&order](const QString &name) { order << "name:" + name; });
    connect(&manager, &ConfigureSystemAuxViewManager::topBarTextChanged, this,
            [&order](const QString &text) { order << "title:" + text; });
    manager.onAuxSelected(2);
    QCOMPARE(order, (QStringList{"edit:0", "name:Sauna lamp", "title:Aux 2"}));
    QCOMPARE(manager.selectedRelayIndex(), 2);
    QCOMPARE(manager.functionModel()->rowCount(), 3);
}

void TestConfigureSystemAux::functionRowsAndCheckmarks()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff));
    manager.onAuxSelected(1);
    const view::ListModel &model = *manager.functionModel();
    QCOMPARE(modelReader::applIds(model), (QList<int>{0, 1, 2}));
    QCOMPARE(column(model, "textOnSubMenu"), (QStringList{"Not in use", "On/Off", "Fragrance"}));
    QCOMPARE(column(model, "typeOfItem"),
             (QStringList{"only_checkmark", "only_checkmark", "selectableSubmenu"}));
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, true, false}));

    // The checkmark follows the report, not the choice.
    manager.onAuxFunctionSelected(0);
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, true, false}));
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_frequency));
    QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, false, true}));
    manager.onOptionsSingleViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureSystemAux::descalingRowOfferedWithASteamGenerator()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff));
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    manager.onAuxSelected(1);
    QVERIFY(!modelReader::applIds(*manager.functionModel()).contains(102));
    // A stray descaling choice without the row does nothing.
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(102);
    QVERIFY(recorder.events.isEmpty());

    // A steam generator offers the row once the sauna has reported its descaling settings.
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_private);
    QCOMPARE(modelReader::applIds(*manager.functionModel()), (QList<int>{0, 1, 2}));
    manager.onAuxFunctionSelected(102);
    QVERIFY(recorder.events.isEmpty());
    manager.onSaunaDescalingChanged(descalingOn(7));
    QCOMPARE(modelReader::applIds(*manager.functionModel()), (QList<int>{0, 1, 2, 102}));
    QCOMPARE(column(*manager.functionModel(), "textOnSubMenu").last(), QString("Descaling"));

    // The descaling relay shows its row whatever the product.
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    manager.onSaunaDescalingChanged(descalingOn(1));
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_frequency));
    QCOMPARE(modelReader::applIds(*manager.functionModel()), (QList<int>{0, 1, 2, 102}));
    QCOMPARE(modelReader::column(*manager.functionModel(), "checkmarkChecked"),
             (QVariantList{false, false, false, true}));
}

void TestConfigureSystemAux::onOffOnTheDescalingRelayDisablesDescalingFirst()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(3, AuxiliaryRelayTypes::E_frequency), 180,
                                                AuxiliaryRelayTypes::E_minutes, 336,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onSaunaDescalingChanged(descalingOn(3));
    manager.onAuxSelected(3);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(1);
    QCOMPARE(recorder.events, (QStringList{"descaling:7", "relay:3"}));
    QCOMPARE(recorder.descalings.first().enabled, false);
    QCOMPARE(recorder.descalings.first().dosage, 150u);
    QCOMPARE(recorder.relays.first().function, AuxiliaryRelayTypes::E_onOff);
    QCOMPARE(recorder.relays.first().onTimeValue, 180u);
}

void TestConfigureSystemAux::fragranceForAFragranceRelaySendsNothing()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(0, AuxiliaryRelayTypes::E_frequency), 50,
                                                AuxiliaryRelayTypes::E_100_msec, 1200,
                                                AuxiliaryRelayTypes::E_seconds));
    manager.onAuxSelected(0);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(2);
    QCOMPARE(recorder.events, QStringList{"edit:1"});
}

void TestConfigureSystemAux::fragranceForTheDescalingRelay()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 180,
                                                AuxiliaryRelayTypes::E_minutes, 336,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onAuxSelected(4);
    manager.fragranceManager().onOptionsFragranceViewVisibleChanged(true);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(2);
    QCOMPARE(recorder.events, (QStringList{"descaling:7", "relay:4", "edit:1"}));
    QVERIFY(!recorder.descalings.first().enabled);
    // 180 min is above 120 s and 336 h above 2 h: both take the defaults.
    const Post &sent = recorder.relays.first();
    QCOMPARE(sent.function, AuxiliaryRelayTypes::E_frequency);
    QCOMPARE(sent.onTimeValue, 5u);
    QCOMPARE(sent.onTimeScaling, AuxiliaryRelayTypes::E_100_msec);
    QCOMPARE(sent.offTimeValue, 1200u);
    QCOMPARE(sent.offTimeScaling, AuxiliaryRelayTypes::E_seconds);
    // The fragrance page shows the converted record at once.
    QCOMPARE(modelReader::texts(*manager.fragranceManager().model(), "value3"),
             (QStringList{"0s 500ms", "20min "}));
}

void TestConfigureSystemAux::descalingWithoutADescalingRelay()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_private);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(2, AuxiliaryRelayTypes::E_onOff, "Pump"), 2,
                                                AuxiliaryRelayTypes::E_seconds, 0,
                                                AuxiliaryRelayTypes::E_seconds));
    manager.onSaunaDescalingChanged(descalingOn(7));
    manager.onAuxSelected(2);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(102);
    QCOMPARE(recorder.events, (QStringList{"relay:2", "descaling:2", "edit:4"}));
    const Post &sent = recorder.relays.first();
    QCOMPARE(sent.name, QString("Pump"));
    QCOMPARE(sent.function, AuxiliaryRelayTypes::E_frequency);
    QCOMPARE(sent.onTimeValue, 180u);
    QCOMPARE(sent.onTimeScaling, AuxiliaryRelayTypes::E_minutes);
    QCOMPARE(sent.offTimeValue, 168u);
    QCOMPARE(sent.offTimeScaling, AuxiliaryRelayTypes::E_hours);
    QCOMPARE(recorder.descalings.first().dosage, 150u);
    QCOMPARE(manager.relays().at(2), sent);

    // Before any descaling report the panel knows no descaling settings to send: the choice
    // neither sends nor opens anything.
    ConfigureSystemAuxViewManager unreported(nullptr);
    unreported.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_private);
    unreported.onSaunaAuxRelaySettingChanged(relay(2, AuxiliaryRelayTypes::E_onOff, "Pump"));
    unreported.onAuxSelected(2);
    Link link(unreported);
    Recorder unreportedRecorder(unreported);
    unreported.onAuxFunctionSelected(102);
    QCOMPARE(link.transport.envelopes.size(), 0);
    QVERIFY(unreportedRecorder.events.isEmpty());
}

void TestConfigureSystemAux::descalingMovesFromAnotherRelay()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
    const Post old = timed(relay(4, AuxiliaryRelayTypes::E_frequency, "Old pump"), 60,
                           AuxiliaryRelayTypes::E_minutes, 504, AuxiliaryRelayTypes::E_hours);
    manager.onSaunaAuxRelaySettingChanged(old);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff));
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onAuxSelected(1);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(102);
    QCOMPARE(recorder.events, (QStringList{"relay:4", "relay:1", "descaling:1", "edit:4"}));
    Post freed = old;
    freed.function = AuxiliaryRelayTypes::E_notUsed;
    QCOMPARE(recorder.relays.at(0), freed);
    // The old relay stays as reported until the sauna says otherwise.
    QCOMPARE(manager.relays().at(4), old);
    QVERIFY(recorder.descalings.first().enabled);
}

void TestConfigureSystemAux::descalingOnTheDescalingRelayOnlyOpens()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(4, AuxiliaryRelayTypes::E_frequency));
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onAuxSelected(4);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(102);
    QCOMPARE(recorder.events, QStringList{"edit:4"});
}

void TestConfigureSystemAux::reportedDescalingRelayPastTheTableMeansNone()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_private);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff));
    manager.onSaunaDescalingChanged(descalingOn(9));
    QCOMPARE(manager.descalingRelayIndex(), -1);
    manager.onAuxSelected(1);
    manager.descalingManager().onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::column(*manager.descalingManager().repeatModel(), "value10"),
             (QVariantList{false, false, false, false}));
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(102);
    // No relay to free: only the new descaling relay and its settings.
    QCOMPARE(recorder.events, (QStringList{"relay:1", "descaling:1", "edit:4"}));
}

void TestConfigureSystemAux::unknownChoicesChangeNothing_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("3") << 3;
    QTest::newRow("-1") << -1;
    QTest::newRow("101") << 101;
}

void TestConfigureSystemAux::unknownChoicesChangeNothing()
{
    QFETCH(int, choice);
    ConfigureSystemAuxViewManager manager(nullptr);
    const Post descalingRelay = relay(4, AuxiliaryRelayTypes::E_frequency);
    manager.onSaunaAuxRelaySettingChanged(descalingRelay);
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onAuxSelected(4);
    Recorder recorder(manager);
    manager.onAuxFunctionSelected(choice);
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(manager.relays().at(4), descalingRelay);
}

void TestConfigureSystemAux::fragranceConversion_data()
{
    QTest::addColumn<quint32>("onValue");
    QTest::addColumn<int>("onScaling");
    QTest::addColumn<quint32>("offValue");
    QTest::addColumn<int>("offScaling");
    QTest::addColumn<quint32>("on");
    QTest::addColumn<quint32>("off");
    QTest::newRow("2 s, 10 min") << 2u << int(AuxiliaryRelayTypes::E_seconds) << 10u
                                 << int(AuxiliaryRelayTypes::E_minutes) << 20u << 600u;
    QTest::newRow("zero") << 0u << int(AuxiliaryRelayTypes::E_seconds) << 0u
                          << int(AuxiliaryRelayTypes::E_seconds) << 5u << 1200u;
    QTest::newRow("120 s, 7200 s") << 120u << int(AuxiliaryRelayTypes::E_seconds) << 7200u
                                   << int(AuxiliaryRelayTypes::E_seconds) << 1200u << 7200u;
    QTest::newRow("121 s, 7201 s") << 121u << int(AuxiliaryRelayTypes::E_seconds) << 7201u
                                   << int(AuxiliaryRelayTypes::E_seconds) << 5u << 1200u;
    QTest::newRow("150 ms truncates, 2 h") << 1u << int(AuxiliaryRelayTypes::E_100_msec) << 2u
                                           << int(AuxiliaryRelayTypes::E_hours) << 1u << 7200u;
    QTest::newRow("3 h past 2 h") << 1u << int(AuxiliaryRelayTypes::E_minutes) << 3u
                                  << int(AuxiliaryRelayTypes::E_hours) << 600u << 1200u;
    QTest::newRow("huge values stay 64-bit")
        << 4294967295u << int(AuxiliaryRelayTypes::E_hours) << 4294967295u
        << int(AuxiliaryRelayTypes::E_hours) << 5u << 1200u;
    QTest::newRow("unknown scaling") << 10u << 9 << 10u << 9 << 5u << 1200u;
}

void TestConfigureSystemAux::fragranceConversion()
{
    QFETCH(quint32, onValue);
    QFETCH(int, onScaling);
    QFETCH(quint32, offValue);
    QFETCH(int, offScaling);
    QFETCH(quint32, on);
    QFETCH(quint32, off);
    Post post = relay(3, AuxiliaryRelayTypes::E_onOff, "Keep");
    post.activated = true;
    post = timed(post, onValue, AuxiliaryRelayTypes::TimeScaling(onScaling), offValue,
                 AuxiliaryRelayTypes::TimeScaling(offScaling));
    const Post converted = ConfigureSystemAuxViewManager::fragranceConverted(post);
    QCOMPARE(converted.onTimeValue, on);
    QCOMPARE(converted.onTimeScaling, AuxiliaryRelayTypes::E_100_msec);
    QCOMPARE(converted.offTimeValue, off);
    QCOMPARE(converted.offTimeScaling, AuxiliaryRelayTypes::E_seconds);
    QCOMPARE(converted.function, AuxiliaryRelayTypes::E_frequency);
    QCOMPARE(converted.index, 3u);
    QCOMPARE(converted.name, QString("Keep"));
    QVERIFY(converted.connected);
    QVERIFY(converted.activated);
}

void TestConfigureSystemAux::descalingConversion_data()
{
    QTest::addColumn<quint32>("onValue");
    QTest::addColumn<int>("onScaling");
    QTest::addColumn<quint32>("offValue");
    QTest::addColumn<int>("offScaling");
    QTest::addColumn<quint32>("on");
    QTest::addColumn<quint32>("off");
    QTest::newRow("400 h") << 30u << int(AuxiliaryRelayTypes::E_minutes) << 400u
                           << int(AuxiliaryRelayTypes::E_hours) << 30u << 336u;
    QTest::newRow("100 h") << 30u << int(AuxiliaryRelayTypes::E_minutes) << 100u
                           << int(AuxiliaryRelayTypes::E_hours) << 30u << 168u;
    QTest::newRow("672 h, 1440 min") << 1440u << int(AuxiliaryRelayTypes::E_minutes) << 672u
                                     << int(AuxiliaryRelayTypes::E_hours) << 1440u << 672u;
    QTest::newRow("673 h, 1441 min") << 1441u << int(AuxiliaryRelayTypes::E_minutes) << 673u
                                     << int(AuxiliaryRelayTypes::E_hours) << 180u << 168u;
    QTest::newRow("59 s is no minute") << 59u << int(AuxiliaryRelayTypes::E_seconds) << 0u
                                       << int(AuxiliaryRelayTypes::E_hours) << 180u << 168u;
    QTest::newRow("2 weeks in seconds") << 2u << int(AuxiliaryRelayTypes::E_hours) << 1209600u
                                        << int(AuxiliaryRelayTypes::E_seconds) << 120u << 336u;
}

void TestConfigureSystemAux::descalingConversion()
{
    QFETCH(quint32, onValue);
    QFETCH(int, onScaling);
    QFETCH(quint32, offValue);
    QFETCH(int, offScaling);
    QFETCH(quint32, on);
    QFETCH(quint32, off);
    const Post post = timed(relay(5, AuxiliaryRelayTypes::E_notUsed, "Pump"), onValue,
                            AuxiliaryRelayTypes::TimeScaling(onScaling), offValue,
                            AuxiliaryRelayTypes::TimeScaling(offScaling));
    const Post converted = ConfigureSystemAuxViewManager::descalingConverted(post);
    QCOMPARE(converted.onTimeValue, on);
    QCOMPARE(converted.onTimeScaling, AuxiliaryRelayTypes::E_minutes);
    QCOMPARE(converted.offTimeValue, off);
    QCOMPARE(converted.offTimeScaling, AuxiliaryRelayTypes::E_hours);
    QCOMPARE(converted.function, AuxiliaryRelayTypes::E_frequency);
    QCOMPARE(converted.name, QString("Pump"));
}

namespace {

// A stand-in for the single relay page's sender item, which also answers the keyboard.
class SingleRelayItem : public QObject
{
    Q_OBJECT
public:
    // Connections to the keyboard's save answer that are currently made.
    int saveConnections = 0;

protected:
    void connectNotify(const QMetaMethod &signal) override
    {
        if (signal == QMetaMethod::fromSignal(&SingleRelayItem::auxNameEditSaveSelected))
            ++saveConnections;
    }
    void disconnectNotify(const QMetaMethod &signal) override
    {
        if (signal == QMetaMethod::fromSignal(&SingleRelayItem::auxNameEditSaveSelected))
            --saveConnections;
    }

signals:
    void auxFunctionSelected(int id);
    void auxNameEditActivated();
    void auxNameEditSaveSelected(QString name);
    void auxNameEditCancelSelected();
};

// The language controller as the managers hear it.
class LanguageSource : public QObject
{
    Q_OBJECT
signals:
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

} // namespace

void TestConfigureSystemAux::languageChangeShowsAtTheNextOpening()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    LanguageSource language;
    // The relay options hear no language: their texts are made when a page opens.
    QCOMPARE(manager.connectLanguageSignals({&language}), 0);
    QCOMPARE(manager.metaObject()->indexOfSlot(
                 "onLanguageChanged(::signalInterface::LanguageTypes::Language)"),
             -1);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(2, AuxiliaryRelayTypes::E_frequency), 5,
                                                AuxiliaryRelayTypes::E_100_msec, 45,
                                                AuxiliaryRelayTypes::E_seconds));
    manager.onOptionsViewVisibleChanged(true);
    manager.onAuxSelected(2);
    ConfigureSystemAuxFragranceViewManager &fragrance = manager.fragranceManager();
    fragrance.onOptionsFragranceViewVisibleChanged(true);
    QSignalSpy titles(&manager, &ConfigureSystemAuxViewManager::topBarTextChanged);

    TestTranslator translator;
    const auto add = [&translator](const char *context, const char *english, const char *german) {
        translator.add(QString::fromLatin1(context), QString::fromLatin1(english),
                       QString::fromUtf8(german));
    };
    add("QObject", "Aux %1", "Zusatz %1");
    add("view::ConfigureSystemAuxViewManager", "On/Off", "Ein/Aus");
    add("view::ConfigureSystemAuxFragranceViewManager", "Pump", "Pumpe");
    ScopedTranslator installed(&translator);
    emit language.languageChanged(signalInterface::LanguageTypes::E_german);

    QCOMPARE(column(*manager.relayModel(), "textOnSubMenu"), (QStringList{"Aux 2"}));
    QCOMPARE(column(*manager.functionModel(), "textOnSubMenu").at(1), QStringLiteral("On/Off"));
    QCOMPARE(titles.count(), 0);
    QCOMPARE(column(*fragrance.model(), "value").first(), QStringLiteral("Pump"));

    // Opened again, each page shows the new language.
    manager.onOptionsViewVisibleChanged(true);
    QCOMPARE(column(*manager.relayModel(), "textOnSubMenu"), (QStringList{"Zusatz 2"}));
    manager.onAuxSelected(2);
    QCOMPARE(column(*manager.functionModel(), "textOnSubMenu").at(1), QStringLiteral("Ein/Aus"));
    QVERIFY(!titles.isEmpty());
    QCOMPARE(titles.last().first().toString(), QStringLiteral("Zusatz 2"));
    fragrance.onOptionsFragranceViewVisibleChanged(true);
    QCOMPARE(column(*fragrance.model(), "value").first(), QStringLiteral("Pumpe"));
}

void TestConfigureSystemAux::renameSendsTheNewName()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    SingleRelayItem item;
    QCOMPARE(manager.connectToAuxSingleOverviewModelView({&item}), 0);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    QSignalSpy opened(&manager, &ConfigureSystemAuxViewManager::openKeyboard);
    QSignalSpy closed(&manager, &ConfigureSystemAuxViewManager::closeKeyboard);
    Recorder recorder(manager);
    emit item.auxNameEditActivated();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().first().toString(), QString("Lamp"));
    emit item.auxNameEditSaveSelected("Ceiling lamp");
    QCOMPARE(recorder.events, QStringList{"relay:1"});
    QCOMPARE(recorder.relays.first().name, QString("Ceiling lamp"));
    QCOMPARE(recorder.relays.first().function, AuxiliaryRelayTypes::E_onOff);
    QCOMPARE(closed.count(), 1);
    // The answer is disconnected until the next activation.
    emit item.auxNameEditSaveSelected("Later");
    QCOMPARE(recorder.events.size(), 1);
}

void TestConfigureSystemAux::renameWithUnsupportedCharactersIsRefused()
{
    pcPanel::SupportedCharacters::CharacterSet characters;
    for (char16_t unit = 0x20; unit <= 0x7e; ++unit)
        characters.insert(unit);
    pcPanel::SupportedCharacters::instance().setCharacters(characters);

    ConfigureSystemAuxViewManager manager(nullptr);
    SingleRelayItem item;
    manager.connectToAuxSingleOverviewModelView({&item});
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    QSignalSpy messages(&manager, &ConfigureSystemAuxViewManager::panelUserMessageIssued);
    QSignalSpy closed(&manager, &ConfigureSystemAuxViewManager::closeKeyboard);
    Recorder recorder(manager);
    emit item.auxNameEditActivated();
    emit item.auxNameEditSaveSelected(QString::fromUtf8("Lämpö€ä"));
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(messages.count(), 1);
    const auto message =
        messages.first().first().value<signalInterface::UserMessageTypes::UserMessage>();
    QCOMPARE(message.id, 0x203cu);
    QCOMPARE(message.arguments, QStringList{QString::fromUtf8("äö€")});
    QVERIFY(messages.first().at(1).value<signalInterface::UserMessageAction *>() == nullptr);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(manager.relays().at(1).name, QString("Lamp"));
}

void TestConfigureSystemAux::renameWithoutACharacterTableIsAccepted()
{
    QCOMPARE(pcPanel::SupportedCharacters::instance().count(), 0);
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    Recorder recorder(manager);
    manager.onRenameAuxSaveSelected(QString::fromUtf8("Lämpö€"));
    QCOMPARE(recorder.relays.size(), 1);
    QCOMPARE(recorder.relays.first().name, QString::fromUtf8("Lämpö€"));
    QCOMPARE(manager.relays().at(1).name, QString::fromUtf8("Lämpö€"));
}

void TestConfigureSystemAux::renameLongerThanTheWireCarriesIsRefused()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    QSignalSpy closed(&manager, &ConfigureSystemAuxViewManager::closeKeyboard);
    Recorder recorder(manager);
    // 20 code units pass, 21 do not; a character outside the basic plane counts as two.
    manager.onRenameAuxSaveSelected(QString(21, QChar('x')));
    manager.onRenameAuxSaveSelected(QString(19, QChar('x')) + QString::fromUtf8("😀"));
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(manager.relays().at(1).name, QString("Lamp"));
    QCOMPARE(closed.count(), 2);
    manager.onRenameAuxSaveSelected(QString(20, QChar('x')));
    QCOMPARE(recorder.relays.size(), 1);
}

void TestConfigureSystemAux::renameActivatedTwiceAnswersOnce()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    SingleRelayItem item;
    manager.connectToAuxSingleOverviewModelView({&item});
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    QSignalSpy closed(&manager, &ConfigureSystemAuxViewManager::closeKeyboard);
    Recorder recorder(manager);
    emit item.auxNameEditActivated();
    emit item.auxNameEditActivated();
    QCOMPARE(item.saveConnections, 1);
    emit item.auxNameEditSaveSelected("Spot");
    QCOMPARE(recorder.relays.size(), 1);
    QCOMPARE(closed.count(), 1);
}

void TestConfigureSystemAux::renameCancelled()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    SingleRelayItem item;
    manager.connectToAuxSingleOverviewModelView({&item});
    manager.onSaunaAuxRelaySettingChanged(relay(1, AuxiliaryRelayTypes::E_onOff, "Lamp"));
    manager.onAuxSelected(1);
    QSignalSpy closed(&manager, &ConfigureSystemAuxViewManager::closeKeyboard);
    Recorder recorder(manager);
    emit item.auxNameEditActivated();
    emit item.auxNameEditCancelSelected();
    emit item.auxNameEditSaveSelected("Too late");
    QCOMPARE(closed.count(), 1);
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(manager.relays().at(1).name, QString("Lamp"));
}

void TestConfigureSystemAux::fragranceTexts_data()
{
    QTest::addColumn<bool>("pump");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    // The seconds of a pump time and the minutes of a stop time always stand; every part but
    // the smallest one is followed by a blank, also where nothing follows it.
    QTest::newRow("p 1") << true << 1u << "0s 100ms";
    QTest::newRow("p 5") << true << 5u << "0s 500ms";
    QTest::newRow("p 600") << true << 600u << "1min 0s ";
    QTest::newRow("p 1200") << true << 1200u << "2min 0s ";
    QTest::newRow("p 1234") << true << 1234u << "2min 3s 400ms";
    QTest::newRow("s 1") << false << 1u << "0min 1s";
    QTest::newRow("s 45") << false << 45u << "0min 45s";
    QTest::newRow("s 1200") << false << 1200u << "20min ";
    QTest::newRow("s 3600") << false << 3600u << "1h 0min ";
    QTest::newRow("s 3725") << false << 3725u << "1h 2min 5s";
    QTest::newRow("s 7200") << false << 7200u << "2h 0min ";
}

void TestConfigureSystemAux::fragranceTexts()
{
    QFETCH(bool, pump);
    QFETCH(quint32, value);
    QFETCH(QString, text);
    QCOMPARE(pump ? ConfigureSystemAuxFragranceViewManager::pumpTimeText(value)
                  : ConfigureSystemAuxFragranceViewManager::stopTimeText(value),
             text);
}

void TestConfigureSystemAux::fragranceRowsAndEditors()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(0, AuxiliaryRelayTypes::E_frequency), 1234,
                                                AuxiliaryRelayTypes::E_100_msec, 3725,
                                                AuxiliaryRelayTypes::E_seconds));
    manager.onAuxSelected(0);
    ConfigureSystemAuxFragranceViewManager &fragrance = manager.fragranceManager();
    fragrance.onOptionsFragranceViewVisibleChanged(true);
    const view::ListModel &model = *fragrance.model();
    QCOMPARE(modelReader::applIds(model), (QList<int>{0, 1}));
    QCOMPARE(column(model, "value"), (QStringList{"Pump", "Stop"}));
    QCOMPARE(column(model, "value3"), (QStringList{"2min 3s 400ms", "1h 2min 5s"}));
    QCOMPARE(column(model, "value5"), (QStringList{"top", "bottom"}));

    QSignalSpy edits(&fragrance, &ConfigureSystemAuxFragranceViewManager::editSelected);
    fragrance.onAuxFragranceSettingSelected(0);
    // 123.4 s lies past the editor's 120 s.
    QCOMPARE(fragrance.pumpManager()->value(), std::optional<qint64>(120000));
    fragrance.onAuxFragranceSettingSelected(1);
    QCOMPARE(fragrance.stopManager()->value(), std::optional<qint64>(3725000));
    fragrance.onAuxFragranceSettingSelected(2);
    fragrance.onAuxFragranceSettingSelected(-1);
    QCOMPARE(edits.count(), 2);
    QCOMPARE(edits.at(0).first().toInt(), int(ConfigureTypes::E_optionsAuxSingleFragrancePump));
    QCOMPARE(edits.at(1).first().toInt(), int(ConfigureTypes::E_optionsAuxSingleFragranceStop));

    // A report of the relay refreshes the page.
    manager.onSaunaAuxRelaySettingChanged(timed(relay(0, AuxiliaryRelayTypes::E_frequency), 5,
                                                AuxiliaryRelayTypes::E_100_msec, 45,
                                                AuxiliaryRelayTypes::E_seconds));
    QCOMPARE(column(model, "value3"), (QStringList{"0s 500ms", "0min 45s"}));
    fragrance.onOptionsFragranceViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureSystemAux::fragranceCommitsAtTheLimits()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    const Post stored =
        timed(relay(0, AuxiliaryRelayTypes::E_frequency, "Scent"), 50,
              AuxiliaryRelayTypes::E_100_msec, 1200, AuxiliaryRelayTypes::E_seconds);
    manager.onSaunaAuxRelaySettingChanged(stored);
    manager.onAuxSelected(0);
    ConfigureSystemAuxFragranceViewManager &fragrance = manager.fragranceManager();
    QSignalSpy sent(&fragrance, &ConfigureSystemAuxFragranceViewManager::auxRelayUpdateRequested);
    const auto last = [&sent] {
        // A missing signal reads as a default record: the comparison fails, the test runs on.
        return sent.value(sent.size() - 1).value(0).value<Post>();
    };

    fragrance.pumpManager()->setValueCheckLimits(0);
    fragrance.onAuxPumpDurationCommit();
    QCOMPARE(last().onTimeValue, 1u);
    QCOMPARE(last().onTimeScaling, AuxiliaryRelayTypes::E_100_msec);
    QCOMPARE(last().offTimeValue, 1200u);
    QCOMPARE(last().name, QString("Scent"));
    fragrance.pumpManager()->setValueCheckLimits(10000000);
    fragrance.onAuxPumpDurationCommit();
    QCOMPARE(last().onTimeValue, 1200u);

    fragrance.stopManager()->setValueCheckLimits(0);
    fragrance.onAuxStopDurationCommit();
    QCOMPARE(last().offTimeValue, 1u);
    QCOMPARE(last().offTimeScaling, AuxiliaryRelayTypes::E_seconds);
    QCOMPARE(last().onTimeValue, 50u);
    fragrance.stopManager()->setValueCheckLimits(100000000);
    fragrance.onAuxStopDurationCommit();
    QCOMPARE(last().offTimeValue, 7200u);
    QCOMPARE(sent.count(), 4);
    // The table waits for the report.
    QCOMPARE(manager.relays().at(0), stored);
}

void TestConfigureSystemAux::fragranceCommitWithoutValueSendsNothing()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxFragranceViewManager &fragrance = manager.fragranceManager();
    QSignalSpy sent(&fragrance, &ConfigureSystemAuxFragranceViewManager::auxRelayUpdateRequested);
    fragrance.onAuxPumpDurationCommit();
    fragrance.onAuxStopDurationCommit();
    QCOMPARE(sent.count(), 0);
}

void TestConfigureSystemAux::fragranceRefreshWhileHiddenChangesNothing()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    QSignalSpy inserted(manager.fragranceManager().model(), &QAbstractItemModel::rowsInserted);
    manager.onSaunaAuxRelaySettingChanged(relay(0, AuxiliaryRelayTypes::E_frequency));
    manager.fragranceManager().refresh();
    QCOMPARE(manager.fragranceManager().model()->rowCount(), 0);
    QCOMPARE(inserted.count(), 0);
}

void TestConfigureSystemAux::descalingRows()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 90,
                                                AuxiliaryRelayTypes::E_minutes, 336,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onSaunaLastDescalingChanged(QDate(2024, 3, 9));
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    const view::ListModel &settings = *descaling.settingsModel();
    QCOMPARE(modelReader::column(settings, "componentType"),
             (QVariantList{3, 1, 7, 7, 7, 7, 0, 5}));
    QCOMPARE(modelReader::applIds(settings).mid(2, 4), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(modelReader::value(settings, 0, "value").toString(), QString("Enable"));
    QCOMPARE(modelReader::value(settings, 0, "value2").toBool(), true);
    QCOMPARE(column(settings, "value").mid(2, 4),
             (QStringList{"Start time", "Duration", "Dosage", "Weekday"}));
    QCOMPARE(modelReader::value(settings, 4, "value3").toString(), QString("150ml"));
    QCOMPARE(modelReader::value(settings, 5, "value3").toString(), QString("Wednesday"));
    QCOMPARE(modelReader::value(settings, 5, "value4").toString(), QString("1/2"));
    QCOMPARE(column(settings, "value5").mid(2, 4),
             (QStringList{"top", "centre", "centre", "bottom"}));
    QVERIFY(modelReader::value(settings, 7, "value").toString().startsWith("Last: "));
    QVERIFY(!modelReader::value(settings, 3, "value3").toString().isEmpty());

    const view::ListModel &weekdays = *descaling.weekdayModel();
    QCOMPARE(modelReader::applIds(weekdays).first(), 106);
    QCOMPARE(modelReader::value(weekdays, 0, "value").toString(), QString("Repeat"));
    QCOMPARE(modelReader::value(weekdays, 0, "value3").toString(), QString("2"));
    QCOMPARE(modelReader::value(weekdays, 4, "value10").toBool(), true); // Wednesday
    QCOMPARE(modelReader::value(weekdays, 2, "value").toString(), QString("Monday"));

    const view::ListModel &repeat = *descaling.repeatModel();
    QCOMPARE(modelReader::applIds(repeat), (QList<int>{168, 336, 504, 672}));
    QCOMPARE(column(repeat, "value"),
             (QStringList{"Every week", "Every 2nd week", "Every 3rd week", "Monthly"}));
    QCOMPARE(modelReader::column(repeat, "value10"), (QVariantList{false, true, false, false}));

    // The toggle shows the new state only after the report.
    Descaling off = descalingOn(4);
    off.enabled = false;
    manager.onSaunaDescalingChanged(off);
    QCOMPARE(modelReader::value(settings, 0, "value2").toBool(), false);
}

void TestConfigureSystemAux::descalingWeekdaysStartAtTheFirstDayOfTheWeek()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onWeekDayStartChanged(CalendarTypes::E_sunday);
    descaling.onAuxDescalingViewVisibleChanged(true);
    const view::ListModel &weekdays = *descaling.weekdayModel();
    QCOMPARE(modelReader::applIds(weekdays), (QList<int>{106, 0, 6, 0, 1, 2, 3, 4, 5}));
    QCOMPARE(column(weekdays, "value").at(2), QString("Sunday"));
    QCOMPARE(column(weekdays, "value5").mid(2),
             (QStringList{"top", "centre", "centre", "centre", "centre", "centre", "bottom"}));
}

// From the time controller the screen hears the first day of the week, the system time and the
// time format, which its start-time editor shows as the Start time row does.
void TestConfigureSystemAux::descalingHearsTheFirstDayOfTheWeekAndTheTimeFormat()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    TimeSource source;
    QCOMPARE(descaling.connectToTimeController({&source}), 0);
    emit source.weekDayStartChanged(CalendarTypes::E_sunday);
    emit source.timeFormatChanged(DateTimeTypes::E_am_pm);
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(*descaling.weekdayModel()).at(2), int(CalendarTypes::E_sunday));

    // The start-time editor opens in the AM/PM form, as its row reads: 02:30 is 2:30 am.
    manager.onSaunaDescalingChanged(descalingOn(7));
    QSignalSpy shown(descaling.startTimeManager(),
                     &value::TimeValueManager::timeValueFormattedChanged);
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_startTime);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.constLast(), (QVariantList{QStringLiteral("2"), QStringLiteral("30"),
                                              int(DateTimeTypes::E_am_pm), true}));
}

// A language that writes its weekdays in lower case shows them so in the weekday list, as on the
// Weekday row.
void TestConfigureSystemAux::descalingWeekdaysReadAsTheWeekdayTexts()
{
    TestTranslator translator;
    translator.add(QStringLiteral("QObject"), QStringLiteral("Monday"), QStringLiteral("lundi"));
    translator.add(QStringLiteral("QObject"), QStringLiteral("Wednesday"),
                   QStringLiteral("mercredi"));
    ScopedTranslator installed(&translator);
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaDescalingChanged(descalingOn(4));
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    const view::ListModel &weekdays = *descaling.weekdayModel();
    QCOMPARE(modelReader::applIds(weekdays).mid(2, 3), (QList<int>{0, 1, 2}));
    QCOMPARE(column(weekdays, "value").mid(2, 3), (QStringList{"lundi", "Tuesday", "mercredi"}));
    QCOMPARE(modelReader::value(*descaling.settingsModel(), 5, "value3").toString(),
             QStringLiteral("mercredi"));
}

void TestConfigureSystemAux::descalingRepeatRowsWithoutADescalingRelay()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(2, AuxiliaryRelayTypes::E_frequency), 90,
                                                AuxiliaryRelayTypes::E_minutes, 336,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onAuxSelected(2);
    manager.descalingManager().onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::column(*manager.descalingManager().repeatModel(), "value10"),
             (QVariantList{false, false, false, false}));
}

void TestConfigureSystemAux::descalingRepeatIntervalTexts_data()
{
    QTest::addColumn<quint32>("offHours");
    QTest::addColumn<QString>("weeks");
    QTest::addColumn<QVariantList>("checked");
    const QVariantList none{false, false, false, false};
    QTest::newRow("one week") << 168u << "1" << QVariantList{true, false, false, false};
    QTest::newRow("four weeks") << 672u << "4" << QVariantList{false, false, false, true};
    QTest::newRow("five weeks") << 840u << "5" << none;
    // Whole weeks: the hours left over are dropped.
    QTest::newRow("less than a week") << 100u << "0" << none;
    QTest::newRow("zero") << 0u << "0" << none;
    QTest::newRow("one and a half weeks") << 252u << "1" << none;
}

void TestConfigureSystemAux::descalingRepeatIntervalTexts()
{
    QFETCH(quint32, offHours);
    QFETCH(QString, weeks);
    QFETCH(QVariantList, checked);
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 90,
                                                AuxiliaryRelayTypes::E_minutes, offHours,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onSaunaDescalingChanged(descalingOn(4));
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*descaling.settingsModel(), 5, "value4").toString(), "1/" + weeks);
    QCOMPARE(modelReader::value(*descaling.weekdayModel(), 0, "value3").toString(), weeks);
    QCOMPARE(modelReader::column(*descaling.repeatModel(), "value10"), checked);
}

void TestConfigureSystemAux::descalingLastDateBeforeAnyReport()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    const view::ListModel &settings = *descaling.settingsModel();
    QCOMPARE(modelReader::value(settings, 7, "value").toString(), QString("Last: --"));
    manager.onSaunaLastDescalingChanged(QDate(2000, 1, 1));
    QCOMPARE(modelReader::value(settings, 7, "value").toString(),
             "Last: " + view::DateTimeFormatter::instance()->formatDate(QDate(2000, 1, 1)));
}

void TestConfigureSystemAux::descalingRequestsChangeOneField()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    const Post pump = timed(relay(4, AuxiliaryRelayTypes::E_frequency, "Pump"), 90,
                            AuxiliaryRelayTypes::E_minutes, 336, AuxiliaryRelayTypes::E_hours);
    manager.onSaunaAuxRelaySettingChanged(pump);
    const Descaling stored = descalingOn(4);
    manager.onSaunaDescalingChanged(stored);
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    QSignalSpy settings(&descaling,
                        &ConfigureSystemAuxDescalingViewManager::descalingChangeRequested);
    QSignalSpy relays(&descaling, &ConfigureSystemAuxDescalingViewManager::auxRelayUpdateRequested);
    const auto lastSettings = [&settings] {
        // A missing signal reads as a default record: the comparison fails, the test runs on.
        return settings.value(settings.size() - 1).value(0).value<Descaling>();
    };

    descaling.onAuxDescalingToggleChanged(0, true);
    Descaling expected = stored;
    expected.enabled = false;
    QCOMPARE(lastSettings(), expected);
    descaling.onAuxDescalingToggleChanged(0, false);
    QCOMPARE(lastSettings(), stored);

    descaling.onAuxDescalingWeekdaySettingsSelected(CalendarTypes::E_friday);
    expected = stored;
    expected.weekday = CalendarTypes::E_friday;
    QCOMPARE(lastSettings(), expected);
    descaling.onAuxDescalingWeekdaySettingsSelected(7);
    QCOMPARE(settings.count(), 3);

    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_dosage);
    QCOMPARE(descaling.dosageManager()->value(), std::optional<qint64>(150));
    descaling.dosageManager()->onValueChangeRequested(TimeEditTypes::E_increase);
    descaling.onAuxDescalingDosageCommit();
    expected = stored;
    expected.dosage = 200;
    QCOMPARE(lastSettings(), expected);

    descaling.onAuxDescalingWeekdayRepeatSelected(504);
    Post expectedRelay = pump;
    expectedRelay.offTimeValue = 504;
    QVERIFY(!relays.isEmpty());
    QCOMPARE(relays.last().first().value<Post>(), expectedRelay);
    QCOMPARE(relays.count(), 1);
    // Nothing is stored locally.
    QCOMPARE(manager.descaling(), stored);
    QCOMPARE(manager.relays().at(4), pump);
}

void TestConfigureSystemAux::descalingRepeatHoursAreChecked()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(4, AuxiliaryRelayTypes::E_frequency));
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    QSignalSpy relays(&descaling, &ConfigureSystemAuxDescalingViewManager::auxRelayUpdateRequested);
    for (const int hours : {100, 0, -168, 169, 840, 106})
        descaling.onAuxDescalingWeekdayRepeatSelected(hours);
    QCOMPARE(relays.count(), 0);
    QSignalSpy edits(&descaling, &ConfigureSystemAuxDescalingViewManager::editSelected);
    descaling.onAuxDescalingWeekdaySettingsSelected(106);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toInt(),
             int(ConfigureTypes::E_optionsAuxDescalingWeekdayRepeat));
    for (const int hours : {168, 672})
        descaling.onAuxDescalingWeekdayRepeatSelected(hours);
    QCOMPARE(relays.count(), 2);
    QCOMPARE(relays.last().first().value<Post>().offTimeValue, 672u);
    QCOMPARE(relays.last().first().value<Post>().offTimeScaling, AuxiliaryRelayTypes::E_hours);
}

void TestConfigureSystemAux::descalingDurationCommitKeepsTheScaling()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 30,
                                                AuxiliaryRelayTypes::E_seconds, 168,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    QSignalSpy relays(&descaling, &ConfigureSystemAuxDescalingViewManager::auxRelayUpdateRequested);
    descaling.durationManager()->setValueInMinutes(1440);
    descaling.onAuxDescalingDurationCommit();
    QCOMPARE(relays.count(), 1);
    const Post sent = relays.first().first().value<Post>();
    QCOMPARE(sent.onTimeValue, 1440u);
    QCOMPARE(sent.onTimeScaling, AuxiliaryRelayTypes::E_seconds);
    QCOMPARE(sent.offTimeValue, 168u);
    descaling.durationManager()->setValueCheckLimits(0);
    descaling.onAuxDescalingDurationCommit();
    QCOMPARE(relays.last().first().value<Post>().onTimeValue, 1u);
}

void TestConfigureSystemAux::descalingDurationOnlyWhenInMinutes()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 30,
                                                AuxiliaryRelayTypes::E_seconds, 168,
                                                AuxiliaryRelayTypes::E_hours));
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*descaling.settingsModel(), 3, "value3").toString(), QString());
    QSignalSpy edits(&descaling, &ConfigureSystemAuxDescalingViewManager::editSelected);
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_duration);
    QCOMPARE(edits.count(), 0);
    QVERIFY(!descaling.durationManager()->value());

    manager.onSaunaAuxRelaySettingChanged(timed(relay(4, AuxiliaryRelayTypes::E_frequency), 75,
                                                AuxiliaryRelayTypes::E_minutes, 168,
                                                AuxiliaryRelayTypes::E_hours));
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_duration);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(descaling.durationManager()->valueInMinutes(), 75);
    // Other numbers and the toggle's id open nothing.
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_enableDescaling);
    descaling.onAuxDescalingSettingSelected(5);
    QCOMPARE(edits.count(), 1);
}

void TestConfigureSystemAux::descalingDurationShowsTheOnTimeAndOpensWithinTheLimits_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<quint32>("minutes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("heldMinutes");
    QTest::newRow("none") << true << 0u << "0min" << 1;
    QTest::newRow("a minute") << true << 1u << "1min" << 1;
    QTest::newRow("an hour and a half") << true << 90u << "1h 30min" << 90;
    QTest::newRow("a day") << true << 1440u << "24h 0min" << 1440;
    QTest::newRow("a day and a minute") << true << 1441u << "24h 1min" << 1440;
    // Beyond an int: no number wraps round to below the lower limit.
    QTest::newRow("beyond an int") << true << 2147483648u << "35791394h 8min" << 1440;
    QTest::newRow("largest") << true << 4294967295u << "71582788h 15min" << 1440;
    // The on time the sauna reported, whatever it tells of the relay's presence.
    QTest::newRow("relay reported absent") << false << 30u << "30min" << 30;
}

// The row shows the relay's on time whatever it is; the editor opens on it within its limits.
void TestConfigureSystemAux::descalingDurationShowsTheOnTimeAndOpensWithinTheLimits()
{
    QFETCH(bool, present);
    QFETCH(quint32, minutes);
    QFETCH(QString, shown);
    QFETCH(int, heldMinutes);
    ConfigureSystemAuxViewManager manager(nullptr);
    Post pump = timed(relay(4, AuxiliaryRelayTypes::E_frequency), minutes,
                      AuxiliaryRelayTypes::E_minutes, 168, AuxiliaryRelayTypes::E_hours);
    manager.onSaunaAuxRelaySettingChanged(pump);
    manager.onAuxSelected(4);
    // The chosen relay's next report.
    pump.connected = present;
    manager.onSaunaAuxRelaySettingChanged(pump);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*descaling.settingsModel(), 3, "value3").toString(), shown);

    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_duration);
    QCOMPARE(descaling.durationManager()->value(),
             std::optional<qint64>(qint64(heldMinutes) * 60000));
}

void TestConfigureSystemAux::descalingStartTimeOnTheEditorDate()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    QSignalSpy settings(&descaling,
                        &ConfigureSystemAuxDescalingViewManager::descalingChangeRequested);
    // First use, and the sauna never named a start time: 00:00 on the editor's date.
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_startTime);
    QCOMPARE(descaling.startTimeManager()->value(), QDateTime(QDate(2000, 1, 1), QTime(0, 0)));

    manager.onSaunaDescalingChanged(descalingOn(7));
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_startTime);
    QCOMPARE(descaling.startTimeManager()->value(), QDateTime(QDate(2000, 1, 1), QTime(2, 30)));
    descaling.startTimeManager()->onTimeChangeRequested(TimeEditTypes::E_hour,
                                                        TimeEditTypes::E_increase);
    descaling.onAuxDescalingStartTimeCommit();
    QCOMPARE(settings.count(), 1);
    Descaling expected = descalingOn(7);
    expected.startTime = QTime(3, 30);
    QCOMPARE(settings.first().first().value<Descaling>(), expected);
}

void TestConfigureSystemAux::descalingCommitsWithoutValueSendNothing()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    QSignalSpy settings(&descaling,
                        &ConfigureSystemAuxDescalingViewManager::descalingChangeRequested);
    QSignalSpy relays(&descaling, &ConfigureSystemAuxDescalingViewManager::auxRelayUpdateRequested);
    descaling.onAuxDescalingStartTimeCommit();
    descaling.onAuxDescalingDosageCommit();
    descaling.onAuxDescalingDurationCommit();
    QCOMPARE(settings.count(), 0);
    QCOMPARE(relays.count(), 0);
}

// A sauna may leave the start time out of its descaling report: a commit still goes out, with
// midnight, the field's default.
void TestConfigureSystemAux::descalingWithoutAReportedStartTimeReachesTheSauna()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    manager.onSaunaAuxRelaySettingChanged(relay(4, AuxiliaryRelayTypes::E_frequency, "Pump"));
    vaholumo::Descaling report;
    report.set_relay_index(4);
    report.set_dosage(150);
    Descaling reported;
    QVERIFY(!pbSupport::conversion::AuxRelayConverter::instance().toSiDescaling(report, reported));
    manager.onSaunaDescalingChanged(reported);
    manager.onAuxSelected(4);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(modelReader::value(*descaling.settingsModel(), 2, "value3").toString(), QString("--"));
    Link link(descaling);
    descaling.onAuxDescalingSettingSelected(AuxiliaryRelayTypes::E_dosage);
    descaling.dosageManager()->onValueChangeRequested(TimeEditTypes::E_increase);
    descaling.onAuxDescalingDosageCommit();
    QCOMPARE(link.transport.envelopes.size(), 1);
    QCOMPARE(link.transport.envelopes.at(0).descaling().dosage(), 200u);
    QCOMPARE(link.transport.envelopes.at(0).descaling().start_time(), 0u);
    QCOMPARE(link.messages.count(), 0);
}

void TestConfigureSystemAux::descalingListsLiveUntilTheCommit()
{
    ConfigureSystemAuxViewManager manager(nullptr);
    ConfigureSystemAuxDescalingViewManager &descaling = manager.descalingManager();
    descaling.onAuxDescalingViewVisibleChanged(true);
    QVERIFY(descaling.isBuilt());
    QCOMPARE(descaling.settingsModel()->rowCount(), 8);
    QSignalSpy removed(descaling.settingsModel(), &QAbstractItemModel::rowsRemoved);
    descaling.onAuxDescalingViewVisibleChanged(false);
    descaling.onAuxDescalingViewVisibleChanged(true);
    QCOMPARE(removed.count(), 0);
    descaling.onAuxDescalingSettingsCommit();
    QVERIFY(!descaling.isBuilt());
    QCOMPARE(descaling.settingsModel()->rowCount(), 0);
    QCOMPARE(descaling.weekdayModel()->rowCount(), 0);
    QCOMPARE(descaling.repeatModel()->rowCount(), 0);
}

QTEST_MAIN(TestConfigureSystemAux)
#include "tst_configure_system_aux.moc"
