#include "../test_translator.h"
#include "model_reader.h"

#include "control/display_controller.h"
#include "control/settings.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_general_display_view_manager.h"
#include "view_cpp/configure/configure_general_language_view_manager.h"
#include "view_cpp/configure/configure_general_region_view_manager.h"
#include "view_cpp/configure/configure_general_units_view_manager.h"
#include "view_cpp/row_item.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using control::Settings;
using signalInterface::CalendarTypes;
using signalInterface::DateTimeTypes;
using signalInterface::DisplayTypes;
using signalInterface::LanguageTypes;
using signalInterface::RegionTypes;
using signalInterface::TemperatureTypes;
using view::ConfigureGeneralDisplayViewManager;
using view::ConfigureGeneralLanguageViewManager;
using view::ConfigureGeneralRegionViewManager;
using view::ConfigureGeneralUnitsViewManager;

namespace {

// The application ids of the rows whose check mark is set.
QList<int> checkedIds(const view::ListModel &model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (modelReader::value(model, row, "checkmarkChecked").toBool())
            ids.append(model.getApplId(row));
    }
    return ids;
}

QStringList rowTexts(const view::ListModel &model)
{
    return modelReader::texts(model, "textOnSubMenu");
}

QStringList layoutOrders(const view::ListModel &model)
{
    return modelReader::texts(model, "layoutOrder");
}

// Counts the dataChanged() of every row of the model.
class RowChangeCounter
{
public:
    explicit RowChangeCounter(view::ListModel &model)
    {
        for (int row = 0; row < model.rowCount(); ++row)
            m_spies.emplace_back(
                std::make_unique<QSignalSpy>(model.itemAt(row), &view::ListItem::dataChanged));
    }
    int count() const
    {
        int total = 0;
        for (const auto &spy : m_spies)
            total += int(spy->count());
        return total;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

bool regionKeyPresent()
{
    return Settings::settings()->contains(QLatin1String(Settings::hasChangedRegionSettingsKey));
}

} // namespace

// The Language, Units, Region and Display sleep screens' managers on their own.
class TestConfigureGeneralSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void languageListInTableOrderCheckedOnCurrent();
    void languageSelectionIsLocalUntilSaved();
    void languageOutOfRangeSelectionsIgnored_data();
    void languageOutOfRangeSelectionsIgnored();
    void languageChangeRebuildsInTheNewLanguage();
    void languageSaveWithoutSelectionRequestsCurrent();
    void languageInitialSetupRequestsNothing();

    void unitsRequestWaitsForReport();
    void unitsOutOfRangeIgnored();
    void unitsReportWhileHiddenShownAtNextOpening();
    void unitsRetranslatesWithoutNeedlessChanges();
    void unitsReachTheTemperatureControllerAndBack();

    void regionPickRemovesKeyAndRequests();
    void regionReportProposesDefaults_data();
    void regionReportProposesDefaults();
    void regionKeySuppressesDefaults();
    void regionOutOfRangeLeavesKeyAndEmitsNothing_data();
    void regionOutOfRangeLeavesKeyAndEmitsNothing();
    void regionRowsStayWhenHidden();
    void regionInitialSetupProposesWhateverTheKey();
    void regionDefaultsReachTheControllers();

    void displayRowsAndNoStartMark();
    void displayRequestWaitsForReport();
    void displaySelectionsOutsideTheTimeoutsIgnored_data();
    void displaySelectionsOutsideTheTimeoutsIgnored();
    void displayReportedLastChecksNothing();
    void displayDrivesTheControllerAndItsTimer();

private:
    QTemporaryDir m_configHome;
};

void TestConfigureGeneralSettings::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    signalInterface::registerMetaTypes();
}

void TestConfigureGeneralSettings::init()
{
    Settings::resetForTesting();
    QFile::remove(Settings::settings()->fileName());
    Settings::resetForTesting();
}

void TestConfigureGeneralSettings::languageListInTableOrderCheckedOnCurrent()
{
    ConfigureGeneralLanguageViewManager manager(nullptr);
    QAbstractItemModelTester tester(manager.model());
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onLangaugeViewVisibleChanged(true);
    const view::ListModel &model = *manager.model();
    QCOMPARE(modelReader::applIds(model),
             (QList<int>{0, 11, 5, 2, 9, 4, 1, 12, 6, 13, 7, 8, 3, 10}));
    QCOMPARE(rowTexts(model), (QStringList{"Czech", "Danish", "German", "English", "Spanish",
                                           "French", "Dutch", "Norwegian", "Polish", "Portuguese",
                                           "Russian", "Slovak", "Finnish", "Swedish"}));
    QCOMPARE(checkedIds(model), QList<int>{LanguageTypes::E_english});
    QCOMPARE(modelReader::texts(model, "typeOfItem").first(), QStringLiteral("only_checkmark"));
    QCOMPARE(layoutOrders(model).first(), QStringLiteral("top"));
    QCOMPARE(layoutOrders(model).at(6), QStringLiteral("centre"));
    QCOMPARE(layoutOrders(model).last(), QStringLiteral("bottom"));

    manager.onLangaugeViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
}

void TestConfigureGeneralSettings::languageSelectionIsLocalUntilSaved()
{
    ConfigureGeneralLanguageViewManager manager(nullptr);
    QSignalSpy requests(&manager, &ConfigureGeneralLanguageViewManager::languageChangeRequested);
    manager.onLangaugeViewVisibleChanged(true);
    manager.onLanguageSelected(LanguageTypes::E_finnish);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{LanguageTypes::E_finnish});
    QCOMPARE(requests.count(), 0);

    // Left without saving: nothing requested, and the next opening marks the current language.
    manager.onLangaugeViewVisibleChanged(false);
    manager.onLangaugeViewVisibleChanged(true);
    QCOMPARE(requests.count(), 0);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{LanguageTypes::E_english});

    manager.onLanguageSelected(LanguageTypes::E_swedish);
    manager.onLanguageSaveSelected();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<LanguageTypes::Language>(), LanguageTypes::E_swedish);
    // The mark stays on the choice until the controller reports the new language.
    QCOMPARE(manager.currentLanguage(), LanguageTypes::E_english);
}

void TestConfigureGeneralSettings::languageOutOfRangeSelectionsIgnored_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("14") << 14;
    QTest::newRow("-1") << -1;
}

void TestConfigureGeneralSettings::languageOutOfRangeSelectionsIgnored()
{
    QFETCH(int, id);
    ConfigureGeneralLanguageViewManager manager(nullptr);
    QSignalSpy requests(&manager, &ConfigureGeneralLanguageViewManager::languageChangeRequested);
    manager.onLangaugeViewVisibleChanged(true);
    manager.onLanguageSelected(LanguageTypes::E_german);
    RowChangeCounter changes(*manager.model());
    manager.onLanguageSelected(id);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(manager.selectedLanguage(), LanguageTypes::E_german);
    manager.onLanguageSaveSelected();
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.at(0).at(0).value<LanguageTypes::Language>(), LanguageTypes::E_german);
}

void TestConfigureGeneralSettings::languageChangeRebuildsInTheNewLanguage()
{
    ConfigureGeneralLanguageViewManager manager(nullptr);
    // Hidden: the report fills the list with every language, in the new texts.
    TestTranslator translator;
    translator.add(QStringLiteral("view::LanguageSupport"), QStringLiteral("Finnish"),
                   QStringLiteral("Suomi"));
    ScopedTranslator installed(&translator);
    manager.onLanguageChanged(LanguageTypes::E_finnish);
    QCOMPARE(manager.model()->rowCount(), 14);
    QCOMPARE(rowTexts(*manager.model()).at(12), QStringLiteral("Suomi"));
    QCOMPARE(manager.currentLanguage(), LanguageTypes::E_finnish);
    // The mark is where the user put it; the next opening puts it on the new language.
    QCOMPARE(checkedIds(*manager.model()), QList<int>{LanguageTypes::E_english});
    manager.onLangaugeViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{LanguageTypes::E_finnish});
}

void TestConfigureGeneralSettings::languageSaveWithoutSelectionRequestsCurrent()
{
    ConfigureGeneralLanguageViewManager manager(nullptr);
    manager.onLanguageChanged(LanguageTypes::E_german);
    QSignalSpy requests(&manager, &ConfigureGeneralLanguageViewManager::languageChangeRequested);
    manager.onLangaugeViewVisibleChanged(true);
    manager.onLanguageSaveSelected();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<LanguageTypes::Language>(), LanguageTypes::E_german);
}

void TestConfigureGeneralSettings::languageInitialSetupRequestsNothing()
{
    ConfigureGeneralLanguageViewManager manager(nullptr);
    QSignalSpy requests(&manager, &ConfigureGeneralLanguageViewManager::languageChangeRequested);
    manager.onLangaugeViewVisibleChanged(true);
    manager.onLanguageSelected(LanguageTypes::E_polish);
    manager.onLanguageInitialSetupSelected();
    QCOMPARE(requests.count(), 0);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{LanguageTypes::E_polish});
}

void TestConfigureGeneralSettings::unitsRequestWaitsForReport()
{
    ConfigureGeneralUnitsViewManager manager(nullptr);
    QAbstractItemModelTester tester(manager.model());
    QSignalSpy requests(&manager,
                        &ConfigureGeneralUnitsViewManager::temperatureUnitChangeRequested);
    manager.onUnitsViewVisibleChanged(true);
    QCOMPARE(rowTexts(*manager.model()), (QStringList{"Celsius", "Fahrenheit"}));
    QCOMPARE(layoutOrders(*manager.model()), (QStringList{"top", "bottom"}));
    QCOMPARE(checkedIds(*manager.model()), QList<int>{TemperatureTypes::E_celsius});

    manager.onUnitSelected(TemperatureTypes::E_fahrenheit);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<TemperatureTypes::TemperatureUnit>(),
             TemperatureTypes::E_fahrenheit);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{TemperatureTypes::E_celsius});

    manager.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{TemperatureTypes::E_fahrenheit});
    // The same report again changes nothing.
    RowChangeCounter changes(*manager.model());
    manager.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QCOMPARE(changes.count(), 0);

    manager.onUnitsViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
}

void TestConfigureGeneralSettings::unitsOutOfRangeIgnored()
{
    ConfigureGeneralUnitsViewManager manager(nullptr);
    QSignalSpy requests(&manager,
                        &ConfigureGeneralUnitsViewManager::temperatureUnitChangeRequested);
    manager.onUnitsViewVisibleChanged(true);
    manager.onUnitSelected(2);
    manager.onUnitSelected(-1);
    QCOMPARE(requests.count(), 0);
}

void TestConfigureGeneralSettings::unitsReportWhileHiddenShownAtNextOpening()
{
    ConfigureGeneralUnitsViewManager manager(nullptr);
    manager.onTemperatureUnitChanged(TemperatureTypes::E_fahrenheit);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onUnitsViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{TemperatureTypes::E_fahrenheit});
}

void TestConfigureGeneralSettings::unitsRetranslatesWithoutNeedlessChanges()
{
    ConfigureGeneralUnitsViewManager manager(nullptr);
    manager.onUnitsViewVisibleChanged(true);
    RowChangeCounter changes(*manager.model());
    manager.onLanguageChanged(LanguageTypes::E_english);
    QCOMPARE(changes.count(), 0);

    TestTranslator translator;
    translator.add(QStringLiteral("view::ConfigureGeneralUnitsViewManager"),
                   QStringLiteral("Fahrenheit"), QStringLiteral("Fahrenheitia"));
    ScopedTranslator installed(&translator);
    manager.onLanguageChanged(LanguageTypes::E_finnish);
    QCOMPARE(rowTexts(*manager.model()), (QStringList{"Celsius", "Fahrenheitia"}));
    QCOMPARE(changes.count(), 1);
}

void TestConfigureGeneralSettings::unitsReachTheTemperatureControllerAndBack()
{
    control::TemperatureController controller(nullptr);
    ConfigureGeneralUnitsViewManager manager(nullptr);
    QCOMPARE(controller.connectTemperatureUnitRequests({&manager}), 0);
    QCOMPARE(manager.connectToTemperatureController({&controller}), 0);
    manager.onUnitsViewVisibleChanged(true);
    manager.onUnitSelected(TemperatureTypes::E_fahrenheit);
    QCOMPARE(controller.temperatureUnit(), TemperatureTypes::E_fahrenheit);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{TemperatureTypes::E_fahrenheit});
    // A unit chosen by hand is a regional setting changed by hand.
    QVERIFY(regionKeyPresent());
}

void TestConfigureGeneralSettings::regionPickRemovesKeyAndRequests()
{
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
    ConfigureGeneralRegionViewManager manager(nullptr);
    QSignalSpy requests(&manager, &ConfigureGeneralRegionViewManager::regionChangeRequested);
    QSignalSpy units(&manager,
                     &ConfigureGeneralRegionViewManager::temperatureUnitInitiallySelected);
    manager.onVisibilityChanged(true);
    QCOMPARE(rowTexts(*manager.model()), (QStringList{"EU", "North America", "Other"}));
    QCOMPARE(layoutOrders(*manager.model()), (QStringList{"top", "centre", "bottom"}));
    // No region is marked before the sauna reports one.
    QVERIFY(checkedIds(*manager.model()).isEmpty());

    manager.onRegionSelected(RegionTypes::E_north_america);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<RegionTypes::RegionType>(), RegionTypes::E_north_america);
    QVERIFY(!regionKeyPresent());
    // Nothing is proposed and nothing moves before the sauna reports the region.
    QCOMPARE(units.count(), 0);
    QVERIFY(checkedIds(*manager.model()).isEmpty());
    // The removal is on disk, not only in memory.
    Settings::resetForTesting();
    QVERIFY(!regionKeyPresent());
}

void TestConfigureGeneralSettings::regionReportProposesDefaults_data()
{
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<int>("weekBegin");
    QTest::addColumn<int>("unit");
    QTest::newRow("North America")
        << int(RegionTypes::E_north_america) << int(DateTimeTypes::E_mmddyy)
        << int(DateTimeTypes::E_am_pm) << int(CalendarTypes::E_sunday)
        << int(TemperatureTypes::E_fahrenheit);
    QTest::newRow("EU") << int(RegionTypes::E_eu) << int(DateTimeTypes::E_ddmmyy)
                        << int(DateTimeTypes::E_0_24) << int(CalendarTypes::E_monday)
                        << int(TemperatureTypes::E_celsius);
    QTest::newRow("Other") << int(RegionTypes::E_other) << int(DateTimeTypes::E_ddmmyy)
                           << int(DateTimeTypes::E_0_24) << int(CalendarTypes::E_monday)
                           << int(TemperatureTypes::E_celsius);
}

void TestConfigureGeneralSettings::regionReportProposesDefaults()
{
    QFETCH(int, region);
    QFETCH(int, dateFormat);
    QFETCH(int, timeFormat);
    QFETCH(int, weekBegin);
    QFETCH(int, unit);
    ConfigureGeneralRegionViewManager manager(nullptr);
    manager.onVisibilityChanged(true);
    // The order of the signals, each with its value.
    QStringList events;
    connect(&manager, &ConfigureGeneralRegionViewManager::dateFormatInitiallySelected, this,
            [&](DateTimeTypes::DateFormat v) { events << QStringLiteral("date %1").arg(v); });
    connect(&manager, &ConfigureGeneralRegionViewManager::timeFormatInitiallySelected, this,
            [&](DateTimeTypes::TimeFormat v) { events << QStringLiteral("time %1").arg(v); });
    connect(&manager, &ConfigureGeneralRegionViewManager::weekBeginInitiallySelected, this,
            [&](CalendarTypes::WeekDay v) { events << QStringLiteral("week %1").arg(v); });
    connect(
        &manager, &ConfigureGeneralRegionViewManager::temperatureUnitInitiallySelected, this,
        [&](TemperatureTypes::TemperatureUnit v) { events << QStringLiteral("unit %1").arg(v); });
    connect(&manager, &ConfigureGeneralRegionViewManager::updateRegionTypeQml, this,
            [&](int v) { events << QStringLiteral("qml %1").arg(v); });

    manager.onSaunaRegionChanged(static_cast<RegionTypes::RegionType>(region));
    QCOMPARE(events, (QStringList{QStringLiteral("date %1").arg(dateFormat),
                                  QStringLiteral("time %1").arg(timeFormat),
                                  QStringLiteral("week %1").arg(weekBegin),
                                  QStringLiteral("unit %1").arg(unit),
                                  QStringLiteral("qml %1").arg(region)}));
    QCOMPARE(checkedIds(*manager.model()), QList<int>{region});
}

void TestConfigureGeneralSettings::regionKeySuppressesDefaults()
{
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
    ConfigureGeneralRegionViewManager manager(nullptr);
    QSignalSpy dates(&manager, &ConfigureGeneralRegionViewManager::dateFormatInitiallySelected);
    QSignalSpy units(&manager,
                     &ConfigureGeneralRegionViewManager::temperatureUnitInitiallySelected);
    QSignalSpy qml(&manager, &ConfigureGeneralRegionViewManager::updateRegionTypeQml);
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QCOMPARE(dates.count(), 0);
    QCOMPARE(units.count(), 0);
    QCOMPARE(qml.count(), 1);
    QCOMPARE(manager.region(), RegionTypes::E_north_america);
}

void TestConfigureGeneralSettings::regionOutOfRangeLeavesKeyAndEmitsNothing_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("3") << 3;
    QTest::newRow("-1") << -1;
}

void TestConfigureGeneralSettings::regionOutOfRangeLeavesKeyAndEmitsNothing()
{
    QFETCH(int, id);
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
    ConfigureGeneralRegionViewManager manager(nullptr);
    QSignalSpy requests(&manager, &ConfigureGeneralRegionViewManager::regionChangeRequested);
    manager.onRegionSelected(id);
    QCOMPARE(requests.count(), 0);
    QVERIFY(regionKeyPresent());
}

void TestConfigureGeneralSettings::regionRowsStayWhenHidden()
{
    ConfigureGeneralRegionViewManager manager(nullptr);
    manager.onVisibilityChanged(true);
    manager.onVisibilityChanged(false);
    QCOMPARE(manager.model()->rowCount(), 3);
    manager.onSaunaRegionChanged(RegionTypes::E_other);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{RegionTypes::E_other});
}

void TestConfigureGeneralSettings::regionInitialSetupProposesWhateverTheKey()
{
    Settings::setValue(QLatin1String(Settings::hasChangedRegionSettingsKey), 1);
    ConfigureGeneralRegionViewManager manager(nullptr);
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QSignalSpy weeks(&manager, &ConfigureGeneralRegionViewManager::weekBeginInitiallySelected);
    QSignalSpy requests(&manager, &ConfigureGeneralRegionViewManager::regionChangeRequested);
    manager.onRegionInitialSetupSelected();
    QCOMPARE(weeks.count(), 1);
    QCOMPARE(weeks.at(0).at(0).value<CalendarTypes::WeekDay>(), CalendarTypes::E_sunday);
    QCOMPARE(requests.count(), 0);
    QVERIFY(regionKeyPresent());
}

void TestConfigureGeneralSettings::regionDefaultsReachTheControllers()
{
    control::TimeController time(nullptr);
    control::TemperatureController temperature(nullptr);
    ConfigureGeneralRegionViewManager manager(nullptr);
    QCOMPARE(time.connectRegionInitialSelections({&manager}), 0);
    QCOMPARE(temperature.connectTemperatureUnitInitiallySelected({&manager}), 0);
    QSignalSpy dateFormats(&time, &control::TimeController::dateFormatChanged);
    QSignalSpy timeFormats(&time, &control::TimeController::timeFormatChanged);
    QSignalSpy weekStarts(&time, &control::TimeController::weekDayStartChanged);

    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QVERIFY(!dateFormats.isEmpty());
    QCOMPARE(dateFormats.last().at(0).value<DateTimeTypes::DateFormat>(), DateTimeTypes::E_mmddyy);
    QVERIFY(!timeFormats.isEmpty());
    QCOMPARE(timeFormats.last().at(0).value<DateTimeTypes::TimeFormat>(), DateTimeTypes::E_am_pm);
    QVERIFY(!weekStarts.isEmpty());
    QCOMPARE(weekStarts.last().at(0).value<CalendarTypes::WeekDay>(), CalendarTypes::E_sunday);
    QCOMPARE(temperature.temperatureUnit(), TemperatureTypes::E_fahrenheit);
    // A proposal is no choice by hand: the next region report still proposes.
    QVERIFY(!regionKeyPresent());
    manager.onSaunaRegionChanged(RegionTypes::E_eu);
    QCOMPARE(temperature.temperatureUnit(), TemperatureTypes::E_celsius);
    QCOMPARE(weekStarts.last().at(0).value<CalendarTypes::WeekDay>(), CalendarTypes::E_monday);
}

void TestConfigureGeneralSettings::displayRowsAndNoStartMark()
{
    ConfigureGeneralDisplayViewManager manager(nullptr);
    QAbstractItemModelTester tester(manager.model());
    QVERIFY(!manager.sleepTimeout());
    manager.onDisplayViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(*manager.model()), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(rowTexts(*manager.model()),
             (QStringList{"Never", "15 seconds", "30 seconds", "1 minute", "2 minutes", "3 minutes",
                          "4 minutes", "5 minutes"}));
    QCOMPARE(layoutOrders(*manager.model()).first(), QStringLiteral("top"));
    QCOMPARE(layoutOrders(*manager.model()).last(), QStringLiteral("bottom"));
    // Before the controller's first report no row is checked.
    QVERIFY(checkedIds(*manager.model()).isEmpty());
    QCOMPARE(ConfigureGeneralDisplayViewManager::timeoutText(DisplayTypes::E_last), QString());
    manager.onDisplayViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
}

void TestConfigureGeneralSettings::displayRequestWaitsForReport()
{
    ConfigureGeneralDisplayViewManager manager(nullptr);
    QSignalSpy requests(&manager,
                        &ConfigureGeneralDisplayViewManager::displayChangeSleepTimeoutRequested);
    manager.onNewDisplaySleepTimeoutValue(DisplayTypes::E_30sec);
    manager.onDisplayViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_30sec});
    manager.onDisplaySleepTimeoutSelected(DisplayTypes::E_2min);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).value<DisplayTypes::DisplaySleepTimeout>(), DisplayTypes::E_2min);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_30sec});
    manager.onNewDisplaySleepTimeoutValue(DisplayTypes::E_2min);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_2min});
}

void TestConfigureGeneralSettings::displaySelectionsOutsideTheTimeoutsIgnored_data()
{
    QTest::addColumn<int>("id");
    // 8 counts the timeouts and is none itself.
    QTest::newRow("last") << 8;
    QTest::newRow("9") << 9;
    QTest::newRow("-1") << -1;
}

void TestConfigureGeneralSettings::displaySelectionsOutsideTheTimeoutsIgnored()
{
    QFETCH(int, id);
    ConfigureGeneralDisplayViewManager manager(nullptr);
    QSignalSpy requests(&manager,
                        &ConfigureGeneralDisplayViewManager::displayChangeSleepTimeoutRequested);
    manager.onDisplaySleepTimeoutSelected(id);
    QCOMPARE(requests.count(), 0);
}

void TestConfigureGeneralSettings::displayReportedLastChecksNothing()
{
    ConfigureGeneralDisplayViewManager manager(nullptr);
    manager.onDisplayViewVisibleChanged(true);
    manager.onNewDisplaySleepTimeoutValue(DisplayTypes::E_1min);
    manager.onNewDisplaySleepTimeoutValue(DisplayTypes::E_last);
    QVERIFY(checkedIds(*manager.model()).isEmpty());
    QCOMPARE(manager.model()->rowCount(), 8);
}

void TestConfigureGeneralSettings::displayDrivesTheControllerAndItsTimer()
{
    control::DisplayController controller(nullptr);
    ConfigureGeneralDisplayViewManager manager(nullptr);
    QCOMPARE(controller.connectSleepTimeoutRequests({&manager}), 0);
    QCOMPARE(manager.connectDisplaySignals({&controller}), 0);
    controller.emitInitialState();
    manager.onDisplayViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_never});
    QVERIFY(!controller.isSleepTimerActive());

    manager.onDisplaySleepTimeoutSelected(DisplayTypes::E_15sec);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_15sec});
    QVERIFY(controller.isSleepTimerActive());
    QCOMPARE(controller.sleepTimerInterval(), 15000);
    // The timer running out puts the display to sleep; a touch wakes it and starts it again.
    controller.onSleepTimerTimeout();
    QVERIFY(controller.isAsleep());
    controller.onUserMousePressOccurred();
    QVERIFY(!controller.isAsleep());
    QVERIFY(controller.isSleepTimerActive());

    // Never: the timer stops.
    manager.onDisplaySleepTimeoutSelected(DisplayTypes::E_never);
    QVERIFY(!controller.isSleepTimerActive());
    QCOMPARE(checkedIds(*manager.model()), QList<int>{DisplayTypes::E_never});
}

QTEST_MAIN(TestConfigureGeneralSettings)
#include "tst_configure_general_settings.moc"
