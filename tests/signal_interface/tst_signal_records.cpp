#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/error_log_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/smart_start_types.h"

#include "support/member_detection.h"

#include <QTest>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <sstream>
#include <type_traits>

using namespace signalInterface;

namespace {

PANEL_DETECT_MEMBER(HasControlsHumidity, std::declval<const T &>().controlsHumidity());

template<typename T>
bool survivesVariant(const T &record)
{
    return QVariant::fromValue(record).template value<T>() == record;
}

const QDateTime someTime(QDate(2024, 3, 9), QTime(17, 45), Qt::UTC);

} // namespace

// The sauna's data records: defaults, comparisons and helpers.
class TestSignalRecords : public QObject
{
    Q_OBJECT

private slots:
    void calendarProgramFavorite()
    {
        CalendarProgram program;
        program.setFavoriteIndex({true, 3});
        QCOMPARE(program.favoriteIndex(), std::make_pair(true, 3));
        QCOMPARE(program.favorite, 3);
        program.setFavoriteIndex({false, 5});
        QCOMPARE(program.favoriteIndex().first, false);
        QCOMPARE(program.favorite, -1);
    }

    void calendarProgramEquality_data()
    {
        using Change = std::function<void(CalendarProgram &)>;
        QTest::addColumn<Change>("change");
        QTest::newRow("index") << Change([](CalendarProgram &p) { p.index = 1; });
        QTest::newRow("inUse") << Change([](CalendarProgram &p) { p.inUse = true; });
        QTest::newRow("option11") << Change([](CalendarProgram &p) { p.option11 = true; });
        QTest::newRow("start") << Change([](CalendarProgram &p) { p.start = someTime; });
        QTest::newRow("duration") << Change([](CalendarProgram &p) { p.duration = 31; });
        QTest::newRow("humidity") << Change([](CalendarProgram &p) { p.humidity = 105; });
        QTest::newRow("temperature") << Change([](CalendarProgram &p) { p.temperature = 459; });
        QTest::newRow("weekday") << Change([](CalendarProgram &p) { p.weekday = true; });
        QTest::newRow("startMode")
            << Change([](CalendarProgram &p) { p.startMode = CalendarTypes::E_ready_at; });
        QTest::newRow("standby") << Change([](CalendarProgram &p) { p.standby = true; });
        QTest::newRow("favorite") << Change([](CalendarProgram &p) { p.favorite = 0; });
    }

    void calendarProgramEquality()
    {
        QFETCH(std::function<void(CalendarProgram &)>, change);
        const CalendarProgram original;
        CalendarProgram changed;
        QVERIFY(changed == original);
        change(changed);
        QVERIFY(changed != original);
        QVERIFY(!(changed == original));
        QVERIFY(survivesVariant(changed));
    }

    void calendarProgramStartTimes()
    {
        CalendarProgram first;
        CalendarProgram second;
        first.start = QDateTime();
        QCOMPARE(first, second);
        first.start = someTime;
        second.start = someTime.toTimeZone(QTimeZone(3600));
        // The same instant in another zone is the same start.
        QCOMPARE(first, second);
        second.start = someTime.addSecs(60);
        QVERIFY(first != second);
    }

    void favoriteRelayFlagsTakePartInEquality()
    {
        const FavoritesTypes::FavoritesPost favorite;
        FavoritesTypes::FavoritesPost other = favorite;
        other.auxRelayActive[6] = true;
        QVERIFY(other != favorite);
        QVERIFY(survivesVariant(other));
    }

    void auxiliaryRelayPosts()
    {
        QList<AuxiliaryRelayTypes::AuxiliaryRelayPost> posts;
        AuxiliaryRelayTypes::AuxiliaryRelayPost existing;
        existing.index = 42;
        existing.name = QStringLiteral("kept");
        posts.append(existing);

        AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(posts);
        QCOMPARE(posts.size(), 8);
        QCOMPARE(posts.first(), existing);
        for (int relay = 0; relay < 7; ++relay) {
            AuxiliaryRelayTypes::AuxiliaryRelayPost expected;
            expected.index = quint32(relay);
            QCOMPARE(posts.at(relay + 1), expected);
        }
        const AuxiliaryRelayTypes::AuxiliaryRelayPost &post = posts.at(1);
        QVERIFY(!post.connected);
        QCOMPARE(post.function, AuxiliaryRelayTypes::E_notUsed);
        QCOMPARE(post.offTimeScaling, AuxiliaryRelayTypes::E_100_msec);
        QCOMPARE(post.onTimeScaling, AuxiliaryRelayTypes::E_100_msec);

        AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(posts);
        QCOMPARE(posts.size(), 15);
        QCOMPARE(posts.last().index, 6u);
    }

    void descalingEquality_data()
    {
        using Change = std::function<void(AuxiliaryRelayTypes::Descaling &)>;
        QTest::addColumn<Change>("change");
        QTest::newRow("enabled") << Change([](auto &d) { d.enabled = true; });
        QTest::newRow("relayIndex") << Change([](auto &d) { d.relayIndex = 2; });
        QTest::newRow("weekday") << Change([](auto &d) { d.weekday = CalendarTypes::E_friday; });
        QTest::newRow("startTime") << Change([](auto &d) { d.startTime = QTime(6, 30); });
        QTest::newRow("dosage") << Change([](auto &d) { d.dosage = 40; });
    }

    void descalingEquality()
    {
        QFETCH(std::function<void(AuxiliaryRelayTypes::Descaling &)>, change);
        const AuxiliaryRelayTypes::Descaling original;
        QCOMPARE(original.relayIndex, 7u);
        QVERIFY(!original.startTime.isValid());
        AuxiliaryRelayTypes::Descaling changed;
        QVERIFY(changed == original);
        change(changed);
        QVERIFY(changed != original);
        QVERIFY(survivesVariant(changed));
    }

    // The start time counts by its milliseconds of the day: an unset one is midnight.
    void descalingStartTimeComparesByItsMilliseconds()
    {
        AuxiliaryRelayTypes::Descaling unset;
        AuxiliaryRelayTypes::Descaling midnight;
        midnight.startTime = QTime(0, 0);
        QVERIFY(!unset.startTime.isValid());
        QVERIFY(unset == midnight);
        QVERIFY(!(unset != midnight));
        midnight.startTime = QTime(0, 1);
        QVERIFY(unset != midnight);
    }

    void errorLogOrdering()
    {
        ErrorLogTypes::ErrorLogItem older;
        older.index = 1;
        older.time = someTime;
        older.firstFlag = true;
        ErrorLogTypes::ErrorLogItem newer;
        newer.index = 2;
        newer.time = someTime.addDays(1);
        ErrorLogTypes::ErrorLogItem newest;
        newest.index = 3;
        newest.time = someTime.addDays(2);

        QVERIFY(ErrorLogTypes::isLaterThan(newer, older));
        QVERIFY(!ErrorLogTypes::isLaterThan(older, newer));
        QVERIFY(!ErrorLogTypes::isLaterThan(older, older));

        QList<ErrorLogTypes::ErrorLogItem> log{older, newest, newer};
        std::sort(log.begin(), log.end(), ErrorLogTypes::isLaterThan);
        QCOMPARE(log.at(0).index, 3u);
        QCOMPARE(log.at(1).index, 2u);
        QCOMPARE(log.at(2).index, 1u);

        QVERIFY(older.flag());
        QVERIFY(!older.isFlagClear());
        QVERIFY(!newer.flag());
        QVERIFY(newer.isFlagClear());
        QVERIFY(survivesVariant(older));
    }

    void nodeInformation()
    {
        NodeInformationTypes::NodeInformationPost node;
        QCOMPARE(node.profile, NodeInformationTypes::E_rcb);
        QVERIFY(node.applicationVersion.empty());
        QVERIFY(!node.isAddressAbove63());
        node.address = 63;
        QVERIFY(!node.isAddressAbove63());
        node.address = 64;
        QVERIFY(node.isAddressAbove63());

        NodeInformationTypes::NodeInformationPost other = node;
        QCOMPARE(other, node);
        other.zerededidVersion = "1.0.2";
        QVERIFY(other != node);
        QVERIFY(survivesVariant(other));
    }

    void appendAllRelays()
    {
        RelayStatusTypes::RelayStatus status;
        RelayStatusTypes::appendAllRelays(status, 2);
        QCOMPARE(status.size(), 14);
        for (int relay = 0; relay < 14; ++relay) {
            QCOMPARE(int(status.at(relay).relay), relay);
            QCOMPARE(status.at(relay).board, NodeInformationTypes::E_slave_2);
            QVERIFY(!status.at(relay).state1);
            QVERIFY(!status.at(relay).state2);
        }
        RelayStatusTypes::appendAllRelays(status, 0);
        QCOMPARE(status.size(), 28);
        QCOMPARE(status.at(14).board, NodeInformationTypes::E_master);
        QVERIFY(survivesVariant(status));
    }

    // A board number that names no board must not produce records with an undefined board.
    void appendAllRelaysRefusesUnknownBoards()
    {
        RelayStatusTypes::RelayStatus status;
        RelayStatusTypes::appendAllRelays(status, 1);
        QCOMPARE(status.size(), 14);
        const RelayStatusTypes::RelayStatus before = status;
        RelayStatusTypes::appendAllRelays(status, 3);
        RelayStatusTypes::appendAllRelays(status, 0xFFFFFFFFu);
        QCOMPARE(status, before);
    }

    // The records hold their fields and the listed operations; the relay list is appended to and
    // gives no result.
    void recordsKeepTheirListedOperations()
    {
        RelayStatusTypes::RelayStatus status;
        QVERIFY(std::is_void_v<decltype(RelayStatusTypes::appendAllRelays(status, 0))>);
        QVERIFY(!HasControlsHumidity<MasterFuncDescTypes::MasterFuncDescPost>::value);
    }

    void functionFlagText()
    {
        MasterFuncDescTypes::MasterFuncDescPost post;
        post.bathPrio = true;
        post.facilityType = true;
        const QString text = MasterFuncDescTypes::toText(post);
        QCOMPARE(text,
                 QStringLiteral("BathPrio:Y Schedule:N RTC:N NotAllowedStart:N Aux:N Cleanup:N "
                                "Fan:N Standby:N StandbyTemperature:N ResetTimer:N "
                                "HumidityLevel:N HumidityPercent:N TankAutoEmptying:N "
                                "TemperatureSet:N WaterLevel:N TankManual:N WaterTemperature:N "
                                "ErrorLog:N PcbOverheatLimit:N ExtSwFunction:N ExtSwBathtime:N "
                                "FacilityType:Y"));

        // The unnamed 23rd flag is not written, but it counts for equality.
        MasterFuncDescTypes::MasterFuncDescPost withFunction23 = post;
        withFunction23.function23 = true;
        QCOMPARE(MasterFuncDescTypes::toText(withFunction23), text);
        QVERIFY(withFunction23 != post);
        QVERIFY(survivesVariant(withFunction23));

        std::ostringstream stream;
        stream << post;
        QCOMPARE(QString::fromStdString(stream.str()), text);
        QString debugText;
        QDebug(&debugText) << post << 1;
        QCOMPARE(debugText.trimmed(), QLatin1Char('"') + text + QStringLiteral("\" 1"));
    }

    void functionFlagsEachChangeText()
    {
        // Every named flag appears once, in report order, so no two flags share a position.
        MasterFuncDescTypes::MasterFuncDescPost all;
        bool *const flags[] = {
            &all.bathPrio,
            &all.schedule,
            &all.rtc,
            &all.notAllowedStart,
            &all.aux,
            &all.cleanup,
            &all.fan,
            &all.standby,
            &all.standbyTemperature,
            &all.resetTimer,
            &all.humidityLevel,
            &all.humidityPercent,
            &all.tankAutoEmptying,
            &all.temperatureSet,
            &all.waterLevel,
            &all.tankManual,
            &all.waterTemperature,
            &all.errorLog,
            &all.pcbOverheatLimit,
            &all.extSwFunction,
            &all.extSwBathtime,
            &all.facilityType,
        };
        for (int i = 0; i < int(std::size(flags)); ++i) {
            *flags[i] = true;
            const QStringList items = MasterFuncDescTypes::toText(all).split(QLatin1Char(' '));
            QCOMPARE(items.size(), 22);
            QVERIFY2(items.at(i).endsWith(QLatin1String(":Y")), qPrintable(items.at(i)));
            QCOMPARE(items.filter(QStringLiteral(":Y")).size(), 1);
            *flags[i] = false;
        }
    }

    void dateTimeAndSmartStart()
    {
        const DateTimeTypes::SaunaDateTime clock;
        QVERIFY(!clock.dateValid);
        QVERIFY(!clock.timeValid);
        QVERIFY(clock.dateTime.isNull());
        DateTimeTypes::SaunaDateTime set = clock;
        set.timeValid = true;
        QVERIFY(set != clock);
        QVERIFY(survivesVariant(set));

        const SmartStartTypes::SmartStartParameters parameters;
        QCOMPARE(parameters.heatRatio, 18u);
        QCOMPARE(parameters.value2, 0u);
        QCOMPARE(parameters.flag, 0);
        QVERIFY(survivesVariant(parameters));
    }
};

QTEST_APPLESS_MAIN(TestSignalRecords)
#include "tst_signal_records.moc"
