#include "control/details/calendar_data_provider.h"
#include "control/details/created_item_watch.h"
#include "control/favorite_controller.h"
#include "control/favorite_overview_controller.h"
#include "pc_panel/supported_characters.h"
#include "protocol_buffers_support/si_pb_type_conversion/favorite_conversion.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "support/created_item_window.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/toggle_standard_item.h"
#include "view_cpp/value_role_names.h"

#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using signalInterface::CalendarProgram;
using signalInterface::UserMessageAction;
using AuxiliaryRelayPost = signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost;
using signalInterface::FavoritesTypes::FavoritesPost;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

// The sauna side: the receiver interface itself, whose signals the test emits.
class FakeBridge : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
public:
    FakeBridge() = default;
};

// The favorites tab's QML items, with every signal the controllers connect.
class FakeFavoritesView : public QObject
{
    Q_OBJECT

signals:
    void favoriteEditActivated(int favorite);
    void favoriteEditSaveActivated();
    void deleteFavoriteRequested();
    void startFavoriteRequested();
    void lightingStateChange(bool on);
    void favoriteNameEditActivated();
    void auxRelayActivatedChanged(int relay, bool activated);
    void favoriteEditCancelRequested();
    void editBathTimeRequested();
    void bathTimeCommit();
    void saveFavoriteRequested();
    void durationChangeRequested(int component, int direction);
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

FavoritesPost favoritePost(quint32 index, const QString &name)
{
    FavoritesPost favorite;
    favorite.index = index;
    favorite.inUse = true;
    favorite.name = name;
    favorite.humidity = 40;
    favorite.temperature = 720;
    favorite.bathTime = 60;
    return favorite;
}

AuxiliaryRelayPost onOffRelay(quint32 index, bool activated)
{
    AuxiliaryRelayPost relay;
    relay.index = index;
    relay.connected = true;
    relay.function = signalInterface::AuxiliaryRelayTypes::E_onOff;
    relay.activated = activated;
    return relay;
}

vaholumo::Favorite_post onTheWire(const FavoritesPost &favorite)
{
    vaholumo::Favorite_post post;
    pbSupport::conversion::toPbFavorite(favorite, post);
    return post;
}

// The favorites tab wired to a fake bridge as the providers do.
struct FavoritesTab
{
    FavoritesTab()
    {
        connectFailures += favorites.connectSaunaSignals({&bridge});
        connectFailures += overview.connectSaunaSignals({&bridge});
        connectFailures += overview.connectFavoriteChanges({&favorites});
        connectFailures += calendar.connectSaunaSignals({&bridge});
        favorites.setCalendar(&calendar);
        overview.setCalendar(&calendar);
        // A steam sauna: it controls humidity, in steps.
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.humidityLevel = true;
        emit bridge.saunaMasterFuncDescChanged(functions);
        emit bridge.saunaTargetTemperatureChanged(720);
        emit bridge.saunaTargetHumidityChanged(40);
        emit bridge.saunaBathTimeChanged(60);
        emit bridge.saunaLightsStateChange(false);
        emit bridge.saunaAuxRelaySettingChanged(onOffRelay(2, false));
        emit bridge.saunaFavoritesPostChanged(favoritePost(3, QStringLiteral("Evening")));
    }

    FakeBridge bridge;
    control::details::CalendarDataProvider calendar;
    control::FavoriteController favorites;
    control::FavoriteOverviewController overview;
    int connectFailures = 0;
};

} // namespace

class TestFavoriteControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void everyConnectOperationFindsItsSignals()
    {
        FavoritesTab tab;
        QCOMPARE(tab.connectFailures, 0);
        FakeFavoritesView view;
        QCOMPARE(tab.favorites.connectFavoritesView({&view}), 0);
        QCOMPARE(tab.favorites.connectBathTimeView({&view}), 0);
        QCOMPARE(tab.favorites.connectTemperatureUnitChanged({&view}), 0);
        QCOMPARE(tab.favorites.connectLanguageChanged({&view}), 0);
        QCOMPARE(tab.overview.connectSaveFavoriteView({&view}), 0);
        QObject plain;
        QCOMPARE(tab.favorites.connectFavoritesView({&plain}), 10);
        QCOMPARE(tab.overview.connectSaveFavoriteView({&plain}), 1);

        // The request signals carry the bridge sender's slot signatures.
        for (const char *signal :
             {SIGNAL(favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost)),
              SIGNAL(saunaStartFavoriteRequested(unsigned int)),
              SIGNAL(targetTemperatureChangeRequested(int)),
              SIGNAL(targetHumidityChangeRequested(int)), SIGNAL(bathTimeChangeRequested(int)),
              SIGNAL(lightsStateChangeRequested()), SIGNAL(auxRelayActivatedChanged(int, bool)),
              SIGNAL(openKeyboard(QString)), SIGNAL(closeKeyboard())}) {
            QSignalSpy spy(&tab.favorites, signal);
            QVERIFY2(spy.isValid(), signal);
        }
        QSignalSpy overviewUpdates(
            &tab.overview,
            SIGNAL(favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost)));
        QVERIFY(overviewUpdates.isValid());
    }

    void editedFavoriteIsSavedWithItsWireFields()
    {
        FavoritesTab tab;
        QAbstractItemModelTester relayTester(tab.favorites.auxiliaryRelaysModel());
        QAbstractItemModelTester favoritesTester(tab.overview.favoritesModel());
        QCOMPARE(tab.overview.favoritesModel()->rowCount(), 1);
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy changes(&tab.favorites, &control::FavoriteController::favoriteChangeIssued);

        tab.favorites.onFavoriteEditActivated(3);
        QVERIFY(tab.favorites.editing());
        QCOMPARE(tab.favorites.name(), QStringLiteral("Evening"));
        QCOMPARE(tab.favorites.auxiliaryRelaysModel()->rowCount(), 1);
        // The humidity first: 90 °C is past the limit table's entry for the stored 40 %.
        tab.favorites.humidityManager()->setValue({2, signalInterface::HumidityTypes::E_step});
        tab.favorites.temperatureManager()->setValue(810);
        tab.favorites.onEditBathTimeRequested();
        tab.favorites.bathTimeManager()->setValueInMinutes(90);
        tab.favorites.onBathTimeCommit();
        tab.favorites.onLightingStateChange(false);
        tab.favorites.onAuxRelayActivatedChanged(2, false);
        tab.favorites.onFavoriteNameEntered(QStringLiteral("  Late  "));
        QCOMPARE(tab.favorites.auxiliaryRelaysModel()->data(
                     tab.favorites.auxiliaryRelaysModel()->index(0), view::valueRoles::value2),
                 QVariant(true));
        tab.favorites.onFavoriteEditSaveActivated();

        QCOMPARE(changes.size(), 1);
        QCOMPARE(updates.size(), 1);
        const auto sent = updates.at(0).at(0).value<FavoritesPost>();
        QCOMPARE(changes.at(0).at(0).value<FavoritesPost>(), sent);
        QCOMPARE(sent.index, 3u);
        QVERIFY(sent.inUse);
        QCOMPARE(sent.name, QStringLiteral("Late"));
        const vaholumo::Favorite_post post = onTheWire(sent);
        QCOMPARE(post.humidity(), 103u);
        QCOMPARE(post.temperature(), 810u);
        QCOMPARE(post.bath_time(), 90u);
        QVERIFY(post.lights());
        QCOMPARE(post.aux_relay_active_size(), 7);
        QVERIFY(post.aux_relay_active(2));
        QVERIFY(!post.aux_relay_active(1));
        QVERIFY(!tab.favorites.editing());
        // The list keeps the sauna's name until the sauna reports the change.
        QCOMPARE(tab.overview.favoritesModel()->data(tab.overview.favoritesModel()->index(0),
                                                     view::RowItemBase::TextOnSubMenuRole),
                 QVariant(QStringLiteral("Evening")));
        emit tab.bridge.saunaFavoritesPostChanged(sent);
        QCOMPARE(tab.overview.favoritesModel()->data(tab.overview.favoritesModel()->index(0),
                                                     view::RowItemBase::TextOnSubMenuRole),
                 QVariant(QStringLiteral("Late")));

        // A percent humidity goes as percent; an unchanged favorite sends nothing.
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.humidityPercent = true;
        emit tab.bridge.saunaMasterFuncDescChanged(functions);
        emit tab.bridge.saunaHumiditySensorStatusChanged(true);
        tab.favorites.onFavoriteEditActivated(3);
        // 30 %: the limit table allows no more than 31 % at the favorite's 90 °C.
        tab.favorites.humidityManager()->setValue(
            {30, signalInterface::HumidityTypes::E_percentage});
        QCOMPARE(tab.favorites.humidityManager()->humidityUnit(),
                 signalInterface::HumidityTypes::E_percentage);
        tab.favorites.onFavoriteEditSaveActivated();
        QCOMPARE(onTheWire(updates.last().at(0).value<FavoritesPost>()).humidity(), 30u);
        tab.favorites.onFavoriteEditActivated(3);
        const qsizetype before = updates.size();
        tab.favorites.onFavoriteEditSaveActivated();
        QCOMPARE(updates.size(), before);
    }

    void aFavoritesBathTimeStepsDownToZeroAndUpToTheSaunasLimit()
    {
        using signalInterface::TimeEditTypes;
        FavoritesTab tab;
        FakeFavoritesView view;
        QCOMPARE(tab.favorites.connectFavoritesView({&view}), 0);
        QCOMPARE(tab.favorites.connectBathTimeView({&view}), 0);
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        value::DurationManager *manager = tab.favorites.bathTimeManager();
        int hour = 0, minute = 0, second = 0, millisecond = 0;
        manager->componentSteps(hour, minute, second, millisecond);
        QCOMPARE((QList<int>{hour, minute, second, millisecond}), (QList<int>{1, 1, 1, 1}));
        emit tab.bridge.saunaBathTimeLimitChanged(180);

        // The favorite's 60 minutes: an hour down gives 0, and the minute stepper stays there.
        emit view.favoriteEditActivated(3);
        emit view.editBathTimeRequested();
        QCOMPARE(manager->valueInMinutes(), 60);
        QSignalSpy lowerFlags(manager, &value::DurationManager::lowerLimitReached);
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        QCOMPARE(manager->valueInMinutes(), 0);
        QVERIFY(manager->value().has_value());
        QCOMPARE(*manager->value(), 0);
        QVERIFY(!lowerFlags.isEmpty());
        QCOMPARE(lowerFlags.last().at(1).toBool(), true);
        emit view.bathTimeCommit();
        emit view.favoriteEditSaveActivated();
        QCOMPARE(updates.size(), 1);
        QCOMPARE(onTheWire(updates.last().at(0).value<FavoritesPost>()).bath_time(), 0u);

        // The top is the sauna's limit: the steppers stop on it, and the hour wraps from it.
        emit tab.bridge.saunaFavoritesPostChanged(updates.last().at(0).value<FavoritesPost>());
        emit view.favoriteEditActivated(3);
        emit view.editBathTimeRequested();
        QCOMPARE(manager->valueInMinutes(), 0);
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
        QCOMPARE(manager->valueInMinutes(), 180);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 180);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 180);
        emit view.durationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
        QCOMPARE(manager->valueInMinutes(), 0);
        emit view.durationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
        emit view.bathTimeCommit();
        emit view.favoriteEditSaveActivated();
        QCOMPARE(updates.size(), 2);
        QCOMPARE(onTheWire(updates.last().at(0).value<FavoritesPost>()).bath_time(), 1u);
    }

    void deleteIsConfirmedOnceAndSendsTheSlotEmptied()
    {
        FavoritesTab tab;
        emit tab.bridge.saunaFavoritesPostChanged(favoritePost(5, QStringLiteral("Morning")));
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy deletes(&tab.favorites, &control::FavoriteController::favoriteDeleteIssued);
        QSignalSpy messages(&tab.favorites, &control::FavoriteController::panelUserMessageIssued);
        QList<QByteArray> order;
        connect(&tab.favorites, &control::FavoriteController::favoriteDeleteIssued, this,
                [&order] { order.append("delete"); });
        connect(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested, this,
                [&order] { order.append("update"); });

        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onDeleteFavoriteRequested();
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x2008u);
        QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
        auto *action = messages.at(0).at(1).value<UserMessageAction *>();
        QVERIFY(action);

        // Another delete while the question waits would replace the stored favorite: refused.
        tab.favorites.onFavoriteEditActivated(5);
        tab.favorites.onDeleteFavoriteRequested();
        QCOMPARE(messages.size(), 1);

        action->execute(signalInterface::UserMessageTypes::E_answerNo);
        QCOMPARE(updates.size(), 0);
        QCOMPARE(deletes.size(), 0);
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onDeleteFavoriteRequested();
        action->execute(signalInterface::UserMessageTypes::E_answerYes);
        QCOMPARE(order, (QList<QByteArray>{"delete", "update"}));
        QVERIFY(!updates.isEmpty());
        const auto sent = updates.at(0).at(0).value<FavoritesPost>();
        QVERIFY(!deletes.isEmpty());
        QCOMPARE(deletes.at(0).at(0).value<FavoritesPost>(), sent);
        QCOMPARE(sent.index, 3u);
        QVERIFY(!sent.inUse);
        QCOMPARE(QByteArray::fromStdString(onTheWire(sent).SerializeAsString()).toHex(),
                 QByteArray("08031000"));
        QCOMPARE(tab.overview.favoritesModel()->rowCount(), 2);
        emit tab.bridge.saunaFavoritesPostChanged(sent);
        QCOMPARE(tab.overview.favoritesModel()->rowCount(), 1);
    }

    void startRequestsOnlyWhatDiffers()
    {
        FavoritesTab tab;
        FavoritesPost favorite = favoritePost(3, QStringLiteral("Evening"));
        favorite.temperature = 810;
        favorite.lights = true;
        favorite.auxRelayActive[2] = true;
        emit tab.bridge.saunaFavoritesPostChanged(favorite);
        QList<QString> log;
        auto record = [&log](const QString &entry) {
            log.append(entry);
        };
        connect(&tab.favorites, &control::FavoriteController::targetTemperatureChangeRequested,
                this, [record](int value) { record(QStringLiteral("temperature %1").arg(value)); });
        connect(&tab.favorites, &control::FavoriteController::targetHumidityChangeRequested, this,
                [record](int value) { record(QStringLiteral("humidity %1").arg(value)); });
        connect(&tab.favorites, &control::FavoriteController::bathTimeChangeRequested, this,
                [record](int value) { record(QStringLiteral("bath time %1").arg(value)); });
        connect(&tab.favorites, &control::FavoriteController::lightsStateChangeRequested, this,
                [record] { record(QStringLiteral("lights")); });
        connect(&tab.favorites, &control::FavoriteController::auxRelayActivatedChanged, this,
                [record](int relay, bool shown) {
                    record(QStringLiteral("relay %1 %2").arg(relay).arg(shown));
                });
        connect(&tab.favorites, &control::FavoriteController::saunaStartFavoriteRequested, this,
                [record](unsigned int index) { record(QStringLiteral("start %1").arg(index)); });

        tab.favorites.onStartFavoriteRequested();
        QVERIFY(log.isEmpty());
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onStartFavoriteRequested();
        QCOMPARE(log, (QList<QString>{"temperature 810", "lights", "relay 2 0", "start 3"}));
    }

    void aSaunaWithoutHumidityControlGetsNoHumidityFromAFavorite()
    {
        FavoritesTab tab;
        // A dry sauna; the favorite keeps a humidity from a former setting.
        emit tab.bridge.saunaMasterFuncDescChanged({});
        FavoritesPost favorite = favoritePost(3, QStringLiteral("Evening"));
        favorite.humidity = 103;
        emit tab.bridge.saunaFavoritesPostChanged(favorite);
        QSignalSpy humidityRequests(&tab.favorites,
                                    &control::FavoriteController::targetHumidityChangeRequested);
        QSignalSpy starts(&tab.favorites,
                          &control::FavoriteController::saunaStartFavoriteRequested);
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);

        // Whatever the editor the page does not show holds, the favorite keeps its humidity.
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.humidityManager()->setValue({5, signalInterface::HumidityTypes::E_step});
        tab.favorites.temperatureManager()->setValue(810);
        tab.favorites.onStartFavoriteRequested();
        QCOMPARE(starts.size(), 1);
        QCOMPARE(humidityRequests.size(), 0);
        tab.favorites.onFavoriteEditSaveActivated();
        QCOMPARE(updates.size(), 1);
        const vaholumo::Favorite_post post = onTheWire(updates.last().at(0).value<FavoritesPost>());
        QCOMPARE(post.temperature(), 810u);
        QCOMPARE(post.humidity(), 103u);

        // A sauna that controls humidity is started with the favorite's own.
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost steam;
        steam.humidityLevel = true;
        emit tab.bridge.saunaMasterFuncDescChanged(steam);
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onStartFavoriteRequested();
        QCOMPARE(humidityRequests.size(), 1);
        QCOMPARE(humidityRequests.last().at(0).toInt(), 103);
    }

    void overviewSavesCurrentSettingsWithConfirmation()
    {
        FavoritesTab tab;
        emit tab.bridge.saunaTargetTemperatureChanged(765);
        emit tab.bridge.saunaLightsStateChange(true);
        QSignalSpy updates(&tab.overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.overview,
                            &control::FavoriteOverviewController::panelUserMessageIssued);
        QSignalSpy keyboard(&tab.overview, &control::FavoriteOverviewController::openKeyboard);

        // A name without a save request is not taken.
        tab.overview.onFavoriteNameEntered(QStringLiteral("Stray"));
        QCOMPARE(updates.size(), 0);

        tab.overview.onSaveFavoriteRequested();
        QCOMPARE(keyboard.size(), 1);
        tab.overview.onFavoriteNameEntered(QStringLiteral("Evening"));
        QCOMPARE(updates.size(), 0);
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x2007u);
        QCOMPARE(question.arguments, QStringList{"Evening"});
        messages.at(0).at(1).value<UserMessageAction *>()->execute(
            signalInterface::UserMessageTypes::E_answerYes);
        QCOMPARE(updates.size(), 1);
        const auto overwritten = updates.at(0).at(0).value<FavoritesPost>();
        QCOMPARE(overwritten.index, 3u);
        QCOMPARE(overwritten.temperature, 765u);
        QVERIFY(overwritten.lights);

        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Fresh"));
        QCOMPARE(updates.size(), 2);
        const auto created = updates.at(1).at(0).value<FavoritesPost>();
        QCOMPARE(created.index, 0u);
        QCOMPARE(created.name, QStringLiteral("Fresh"));
        QVERIFY(created.inUse);
        QCOMPARE(onTheWire(created).bath_time(), 60u);

        for (quint32 index = 0; index < 8; ++index) {
            emit tab.bridge.saunaFavoritesPostChanged(
                favoritePost(index, QStringLiteral("F%1").arg(index)));
        }
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Ninth"));
        QCOMPARE(updates.size(), 2);
        QCOMPARE(messages.last().at(0).value<UserMessage>().id, 0x2005u);
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("A name far longer than twenty"));
        QCOMPARE(updates.size(), 2);
    }

    // Two panels save a new favorite at once, each into the slot it found free, and the sauna
    // keeps the one it took last. The reports reach both panels in the order the sauna took the
    // requests: "other" before this panel's "own" echo was replaced by it; "other" right after
    // the echo replaced it, and this one goes again into the next free slot, or the user is told
    // that none is free. A change reported later ("later": the window ends), or the slot emptied,
    // is an edit made at the other panel; one made here ("edit", in the editor) is this panel's.
    // "other" with no echo in the window is a request or echo lost: this one goes again.
    // "second" saves another new favorite here before the first is known to be kept; "clock"
    // passes the window by the clock before its timer runs, "early" runs the timer before the
    // clock has passed the window.
    void aFavoriteCreatedAtOnceWithAnotherPanelIsKept_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<bool>("otherSlotsTaken");
        QTest::addColumn<QStringList>("requested"); // each request: name and slot
        QTest::addColumn<bool>("toldNoFree");
        const QStringList once{"Gamma 0"};
        const QStringList again{"Gamma 0", "Gamma 1"};
        QTest::newRow("another before the echo") << "other,own" << false << once << false;
        QTest::newRow("another right after the echo") << "own,other" << false << again << false;
        QTest::newRow("another after the echo, no free slot")
            << "own,other" << true << once << true;
        QTest::newRow("an edit later at the other panel")
            << "own,later,other" << false << once << false;
        QTest::newRow("emptied after the echo") << "own,gone,other" << false << once << false;
        QTest::newRow("no echo in time") << "later,own,other" << false << once << false;
        QTest::newRow("edited here right after the echo") << "own,edit" << false << once << false;
        QTest::newRow("another item, echo lost: saved again when the window ends")
            << "other,later" << false << again << false;
        QTest::newRow("another item, echo lost, no free slot: told")
            << "other,later" << true << once << true;
        QTest::newRow("another item, then own echo within the window: nothing")
            << "other,own,later" << false << once << false;
        QTest::newRow("a second one while the first goes again: the next slot")
            << "own,other,second" << false << QStringList{"Gamma 0", "Gamma 1", "Eta 2"} << false;
        QTest::newRow("a second one before the echo: the first still goes again")
            << "second,own,other" << false << QStringList{"Gamma 0", "Eta 1", "Gamma 2"} << false;
        QTest::newRow("another after the window by the clock, before its timer")
            << "own,clock,other,later" << false << once << false;
        QTest::newRow("another item, then own echo after the window by the clock: nothing")
            << "other,clock,own,later" << false << once << false;
        QTest::newRow("the timer before the clock: the echo still counts")
            << "other,early,own,later" << false << once << false;
    }

    void aFavoriteCreatedAtOnceWithAnotherPanelIsKept()
    {
        QFETCH(QString, reports);
        QFETCH(bool, otherSlotsTaken);
        QFETCH(QStringList, requested);
        QFETCH(bool, toldNoFree);
        FavoritesTab tab;
        qint64 now = 1000;
        tab.overview.setMonotonicClock([&now] { return now; });
        for (quint32 index = 1; otherSlotsTaken && index < 8; ++index)
            emit tab.bridge.saunaFavoritesPostChanged(favoritePost(index, QString::number(index)));
        QSignalSpy updates(&tab.overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.overview,
                            &control::FavoriteOverviewController::panelUserMessageIssued);
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Gamma"));
        QCOMPARE(updates.size(), 1);
        const auto created = updates.at(0).at(0).value<FavoritesPost>();
        QCOMPARE(created.index, 0u);
        FavoritesPost gone(created);
        gone.inUse = false;
        for (const QString &report : reports.split(QLatin1Char(','))) {
            if (report == QLatin1String("later")) {
                passCreatedItemWindow(tab.overview, now);
            } else if (report == QLatin1String("clock")) {
                now += control::details::CreatedItemWindow::windowMs + 1;
            } else if (report == QLatin1String("early")) {
                runCreatedItemTimer(tab.overview);
            } else if (report == QLatin1String("second")) {
                tab.overview.onSaveFavoriteRequested();
                tab.overview.onFavoriteNameEntered(QStringLiteral("Eta"));
            } else if (report == QLatin1String("edit")) {
                QSignalSpy edits(&tab.favorites,
                                 &control::FavoriteController::favoriteUpdateRequested);
                tab.favorites.onFavoriteEditActivated(0);
                tab.favorites.onFavoriteNameEntered(QStringLiteral("Gamma 2"));
                tab.favorites.onFavoriteEditSaveActivated();
                QCOMPARE(edits.size(), 1);
                emit tab.bridge.saunaFavoritesPostChanged(edits.at(0).at(0).value<FavoritesPost>());
            } else {
                emit tab.bridge.saunaFavoritesPostChanged(
                    report == QLatin1String("own")     ? created
                    : report == QLatin1String("other") ? favoritePost(0, QStringLiteral("Delta"))
                                                       : gone);
            }
        }

        // Each request is the favorite as saved, in its slot.
        QStringList requests;
        for (const QList<QVariant> &update : updates) {
            const auto favorite = update.at(0).value<FavoritesPost>();
            FavoritesPost expected = tab.overview.currentSettings(favorite.name);
            expected.index = favorite.index;
            QCOMPARE(favorite, expected);
            requests.append(favorite.name + QLatin1Char(' ') + QString::number(favorite.index));
        }
        QCOMPARE(requests, requested);
        QCOMPARE(messages.size(), toldNoFree ? 1 : 0);
        if (toldNoFree)
            QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2005u);
    }

    // Two panels save the stored favorite within one round trip, and the sauna keeps the save it
    // took last. This panel saves an "edit" (a new name) or asks to delete it ("delete?") and
    // answers "yes"; the reports come in the order the sauna took the requests: "own" is this
    // panel's echo, "other" an edit made at the other panel and "gone" a delete made there. The
    // other panel's change right after the echo replaced this one, and the user is told; one
    // before it was replaced by this one. A change reported later ("later": the window ends) is
    // no collision; with no echo in the window, this request or its echo was lost and the slot
    // holds the other panel's: the user is told. Nothing is saved again. A question left open
    // ("delete?", "back?" after the new name, "save?" of it with a program in the not-allowed
    // window, "overwrite?" from the list) and answered "yes" after the other panel's change, or
    // after its delete and a "new" favorite saved there, sends nothing: the editor stays as the
    // change left it, and the list's user is told.
    void aFavoriteChangedAtOnceWithAnotherPanelIsTold_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("told");
        QTest::addColumn<int>("sent");
        QTest::addColumn<bool>("editing"); // the editor open on the other panel's favorite
        QTest::newRow("edit, another edit right after") << "edit,own,other" << true << 1 << false;
        QTest::newRow("edit, deleted right after") << "edit,own,gone" << true << 1 << false;
        QTest::newRow("edit, another edit before") << "edit,other,own" << false << 1 << false;
        QTest::newRow("edit, another edit later") << "edit,own,later,other" << false << 1 << false;
        QTest::newRow("edit, another edit, echo lost") << "edit,other,later" << true << 1 << false;
        QTest::newRow("delete, edited right after")
            << "delete?,yes,own,other" << true << 1 << false;
        QTest::newRow("delete, edited before") << "delete?,yes,other,own" << false << 1 << false;
        QTest::newRow("delete, edited later")
            << "delete?,yes,own,later,other" << false << 1 << false;
        QTest::newRow("delete asked, deleted and another saved there, yes")
            << "delete?,gone,new,yes" << true << 0 << false;
        QTest::newRow("delete asked, edited, yes") << "delete?,other,yes" << true << 0 << true;
        QTest::newRow("save changes asked, deleted and another saved there, yes")
            << "back?,gone,new,yes" << true << 0 << false;
        QTest::newRow("save changes asked, edited, yes") << "back?,other,yes" << true << 0 << true;
        QTest::newRow("not-allowed start asked, edited, yes")
            << "save?,other,yes" << true << 0 << true;
        QTest::newRow("overwrite asked, edited, yes")
            << "overwrite?,other,yes" << true << 0 << false;
    }

    void aFavoriteChangedAtOnceWithAnotherPanelIsTold()
    {
        QFETCH(QString, steps);
        QFETCH(bool, told);
        QFETCH(int, sent);
        QFETCH(bool, editing);
        FavoritesTab tab;
        qint64 now = 1000;
        tab.overview.setMonotonicClock([&now] { return now; });
        QSignalSpy requests(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy created(&tab.overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.overview,
                            &control::FavoriteOverviewController::panelUserMessageIssued);
        QSignalSpy questions(&tab.favorites, &control::FavoriteController::panelUserMessageIssued);
        FavoritesPost other = favoritePost(3, QStringLiteral("Other"));
        other.temperature = 900;
        FavoritesPost gone = other;
        gone.inUse = false;
        for (const QString &step : steps.split(QLatin1Char(','))) {
            if (step == QLatin1String("save?")) {
                // A program of the favorite that starts in the not-allowed window.
                emit tab.bridge.saunaNotAllowedStartEnableChanged(true);
                emit tab.bridge.saunaNotAllowedStartFromTimeChanged(QTime(10, 0));
                emit tab.bridge.saunaNotAllowedStartUntilTimeChanged(QTime(18, 0));
                CalendarProgram noon(7);
                noon.inUse = true;
                noon.start = QDateTime(QDate(2024, 5, 7), QTime(12, 0), Qt::UTC);
                noon.favorite = 3;
                QVERIFY(tab.calendar.storeProgram(noon));
            }
            if (step == QLatin1String("overwrite?")) {
                tab.overview.onSaveFavoriteRequested();
                tab.overview.onFavoriteNameEntered(QStringLiteral("Evening"));
            } else if (step == QLatin1String("edit") || step.endsWith(QLatin1Char('?'))) {
                tab.favorites.onFavoriteEditActivated(3);
                if (step == QLatin1String("delete?")) {
                    tab.favorites.onDeleteFavoriteRequested();
                } else {
                    tab.favorites.onFavoriteNameEntered(QStringLiteral("Night"));
                    if (step == QLatin1String("back?"))
                        tab.favorites.onFavoriteEditCancelRequested();
                    else
                        tab.favorites.onFavoriteEditSaveActivated();
                }
                QCOMPARE(requests.size(), step == QLatin1String("edit") ? 1 : 0);
            } else if (step == QLatin1String("yes")) {
                QSignalSpy &asked = questions.isEmpty() ? messages : questions;
                QVERIFY(!asked.isEmpty());
                asked.takeFirst().at(1).value<UserMessageAction *>()->execute(
                    signalInterface::UserMessageTypes::E_answerYes);
            } else if (step == QLatin1String("later")) {
                passCreatedItemWindow(tab.overview, now);
            } else {
                QVERIFY(step != QLatin1String("own") || !requests.isEmpty());
                emit tab.bridge.saunaFavoritesPostChanged(
                    step == QLatin1String("own")     ? requests.at(0).at(0).value<FavoritesPost>()
                    : step == QLatin1String("other") ? other
                    : step == QLatin1String("new")   ? favoritePost(3, QStringLiteral("New"))
                                                     : gone);
            }
        }

        QCOMPARE(requests.size() + created.size(), sent);
        QCOMPARE(messages.size() + questions.size(), told ? 1 : 0);
        if (told) {
            QSignalSpy &tells = messages.isEmpty() ? questions : messages;
            QCOMPARE(tells.at(0).at(0).value<UserMessage>().id, 0x2012u);
        }
        QCOMPARE(tab.favorites.editing(), editing);
        if (editing)
            QCOMPARE(tab.favorites.name(), other.name);
    }

    // Until the sauna has told its target temperature and bath time, the current settings are
    // defaults: nothing is saved, and a sauna replaced while the name is typed saves nothing.
    void currentSettingsAreSavedOnlyOnceReported()
    {
        FakeBridge bridge;
        control::FavoriteOverviewController overview;
        QCOMPARE(overview.connectSaunaSignals({&bridge}), 0);
        QSignalSpy known(&overview,
                         &control::FavoriteOverviewController::currentSettingsKnownChanged);
        QSignalSpy keyboard(&overview, &control::FavoriteOverviewController::openKeyboard);
        QSignalSpy updates(&overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        const auto saveAs = [&overview](const QString &name) {
            overview.onSaveFavoriteRequested();
            overview.onFavoriteNameEntered(name);
        };

        saveAs(QStringLiteral("Early"));
        emit bridge.saunaTargetTemperatureChanged(765);
        QVERIFY(!overview.currentSettingsKnown());
        saveAs(QStringLiteral("Early"));
        QCOMPARE(keyboard.size(), 0);
        QCOMPARE(updates.size(), 0);
        emit bridge.saunaBathTimeChanged(45);
        QVERIFY(overview.currentSettingsKnown());
        QCOMPARE(known.size(), 1);

        overview.onSaveFavoriteRequested();
        QCOMPARE(keyboard.size(), 1);
        overview.onSaunaReplaced();
        QVERIFY(!overview.currentSettingsKnown());
        QCOMPARE(known.size(), 2);
        overview.onFavoriteNameEntered(QStringLiteral("Former"));
        QCOMPARE(updates.size(), 0);

        emit bridge.saunaBathTimeChanged(30);
        emit bridge.saunaTargetTemperatureChanged(720);
        saveAs(QStringLiteral("Fresh"));
        QCOMPARE(updates.size(), 1);
        const auto saved = updates.at(0).at(0).value<FavoritesPost>();
        QCOMPARE(saved.temperature, 720u);
        QCOMPARE(saved.bathTime, 30u);
        QCOMPARE(known.size(), 3);
    }

    // A name with characters the sauna cannot show is taken with '_' in place of each, by the
    // editor and by the list alike, and a message names the characters replaced; the spaces
    // around a name do not count. Until the sauna has told its characters, names are taken as
    // typed.
    void charactersTheSaunaCannotShowAreReplaced()
    {
        FavoritesTab tab;
        QSignalSpy editorMessages(&tab.favorites,
                                  &control::FavoriteController::panelUserMessageIssued);
        QSignalSpy listMessages(&tab.overview,
                                &control::FavoriteOverviewController::panelUserMessageIssued);
        QSignalSpy updates(&tab.overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onFavoriteNameEntered(QStringLiteral("Late!?"));
        QCOMPARE(tab.favorites.name(), QStringLiteral("Late!?"));
        QCOMPARE(editorMessages.size(), 0);

        pcPanel::SupportedCharacters::CharacterSet shown;
        for (const QChar character : QStringLiteral("EFLaeghinrstv"))
            shown.insert(character.unicode());
        pcPanel::SupportedCharacters::instance().setCharacters(shown);
        // An empty set stands for a sauna that has not told its characters: all are taken
        // again.
        const auto allCharactersAgain =
            qScopeGuard([] { pcPanel::SupportedCharacters::instance().setCharacters({}); });

        tab.favorites.onFavoriteNameEntered(QStringLiteral(" ?Late!? "));
        QCOMPARE(tab.favorites.name(), QStringLiteral("_Late__"));
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Fresh?"));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0).at(0).value<FavoritesPost>().name, QStringLiteral("Fresh_"));

        QCOMPARE(editorMessages.size(), 1);
        const auto editorMessage = editorMessages.at(0).at(0).value<UserMessage>();
        QCOMPARE(editorMessage.id, 0x203bu);
        QCOMPARE(editorMessage.arguments, QStringList{"!?"});
        QCOMPARE(listMessages.size(), 1);
        QCOMPARE(listMessages.at(0).at(0).value<UserMessage>().arguments, QStringList{"?"});

        tab.favorites.onFavoriteNameEntered(QStringLiteral("  Late  "));
        QCOMPARE(tab.favorites.name(), QStringLiteral("Late"));
        QCOMPARE(editorMessages.size() + listMessages.size(), 2);
    }

    void cancelledKeyboardEndsTheOverviewsNameRequest()
    {
        FavoritesTab tab;
        QSignalSpy updates(&tab.overview,
                           &control::FavoriteOverviewController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.overview,
                            &control::FavoriteOverviewController::panelUserMessageIssued);

        // A name typed after the keyboard was cancelled is not the new favorite's.
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEditCancelled();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Late"));
        QCOMPARE(updates.size(), 0);
        QCOMPARE(messages.size(), 0);

        // A cancel without a request changes nothing; the next request takes its name.
        tab.overview.onFavoriteNameEditCancelled();
        tab.overview.onSaveFavoriteRequested();
        tab.overview.onFavoriteNameEntered(QStringLiteral("Fresh"));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0).at(0).value<FavoritesPost>().name, QStringLiteral("Fresh"));
    }

    // Back with any change not saved (the name, a value, a switch) asks whether to save it; the
    // answer saves the favorite as edited or drops the change. Back without a change, or after
    // a change stepped back, leaves at once.
    void backWithAChangeNotSavedAsksWhetherToSave_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        const int yes = signalInterface::UserMessageTypes::E_answerYes;
        const int no = signalInterface::UserMessageTypes::E_answerNo;
        for (const char *change :
             {"name", "temperature", "humidity", "bath time", "lights", "relay"}) {
            QTest::addRow("%s, yes", change) << QString::fromLatin1(change) << yes << true;
            QTest::addRow("%s, no", change) << QString::fromLatin1(change) << no << false;
        }
        QTest::newRow("none") << QString() << -1 << false;
        QTest::newRow("stepped back") << QStringLiteral("stepped back") << -1 << false;
        QTest::newRow("bath time not set") << QStringLiteral("bath time not set") << -1 << false;
    }

    void backWithAChangeNotSavedAsksWhetherToSave()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        FavoritesTab tab;
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.favorites, &control::FavoriteController::panelUserMessageIssued);
        tab.favorites.onFavoriteEditActivated(3);
        FavoritesPost expected = favoritePost(3, QStringLiteral("Evening"));
        value::TemperatureValueManager *temperature = tab.favorites.temperatureManager();
        if (change == QLatin1String("name")) {
            tab.favorites.onFavoriteNameEntered(QStringLiteral("Late"));
            expected.name = QStringLiteral("Late");
        } else if (change == QLatin1String("temperature")) {
            temperature->onChangeTemperatureValueRequested(
                signalInterface::DataProviderTypes::E_stepper_decrease);
            expected.temperature = 711;
        } else if (change == QLatin1String("humidity")) {
            tab.favorites.humidityManager()->onChangeHumidityValueRequested(
                signalInterface::DataProviderTypes::E_stepper_decrease);
            expected.humidity = tab.favorites.editedFavorite().humidity;
            QVERIFY(expected.humidity != favoritePost(3, QString()).humidity);
        } else if (change == QLatin1String("bath time")) {
            tab.favorites.onEditBathTimeRequested();
            tab.favorites.bathTimeManager()->setValueInMinutes(90);
            tab.favorites.onBathTimeCommit();
            expected.bathTime = 90;
        } else if (change == QLatin1String("lights")) {
            tab.favorites.onLightingStateChange(false);
            expected.lights = true;
        } else if (change == QLatin1String("relay")) {
            tab.favorites.onAuxRelayActivatedChanged(2, false);
            expected.auxRelayActive[2] = true;
        } else if (change == QLatin1String("stepped back")) {
            temperature->onChangeTemperatureValueRequested(
                signalInterface::DataProviderTypes::E_stepper_increase);
            temperature->onChangeTemperatureValueRequested(
                signalInterface::DataProviderTypes::E_stepper_decrease);
        } else if (change == QLatin1String("bath time not set")) {
            // Steps the bath-time editor was not set to are not the favorite's.
            tab.favorites.onEditBathTimeRequested();
            tab.favorites.bathTimeManager()->setValueInMinutes(90);
        }
        tab.favorites.onFavoriteEditCancelRequested();
        if (answer < 0) {
            QCOMPARE(messages.size(), 0);
            QVERIFY(!tab.favorites.editing());
            QCOMPARE(updates.size(), 0);
            return;
        }

        // The question names the favorite as edited; the editor stays until it is answered,
        // and another Back does not ask twice.
        QCOMPARE(messages.size(), 1);
        const auto question = messages.at(0).at(0).value<UserMessage>();
        QCOMPARE(question.id, 0x204cu);
        QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
        QCOMPARE(question.arguments, QStringList{expected.name});
        QVERIFY(tab.favorites.editing());
        tab.favorites.onFavoriteEditCancelRequested();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(updates.size(), 0);

        auto *action = messages.at(0).at(1).value<UserMessageAction *>();
        QVERIFY(action);
        action->execute(signalInterface::UserMessageTypes::UserMessageAnswer(answer));
        QVERIFY(!tab.favorites.editing());
        QCOMPARE(updates.size(), saved ? 1 : 0);
        if (saved)
            QCOMPARE(updates.at(0).at(0).value<FavoritesPost>(), expected);
    }

    // Saving a favorite checks every program that uses it against the not-allowed start window
    // (10:00 - 18:00) as the program's own Save does, and asks about the first that conflicts
    // before anything is sent: No keeps the edit open with the user's change. A ready-at program
    // heats from a 20 °C room at 2 °C a minute: 30 minutes to the favorite's 80 °C.
    void aFavoriteSaveAsksBeforeAProgramMeetsTheNotAllowedWindow_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<bool>("readyAt");
        QTest::addColumn<int>("favorite");        // the favorite the program uses
        QTest::addColumn<quint32>("temperature"); // the favorite's, as saved
        // Saved by the editor's Save, through Back's question, or by the overview's overwrite of
        // the favorite of the same name with the sauna's current settings.
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        QTest::addColumn<quint32>("expectedId"); // 0: saved without a question
        QTest::addColumn<QStringList>("arguments");
        // Another program of the favorite, in a slot before it, that keeps out of the window.
        QTest::addColumn<bool>("keptOutBefore");
        const int yes = signalInterface::UserMessageTypes::E_answerYes;
        const int no = signalInterface::UserMessageTypes::E_answerNo;
        const int save = 0;
        const int back = 1;
        const int overwrite = 2;
        const QString window = QStringLiteral("10:00 - 18:00");
        const QStringList heatingInWindow{QStringLiteral("17:54 - 19:31"), window};
        // 94 °C takes 37 minutes: the heating starts at 17:54.
        QTest::newRow("raised into the window, yes") << QTime(18, 31) << true << 3 << 846u << save
                                                     << yes << 0x2021u << heatingInWindow << false;
        QTest::newRow("raised into the window, no") << QTime(18, 31) << true << 3 << 846u << save
                                                    << no << 0x2021u << heatingInWindow << false;
        QTest::newRow("raised into the window by Back's save, yes")
            << QTime(18, 31) << true << 3 << 846u << back << yes << 0x2021u << heatingInWindow
            << false;
        QTest::newRow("raised into the window by Back's save, no")
            << QTime(18, 31) << true << 3 << 846u << back << no << 0x2021u << heatingInWindow
            << false;
        QTest::newRow("raised into the window by an overwrite, yes")
            << QTime(18, 31) << true << 3 << 846u << overwrite << yes << 0x2021u << heatingInWindow
            << false;
        QTest::newRow("raised into the window by an overwrite, no")
            << QTime(18, 31) << true << 3 << 846u << overwrite << no << 0x2021u << heatingInWindow
            << false;
        // 82 °C: 31 minutes, from 18:00 as the window ends.
        QTest::newRow("raised to the window's end")
            << QTime(18, 31) << true << 3 << 738u << save << -1 << 0u << QStringList() << false;
        QTest::newRow("a program starting in the window")
            << QTime(12, 0) << false << 3 << 738u << save << yes << 0x2020u
            << QStringList{QStringLiteral("12:00 - 13:00"), window} << false;
        QTest::newRow("raised into the window for its second program")
            << QTime(18, 31) << true << 3 << 846u << save << yes << 0x2021u << heatingInWindow
            << true;
        QTest::newRow("a program of another favorite")
            << QTime(18, 31) << true << 4 << 846u << save << -1 << 0u << QStringList() << false;
    }

    void aFavoriteSaveAsksBeforeAProgramMeetsTheNotAllowedWindow()
    {
        QFETCH(QTime, start);
        QFETCH(bool, readyAt);
        QFETCH(int, favorite);
        QFETCH(quint32, temperature);
        QFETCH(int, way);
        QFETCH(int, answer);
        QFETCH(quint32, expectedId);
        QFETCH(QStringList, arguments);
        QFETCH(bool, keptOutBefore);
        FavoritesTab tab;
        emit tab.bridge.saunaFavoritesPostChanged(favoritePost(4, QStringLiteral("Morning")));
        emit tab.bridge.saunaNotAllowedStartEnableChanged(true);
        emit tab.bridge.saunaNotAllowedStartFromTimeChanged(QTime(10, 0));
        emit tab.bridge.saunaNotAllowedStartUntilTimeChanged(QTime(18, 0));
        CalendarProgram tuesdays(7);
        tuesdays.inUse = true;
        tuesdays.weekday = true;
        tuesdays.start = QDateTime(QDate(2024, 5, 7), start, Qt::UTC);
        tuesdays.startMode = readyAt ? signalInterface::CalendarTypes::E_ready_at
                                     : signalInterface::CalendarTypes::E_start_at;
        tuesdays.duration = 60;
        tuesdays.favorite = favorite;
        QVERIFY(tab.calendar.storeProgram(tuesdays));
        if (keptOutBefore) {
            // Ready at 21:00: the heating starts at 20:23.
            CalendarProgram evenings = tuesdays;
            evenings.index = 2;
            evenings.start.setTime(QTime(21, 0));
            evenings.favorite = 3;
            QVERIFY(tab.calendar.storeProgram(evenings));
        }
        // The controller the favorite is saved from.
        QObject *saver = way == 2 ? static_cast<QObject *>(&tab.overview) : &tab.favorites;
        QSignalSpy updates(saver, SIGNAL(favoriteUpdateRequested(
                                      ::signalInterface::FavoritesTypes::FavoritesPost)));
        QSignalSpy messages(
            saver, SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                                 ::signalInterface::UserMessageAction *)));

        FavoritesPost edited;
        if (way == 2) {
            emit tab.bridge.saunaTargetTemperatureChanged(int(temperature));
            tab.overview.onSaveFavoriteRequested();
            tab.overview.onFavoriteNameEntered(QStringLiteral("Evening"));
            edited = tab.overview.currentSettings(QStringLiteral("Evening"));
            edited.index = 3;
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2007u);
        } else {
            tab.favorites.onFavoriteEditActivated(3);
            // The humidity first: the limit table allows 94 °C with the lower step.
            tab.favorites.humidityManager()->setValue({2, signalInterface::HumidityTypes::E_step});
            tab.favorites.temperatureManager()->setValue(int(temperature));
            edited = tab.favorites.editedFavorite();
        }
        QCOMPARE(edited.temperature, temperature);
        if (way == 0) {
            tab.favorites.onFavoriteEditSaveActivated();
        } else {
            if (way == 1) {
                tab.favorites.onFavoriteEditCancelRequested();
                QCOMPARE(messages.size(), 1);
            }
            // Back's question, or the overwrite's, answered Yes.
            messages.takeFirst().at(1).value<UserMessageAction *>()->execute(
                signalInterface::UserMessageTypes::E_answerYes);
        }
        if (expectedId != 0) {
            QCOMPARE(messages.size(), 1);
            const auto question = messages.at(0).at(0).value<UserMessage>();
            QCOMPARE(question.id, expectedId);
            QCOMPARE(question.arguments, arguments);
            // Nothing goes before the answer, and the editor stays; another Save does not ask
            // twice.
            QCOMPARE(updates.size(), 0);
            if (way != 2) {
                QVERIFY(tab.favorites.editing());
                tab.favorites.onFavoriteEditSaveActivated();
                QCOMPARE(messages.size(), 1);
            }
            messages.at(0).at(1).value<UserMessageAction *>()->execute(
                signalInterface::UserMessageTypes::UserMessageAnswer(answer));
        } else {
            QCOMPARE(messages.size(), 0);
        }
        const bool saved = answer != signalInterface::UserMessageTypes::E_answerNo;
        QCOMPARE(updates.size(), saved ? 1 : 0);
        if (saved)
            QCOMPARE(updates.at(0).at(0).value<FavoritesPost>(), edited);
        if (way == 2)
            return;
        QCOMPARE(tab.favorites.editing(), !saved);
        if (!saved)
            QCOMPARE(tab.favorites.editedFavorite(), edited);
    }

    // A favorite deleted on another panel while the question waits is not brought back.
    void saveAnsweredAfterTheFavoriteWentAwayIsNotSent()
    {
        FavoritesTab tab;
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.favorites, &control::FavoriteController::panelUserMessageIssued);
        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onFavoriteNameEntered(QStringLiteral("Late"));
        tab.favorites.onFavoriteEditCancelRequested();
        QCOMPARE(messages.size(), 1);
        auto *action = messages.at(0).at(1).value<UserMessageAction *>();
        FavoritesPost gone = favoritePost(3, QString());
        gone.inUse = false;
        emit tab.bridge.saunaFavoritesPostChanged(gone);
        action->execute(signalInterface::UserMessageTypes::E_answerYes);
        QVERIFY(!tab.favorites.editing());
        QCOMPARE(updates.size(), 0);
    }

    void badInputFromQmlIsIgnored()
    {
        FavoritesTab tab;
        QSignalSpy updates(&tab.favorites, &control::FavoriteController::favoriteUpdateRequested);
        QSignalSpy messages(&tab.favorites, &control::FavoriteController::panelUserMessageIssued);
        tab.favorites.onFavoriteEditActivated(-1);
        tab.favorites.onFavoriteEditActivated(8);
        tab.favorites.onFavoriteEditActivated(5); // not in use
        QVERIFY(!tab.favorites.editing());
        tab.favorites.onDeleteFavoriteRequested();
        tab.favorites.onFavoriteEditSaveActivated();
        tab.favorites.onLightingStateChange(false);
        QCOMPARE(updates.size(), 0);
        QCOMPARE(messages.size(), 0);

        tab.favorites.onFavoriteEditActivated(3);
        tab.favorites.onAuxRelayActivatedChanged(7, false);
        tab.favorites.onAuxRelayActivatedChanged(-1, false);
        tab.favorites.onFavoriteNameEntered(QString());
        tab.favorites.onFavoriteNameEntered(QStringLiteral("123456789012345678901"));
        emit tab.bridge.saunaFavoritesPostChanged(favoritePost(4, QStringLiteral("Taken")));
        tab.favorites.onFavoriteNameEntered(QStringLiteral("Taken"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, 0x2006u);
        QCOMPARE(tab.favorites.editedFavorite(), favoritePost(3, QStringLiteral("Evening")));
        tab.favorites.onFavoriteEditCancelRequested();
        QVERIFY(!tab.favorites.editing());
        QCOMPARE(updates.size(), 0);
    }

    // The up-step shows as blocked exactly where no further step fits under the limit, so that
    // every step it offers moves the value: in °F one step is five ninths, and a value loaded
    // between whole degrees is rarely a whole number of steps below a limit.
    void theTemperatureUpStepIsBlockedAtTheLastStepThatFits_data()
    {
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<int>("humidity");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("last");
        QTest::newRow("°F, 40 % allows 84 °C (756): 720 stops at 755") << true << 40 << 720 << 755;
        QTest::newRow("°F, level 4 counts as 40 %") << true << 105 << 720 << 755;
        QTest::newRow("°F, 0 % allows 110 °C (990), from between whole degrees")
            << true << 0 << 722 << 987;
        QTest::newRow("°C, from between whole degrees") << false << 40 << 725 << 752;
        QTest::newRow("°C, whole degrees reach the limit") << false << 40 << 720 << 756;
    }

    void theTemperatureUpStepIsBlockedAtTheLastStepThatFits()
    {
        QFETCH(bool, fahrenheit);
        QFETCH(int, humidity);
        QFETCH(int, temperature);
        QFETCH(int, last);
        FavoritesTab tab;
        FakeFavoritesView view;
        QCOMPARE(tab.favorites.connectTemperatureUnitChanged({&view}), 0);
        if (fahrenheit)
            emit view.temperatureUnitChanged(signalInterface::TemperatureTypes::E_fahrenheit);
        FavoritesPost stored = favoritePost(3, QStringLiteral("Evening"));
        stored.humidity = quint32(humidity);
        stored.temperature = quint32(temperature);
        emit tab.bridge.saunaFavoritesPostChanged(stored);
        value::TemperatureValueManager *manager = tab.favorites.temperatureManager();
        QSignalSpy blocked(manager, &value::TemperatureValueManager::upperLimitReached);
        tab.favorites.onFavoriteEditActivated(3);
        QCOMPARE(manager->value(), std::optional<value::Degrees_9C_T>(temperature));
        QVERIFY(!blocked.isEmpty());

        const int up = signalInterface::DataProviderTypes::E_stepper_increase;
        const int down = signalInterface::DataProviderTypes::E_stepper_decrease;
        for (int press = 0; press < 100 && !blocked.last().at(0).toBool(); ++press) {
            const value::Degrees_9C_T before = *manager->value();
            manager->onChangeTemperatureValueRequested(up);
            QVERIFY2(*manager->value() > before, qPrintable(QString::number(before)));
        }
        QCOMPARE(manager->value(), std::optional<value::Degrees_9C_T>(last));
        QVERIFY(blocked.last().at(0).toBool());
        manager->onChangeTemperatureValueRequested(up);
        QCOMPARE(manager->value(), std::optional<value::Degrees_9C_T>(last));
        // One step down offers the step up again.
        manager->onChangeTemperatureValueRequested(down);
        QVERIFY(*manager->value() < last);
        QVERIFY(!blocked.last().at(0).toBool());
    }

    // A stored number beyond an int's range counts as beyond the upper limit: the editor opens
    // at its upper limit, as for any number above it, not at its lower limit or at 0.
    void aStoredNumberBeyondAnIntOpensAtTheUpperLimit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<quint32>("stored");
        QTest::newRow("temperature 2000000000") << QStringLiteral("temperature") << 2000000000u;
        QTest::newRow("temperature 3000000000") << QStringLiteral("temperature") << 3000000000u;
        QTest::newRow("temperature largest") << QStringLiteral("temperature") << 4294967295u;
        QTest::newRow("humidity 3000000000") << QStringLiteral("humidity") << 3000000000u;
        QTest::newRow("bath time 2000000000") << QStringLiteral("bath time") << 2000000000u;
        QTest::newRow("bath time 3000000000") << QStringLiteral("bath time") << 3000000000u;
    }

    void aStoredNumberBeyondAnIntOpensAtTheUpperLimit()
    {
        QFETCH(QString, field);
        QFETCH(quint32, stored);
        FavoritesTab tab;
        FavoritesPost favorite = favoritePost(3, QStringLiteral("Evening"));
        // A sauna that controls humidity in percent, so that the number is held as it is.
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.humidityPercent = true;
        emit tab.bridge.saunaMasterFuncDescChanged(functions);
        favorite.humidity = 0;
        if (field == QLatin1String("temperature"))
            favorite.temperature = stored;
        else if (field == QLatin1String("humidity"))
            favorite.humidity = stored;
        else
            favorite.bathTime = stored;
        emit tab.bridge.saunaFavoritesPostChanged(favorite);
        tab.favorites.onFavoriteEditActivated(3);
        const value::TemperatureValueManager *temperature = tab.favorites.temperatureManager();
        const value::HumidityValueManager *humidity = tab.favorites.humidityManager();
        const value::DurationManager *bathTime = tab.favorites.bathTimeManager();
        if (field == QLatin1String("temperature")) {
            QCOMPARE(temperature->value(), std::optional<int>(temperature->upperLimit()));
            QVERIFY(temperature->upperLimit() >= 990);
        } else if (field == QLatin1String("humidity")) {
            QCOMPARE(humidity->value().value, humidity->upperLimit().value);
            QVERIFY(humidity->value().value > 0);
        } else {
            QCOMPARE(bathTime->value(), std::optional<qint64>(bathTime->upperLimit()));
            QVERIFY(*bathTime->value() > 0);
        }

        // Start requests what the editor holds, not a cast of the stored number.
        QSignalSpy temperatureRequests(
            &tab.favorites, &control::FavoriteController::targetTemperatureChangeRequested);
        QSignalSpy humidityRequests(&tab.favorites,
                                    &control::FavoriteController::targetHumidityChangeRequested);
        QSignalSpy bathTimeRequests(&tab.favorites,
                                    &control::FavoriteController::bathTimeChangeRequested);
        tab.favorites.onStartFavoriteRequested();
        const auto requested = [&]() -> QList<QVariant> {
            if (field == QLatin1String("temperature"))
                return temperatureRequests.value(0);
            if (field == QLatin1String("humidity"))
                return humidityRequests.value(0);
            return bathTimeRequests.value(0);
        };
        const int held = field == QLatin1String("temperature") ? *temperature->value()
                         : field == QLatin1String("humidity")
                             ? value::encodeHumidity(humidity->value())
                             : bathTime->valueInMinutes();
        QCOMPARE(requested(), QList<QVariant>{held});
    }

    // The limits of a replaced sauna do not hold for the next one: its favorite opens at a
    // value that the former sauna's limit would have held back.
    void aReplacedSaunasLimitsHoldNoLonger_data()
    {
        QTest::addColumn<QByteArray>("limitSignal");
        QTest::addColumn<int>("formerLimit");
        QTest::addColumn<int>("stored");
        QTest::newRow("lower temperature")
            << QByteArray("saunaLowerTemperatureLimitChanged") << 450 << 360;
        QTest::newRow("upper temperature")
            << QByteArray("saunaUpperTemperatureLimitChanged") << 540 << 720;
        QTest::newRow("bath time") << QByteArray("saunaBathTimeLimitChanged") << 30 << 120;
    }

    void aReplacedSaunasLimitsHoldNoLonger()
    {
        QFETCH(QByteArray, limitSignal);
        QFETCH(int, formerLimit);
        QFETCH(int, stored);
        FavoritesTab tab;
        QVERIFY(QMetaObject::invokeMethod(&tab.bridge, limitSignal.constData(),
                                          Q_ARG(int, formerLimit)));
        tab.favorites.onSaunaReplaced();
        const bool bathTime = limitSignal.contains("BathTime");
        FavoritesPost next = favoritePost(3, QStringLiteral("Evening"));
        (bathTime ? next.bathTime : next.temperature) = quint32(stored);
        emit tab.bridge.saunaFavoritesPostChanged(next);
        tab.favorites.onFavoriteEditActivated(3);
        QCOMPARE(bathTime ? tab.favorites.bathTimeManager()->valueInMinutes()
                          : tab.favorites.temperatureManager()->value().value_or(-1),
                 stored);
    }

    // A favorite's temperature is held within the editor's limits, whatever was asked: 111 °C,
    // past the limit table's 110 °C, and 200 °C at the upper limit, not as "no value".
    void favoriteTemperatureIsHeldWithinItsLimits()
    {
        FavoritesTab tab;
        value::TemperatureValueManager *temperature = tab.favorites.temperatureManager();
        temperature->setValue(110 * 9);
        QCOMPARE(temperature->value(), std::optional<value::Degrees_9C_T>(110 * 9));
        QSignalSpy unknown(temperature, &value::TemperatureValueManager::temperatureValueUnknown);
        temperature->setValue(111 * 9);
        QCOMPARE(temperature->value(), std::optional<value::Degrees_9C_T>(110 * 9));
        temperature->setValue(200 * 9);
        QCOMPARE(temperature->value(),
                 std::optional<value::Degrees_9C_T>(temperature->upperLimit()));
        QCOMPARE(unknown.size(), 0);
    }
};

QTEST_MAIN(TestFavoriteControllers)
#include "tst_favorite_controllers.moc"
