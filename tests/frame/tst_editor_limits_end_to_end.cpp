#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/favorites_types.h"
#include "value/duration_manager.h"
#include "value/integer_manager.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/configure/configure_system_cleanup_view_manager.h"
#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"
#include "view_cpp/row_item.h"

#include <QQmlContext>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <functional>
#include <vector>

using signalInterface::DataProviderTypes;
using tools::IntegerId;

namespace {

constexpr qint64 msPerMinute = 60000;
constexpr qint64 msPerHour = 60 * msPerMinute;

// One editor of the panel: its limits as its owner set them, the way a user's save sends the
// value it holds, how that value reads on the wire, and what the sauna holds now.
struct Editor
{
    const char *what;
    std::function<std::pair<qint64, qint64>()> limits;
    std::function<void(qint64)> saveAt;
    std::function<qint64(qint64)> onWire;
    std::function<qint64()> saunaHolds;
    // Whether the panel offers the editor for this sauna.
    std::function<bool()> offered = [] {
        return true;
    };
};

// The text of the first message the panel was given, or nothing.
QString firstMessage(const QSignalSpy &messages)
{
    return messages.isEmpty() ? QString()
                              : messages.first()
                                    .at(0)
                                    .value<signalInterface::UserMessageTypes::UserMessage>()
                                    .text;
}

// The limits an editor's owner gave it: the integer, duration and temperature managers each keep
// their own.
template<typename Editor>
std::pair<qint64, qint64> limitsOf(const Editor *editor)
{
    return {editor->lowerLimit(), editor->upperLimit()};
}

} // namespace

// The whole panel connected to the simulated sauna on loopback. Every editor of the panel that
// sends a number is set to its lower and to its upper limit, as its owner set them once the sauna
// has reported, and saved: the sauna takes each value, holds it and reports it back, and the
// panel shows no message. A dry or infrared sauna has no steam generator to descale: it offers no
// descaling pump among its relays.
class TestEditorLimitsEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    QObject *published(const char *name) const
    {
        return m_frame->guiHandler.view()
            ->rootContext()
            ->contextProperty(QLatin1String(name))
            .value<QObject *>();
    }

    std::vector<Editor> settingsEditors(int product);

private slots:
    void cleanup() { shutDown(); }

    void everyEditorsLimitsAreTakenAndReportedBack_data()
    {
        QTest::addColumn<int>("product");
        QTest::newRow("combi") << combiProduct;
        QTest::newRow("steam") << steamProduct;
    }

    void everyEditorsLimitsAreTakenAndReportedBack()
    {
        QFETCH(int, product);
        STEP(startWithProduct(product));
        STEP(waitForDescalingRelay());
        QSignalSpy messages(
            m_frame->saunaCommunication.saunaSystemReceiver(),
            SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                          ::signalInterface::UserMessageAction *)));
        QVERIFY(messages.isValid());
        for (const Editor &editor : settingsEditors(product)) {
            if (!editor.offered())
                continue;
            const auto [lower, upper] = editor.limits();
            QVERIFY2(lower < upper, editor.what);
            for (const qint64 value : {lower, upper}) {
                const QString what =
                    QStringLiteral("%1 at %2").arg(QLatin1String(editor.what)).arg(value);
                editor.saveAt(value);
                QTRY_VERIFY2_WITH_TIMEOUT(editor.saunaHolds() == editor.onWire(value),
                                          qPrintable(what), waitMs);
                QVERIFY2(messages.isEmpty(),
                         qPrintable(what + QStringLiteral(": ") + firstMessage(messages)));
            }
        }
    }

    void favoriteBathTimeAndLastCalendarYearAreTaken()
    {
        STEP(startWithProduct(steamProduct));
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        QSignalSpy messages(
            link.saunaSystemReceiver(),
            SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                          ::signalInterface::UserMessageAction *)));
        QSignalSpy favorites(
            link.saunaSystemReceiver(),
            SIGNAL(saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost)));
        QSignalSpy programs(link.saunaSystemReceiver(), SIGNAL(saunaCalendarProgramChanged(
                                                            ::signalInterface::CalendarProgram)));

        // A favorite's bath-time editor goes down to its own lower limit, 0; starting the
        // favorite asks for that bath time.
        auto *bathTime =
            qobject_cast<value::DurationManager *>(published("favorites_bath_time_manager"));
        QVERIFY(bathTime);
        QCOMPARE(bathTime->lowerLimit(), 0);
        signalInterface::FavoritesTypes::FavoritesPost favorite;
        favorite.index = 1;
        favorite.inUse = true;
        favorite.name = QStringLiteral("Short");
        favorite.bathTime = quint32(bathTime->lowerLimit() / msPerMinute);
        link.saunaSystemSender()->onFavoriteUpdateRequested(favorite);
        QTRY_VERIFY_WITH_TIMEOUT(m_sauna->model().records().favorites()[1].inUse, waitMs);
        QCOMPARE(m_sauna->model().records().favorites()[1].bathTime, 0u);
        QTRY_VERIFY(!favorites.isEmpty());
        QCOMPARE(favorites.last().at(0).value<signalInterface::FavoritesTypes::FavoritesPost>(),
                 favorite);
        link.saunaSystemSender()->onBathTimeChangeRequested(int(favorite.bathTime));
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().integer(IntegerId::BathTime), 0u, waitMs);

        // The date calendar shows the months up to December 2199.
        signalInterface::CalendarProgram last(3);
        last.inUse = true;
        last.start = QDateTime(QDate(2199, 12, 31), QTime(23, 0), QTimeZone::utc());
        last.duration = 30;
        link.saunaSystemSender()->onCalendarProgramChangeRequested(last);
        QTRY_VERIFY_WITH_TIMEOUT(m_sauna->model().records().calendarPrograms()[3].inUse, waitMs);
        QTRY_VERIFY(!programs.isEmpty());
        QCOMPARE(programs.last().at(0).value<signalInterface::CalendarProgram>().start, last.start);
        QVERIFY2(messages.isEmpty(), qPrintable(firstMessage(messages)));
    }

    void drySaunaOffersNoDescalingPump_data()
    {
        QTest::addColumn<int>("product");
        QTest::newRow("sauna") << dryProduct;
        QTest::newRow("ir") << infraredProduct;
    }

    void drySaunaOffersNoDescalingPump()
    {
        QFETCH(int, product);
        STEP(startWithProduct(product));
        auto &aux = m_frame->configureTab.manager<view::ConfigureSystemAuxViewManager>();
        // The relays have arrived: the fragrance pump is connected.
        QTRY_VERIFY_WITH_TIMEOUT(aux.relays().at(0).connected, waitMs);
        QVERIFY(aux.descalingRelayIndex() < 0);
        aux.onOptionsViewVisibleChanged(true);
        const view::ListModel &relays = *aux.relayModel();
        QVERIFY(relays.rowCount() > 0);
        for (int row = 0; row < relays.rowCount(); ++row) {
            auto *item = qobject_cast<view::RowItemBase *>(relays.itemAt(row));
            QVERIFY(item);
            const int relay = item->applId();
            QVERIFY2(aux.relays().at(relay).name != QStringLiteral("Descaling pump"),
                     qPrintable(QString::number(relay)));
            aux.onAuxSelected(relay);
            QVERIFY2(!applIdsOf(*aux.functionModel())
                          .contains(view::ConfigureSystemAuxViewManager::descalingChoice),
                     qPrintable(QString::number(relay)));
        }
        aux.onOptionsSingleViewVisibleChanged(false);
        aux.onOptionsViewVisibleChanged(false);
    }
};

std::vector<Editor> TestEditorLimitsEndToEnd::settingsEditors(int product)
{
    auto &tab = m_frame->configureTab;
    const tools::SaunaStateModel &sauna = m_sauna->model();
    const auto integer = [&sauna](int id) {
        return [&sauna, id] {
            return qint64(sauna.integer(id));
        };
    };
    const auto same = [](qint64 value) {
        return value;
    };
    const auto inMinutes = [](qint64 ms) {
        return ms / msPerMinute;
    };

    auto &cleanup = tab.manager<view::ConfigureSystemCleanupViewManager>();
    auto &tank = tab.manager<view::ConfigureSystemTankAutoEmptyingViewManager>();
    auto &fan = tab.manager<view::ConfigureAdvancedSettingsFanViewManager>();
    auto &externalSwitch = tab.manager<view::ConfigureAdvancedSettingsExtSwitchViewManager>();
    auto &standby = tab.manager<view::ConfigureAdvancedSettingsStandbyViewManager>();
    auto &limits = tab.manager<view::ConfigureLimitsViewManager>();
    auto &aux = tab.manager<view::ConfigureSystemAuxViewManager>();
    control::SaunaStateController &state = m_frame->controllerTab.saunaStateController;
    const int fragranceRelay = 0;
    const int descalingRelay = aux.descalingRelayIndex();

    // A temperature editor whose value is sent with the user's step: one step short of the
    // limit, then the step to it.
    const auto stepTo = [](value::TemperatureValueManager *editor, qint64 value,
                           const std::function<void(int)> &step) {
        const bool up = value == editor->upperLimit();
        editor->setValue(int(up ? value - 9 : value + 9));
        step(up ? DataProviderTypes::E_stepper_increase : DataProviderTypes::E_stepper_decrease);
    };

    return {
        {"main screen bath time", [&state] { return limitsOf(state.bathTimeManager()); },
         [&state](qint64 value) {
             state.bathTimeManager()->setValue(value);
             state.onSettingsBathTimeCommit();
         },
         inMinutes, integer(IntegerId::BathTime)},
        {"cleanup interval", [&cleanup] { return limitsOf(cleanup.timeManager()); },
         [&cleanup](qint64 value) {
             cleanup.timeManager()->setValue(value);
             cleanup.onCleanupTimeCommit();
         },
         [](qint64 ms) { return ms / msPerHour; }, integer(IntegerId::CleanupBetweenTime)},
        {"tank auto-emptying interval", [&tank] { return limitsOf(tank.timeManager()); },
         [&tank](qint64 value) {
             tank.timeManager()->setValue(value);
             tank.onTankAutoEmptyingIntervalCommit();
         },
         inMinutes, integer(IntegerId::TankAutoEmptyingDuration)},
        {"fan run time", [&fan] { return limitsOf(fan.runtimeManager()); },
         [&fan](qint64 value) {
             fan.runtimeManager()->setValue(value);
             fan.onCommitValue(signalInterface::ConfigureTypes::E_fanRuntime);
         },
         inMinutes, integer(IntegerId::FanRuntime)},
        {"external switch bath time",
         [&externalSwitch] { return limitsOf(externalSwitch.bathTimeManager()); },
         [&externalSwitch](qint64 value) {
             externalSwitch.bathTimeManager()->setValue(value);
             externalSwitch.onCommitValue(
                 signalInterface::ConfigureTypes::E_externalSwitchBathtime);
         },
         inMinutes, integer(IntegerId::ExtSwitchBathTime)},
        {"standby temperature reduction",
         [&standby] { return limitsOf(standby.reductionManager()); },
         [&standby](qint64 value) {
             // The reduction is sent only while the page switches standby on.
             standby.onStandbyViewVisibleChanged(true);
             standby.onToggleChanged(0, false);
             standby.reductionManager()->setValue(int(value));
             standby.onCommitValue(signalInterface::ConfigureTypes::E_standby);
         },
         same, integer(IntegerId::StandbyOffsetTemperature),
         // A steam generator keeps its tank warm instead.
         [product] {
             return product != steamProduct;
         }},
        {"tank standby temperature",
         [&standby] { return limitsOf(standby.waterTemperatureManager()); },
         [&standby](qint64 value) {
             standby.onStandbyViewVisibleChanged(true);
             standby.onToggleChanged(0, false);
             standby.waterTemperatureManager()->setValue(int(value));
             standby.onCommitValue(signalInterface::ConfigureTypes::E_standby);
         },
         same, integer(IntegerId::TankStandbyTemperature)},
        {"maximum bath temperature",
         [&limits] { return limitsOf(limits.maxBathTemperatureManager()); },
         [&limits, stepTo](qint64 value) {
             stepTo(limits.maxBathTemperatureManager(), value, [&limits](int step) {
                 limits.maxBathTemperatureManager()->onChangeTemperatureValueRequested(step);
             });
         },
         same, integer(IntegerId::UpperTemperatureLimit)},
        {"water temperature limit",
         [&limits] { return limitsOf(limits.upperWaterTemperatureManager()); },
         [&limits](qint64 value) {
             limits.upperWaterTemperatureManager()->setValue(int(value));
             limits.onWaterTempLimitCommit();
         },
         same, integer(IntegerId::WaterTemperatureLimit)},
        {"board overheat limit", [&limits] { return limitsOf(limits.pcbOverheatLimitManager()); },
         [&limits](qint64 value) {
             limits.pcbOverheatLimitManager()->setValue(int(value));
             limits.onOverheatLimitCommit();
         },
         same, integer(IntegerId::PcbOverheatLimit)},
        {"tank fill time", [&limits] { return limitsOf(limits.tankFillTimeManager()); },
         [&limits](qint64 value) {
             limits.tankFillTimeManager()->setValue(value);
             limits.onTankFillTimeCommit();
         },
         [](qint64 ms) { return ms / 1000; }, integer(IntegerId::RcbTankFillTime)},
        {"fragrance pump time", [&aux] { return limitsOf(aux.fragranceManager().pumpManager()); },
         [&aux, fragranceRelay](qint64 value) {
             aux.onAuxSelected(fragranceRelay);
             aux.fragranceManager().pumpManager()->setValue(value);
             aux.fragranceManager().onAuxPumpDurationCommit();
         },
         [](qint64 ms) { return ms / 100; },
         [&sauna, fragranceRelay] {
             return qint64(sauna.auxRelays().relays()[fragranceRelay].onTime.value);
         }},
        {"fragrance stop time", [&aux] { return limitsOf(aux.fragranceManager().stopManager()); },
         [&aux, fragranceRelay](qint64 value) {
             aux.onAuxSelected(fragranceRelay);
             aux.fragranceManager().stopManager()->setValue(value);
             aux.fragranceManager().onAuxStopDurationCommit();
         },
         [](qint64 ms) { return ms / 1000; },
         [&sauna, fragranceRelay] {
             return qint64(sauna.auxRelays().relays()[fragranceRelay].offTime.value);
         }},
        {"descaling duration",
         [&aux] { return limitsOf(aux.descalingManager().durationManager()); },
         [&aux, descalingRelay](qint64 value) {
             aux.onAuxSelected(descalingRelay);
             aux.descalingManager().durationManager()->setValue(value);
             aux.descalingManager().onAuxDescalingDurationCommit();
         },
         inMinutes,
         [&sauna, descalingRelay] {
             return qint64(sauna.auxRelays().relays()[descalingRelay].onTime.value);
         }},
        {"descaling dosage", [&aux] { return limitsOf(aux.descalingManager().dosageManager()); },
         [&aux, descalingRelay](qint64 value) {
             aux.onAuxSelected(descalingRelay);
             aux.descalingManager().dosageManager()->setValue(value);
             aux.descalingManager().onAuxDescalingDosageCommit();
         },
         same,
         [&sauna] {
             return qint64(sauna.auxRelays().descaling().dosage);
         }},
        // The repeat list's first and last choice.
        {"descaling repeat", [] { return std::pair<qint64, qint64>(168, 672); },
         [&aux, descalingRelay](qint64 hours) {
             aux.onAuxSelected(descalingRelay);
             aux.descalingManager().onAuxDescalingWeekdayRepeatSelected(int(hours));
         },
         same,
         [&sauna, descalingRelay] {
             return qint64(sauna.auxRelays().relays()[descalingRelay].offTime.value);
         }},
    };
}

QTEST_MAIN(TestEditorLimitsEndToEnd)
#include "tst_editor_limits_end_to_end.moc"
