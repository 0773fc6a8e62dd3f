#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/display_types.h"
#include "signal_interface/enum_value_text.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/haptic_feedback_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/keyboard_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/row_item_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/tank_status_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/variant_types.h"
#include <QMetaEnum>
#include <QTest>

#include <limits>
#include <sstream>

using namespace signalInterface;

namespace {

// Checks one enum against its declared key count; returns a description of the first fault.
using EnumCheck = QString (*)(int keyCount);

template<typename Holder, typename Enum>
QString checkMetaEnumOnly(int keyCount)
{
    const QMetaEnum metaEnum = QMetaEnum::fromType<Enum>();
    if (metaEnum.enclosingMetaObject() != &Holder::staticMetaObject)
        return QStringLiteral("enum is not declared in its holder");
    if (metaEnum.keyCount() != keyCount)
        return QStringLiteral("key count %1").arg(metaEnum.keyCount());
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        if (!QByteArray(metaEnum.key(i)).startsWith("E_"))
            return QStringLiteral("key %1 lacks the E_ prefix").arg(metaEnum.key(i));
    }
    return {};
}

template<typename Holder, typename Enum>
QString checkEnumWithFunctions(int keyCount)
{
    if (const QString fault = checkMetaEnumOnly<Holder, Enum>(keyCount); !fault.isEmpty())
        return fault;
    const QMetaEnum metaEnum = QMetaEnum::fromType<Enum>();
    const Enum untouched = static_cast<Enum>(-77);
    const int probes[] = {std::numeric_limits<int>::min(), -1, keyCount, keyCount + 1,
                          std::numeric_limits<int>::max()};
    const bool hasGaps = metaEnum.value(keyCount - 1) != keyCount - 1;
    for (int value : probes) {
        if (hasGaps && metaEnum.valueToKey(value))
            continue;
        Enum result = untouched;
        if (Holder::fromInt(value, result) || result != untouched)
            return QStringLiteral("fromInt accepted or wrote %1").arg(value);
    }
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        const int value = metaEnum.value(i);
        if (!hasGaps && value != i)
            return QStringLiteral("key %1 has value %2").arg(metaEnum.key(i)).arg(value);
        Enum result = untouched;
        if (!Holder::fromInt(value, result) || result != static_cast<Enum>(value))
            return QStringLiteral("fromInt refused %1").arg(value);
        if (Holder::toText(static_cast<Enum>(value)) != QLatin1String(metaEnum.key(i)))
            return QStringLiteral("toText of %1").arg(value);
    }
    const QString undefinedText = Holder::toText(static_cast<Enum>(-1));
    if (undefinedText != QLatin1String("undefined value:-1"))
        return QStringLiteral("toText of -1 gave %1").arg(undefinedText);
    return {};
}

struct EnumCase
{
    const char *name;
    int keyCount;
    EnumCheck check;
};

const EnumCase enumCases[] = {
    {"CalendarTypes::StartMode", 2,
     &checkEnumWithFunctions<CalendarTypes, CalendarTypes::StartMode>},
    {"CalendarTypes::WeekDay", 7, &checkEnumWithFunctions<CalendarTypes, CalendarTypes::WeekDay>},
    {"CalendarTypes::Month", 12, &checkEnumWithFunctions<CalendarTypes, CalendarTypes::Month>},
    {"ConfigureTypes::ConfigureGeneral", 9,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureGeneral>},
    {"ConfigureTypes::SoftwareComponent", 4,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::SoftwareComponent>},
    {"ConfigureTypes::LinuxComponent", 28,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::LinuxComponent>},
    {"ConfigureTypes::ConfigureDateTime", 6,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureDateTime>},
    {"ConfigureTypes::ConfigureLimits", 7,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureLimits>},
    {"ConfigureTypes::ConfigureAdvancedSettings", 5,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureAdvancedSettings>},
    {"ConfigureTypes::ConfigureSystem", 23,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureSystem>},
    {"ConfigureTypes::ConfigureSystemAux", 10,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureSystemAux>},
    {"ConfigureTypes::ConfigureSystemWiFiNetwork", 21,
     &checkEnumWithFunctions<ConfigureTypes, ConfigureTypes::ConfigureSystemWiFiNetwork>},
    {"DataProviderTypes::StepperControlChange", 2,
     &checkEnumWithFunctions<DataProviderTypes, DataProviderTypes::StepperControlChange>},
    {"DateTimeTypes::TimeFormat", 2,
     &checkEnumWithFunctions<DateTimeTypes, DateTimeTypes::TimeFormat>},
    {"DateTimeTypes::DateFormat", 3,
     &checkEnumWithFunctions<DateTimeTypes, DateTimeTypes::DateFormat>},
    {"HumidityTypes::HumidityUnit", 2,
     &checkEnumWithFunctions<HumidityTypes, HumidityTypes::HumidityUnit>},
    {"HumidityTypes::HumidityPresentation", 2,
     &checkEnumWithFunctions<HumidityTypes, HumidityTypes::HumidityPresentation>},
    {"KeyboardTypes::KeyType", 2, &checkMetaEnumOnly<KeyboardTypes, KeyboardTypes::KeyType>},
    {"LanguageTypes::Language", 14,
     &checkEnumWithFunctions<LanguageTypes, LanguageTypes::Language>},
    {"RowItemTypes::BackgroundPressedMode", 3,
     &checkMetaEnumOnly<RowItemTypes, RowItemTypes::BackgroundPressedMode>},
    {"SaunaStateTypes::SaunaState", 6,
     &checkEnumWithFunctions<SaunaStateTypes, SaunaStateTypes::SaunaState>},
    {"SaunaStateTypes::BathPriority", 3,
     &checkEnumWithFunctions<SaunaStateTypes, SaunaStateTypes::BathPriority>},
    {"SaunaStateTypes::FacilityType", 5,
     &checkEnumWithFunctions<SaunaStateTypes, SaunaStateTypes::FacilityType>},
    {"TankStatusTypes::TankWaterLevel", 4,
     &checkMetaEnumOnly<TankStatusTypes, TankStatusTypes::TankWaterLevel>},
    {"TemperatureTypes::TemperatureUnit", 2,
     &checkEnumWithFunctions<TemperatureTypes, TemperatureTypes::TemperatureUnit>},
    {"TemperatureTypes::TemperaturePresentation", 2,
     &checkEnumWithFunctions<TemperatureTypes, TemperatureTypes::TemperaturePresentation>},
    {"TimeEditTypes::Direction", 2,
     &checkEnumWithFunctions<TimeEditTypes, TimeEditTypes::Direction>},
    {"TimeEditTypes::TimeComponent", 5,
     &checkEnumWithFunctions<TimeEditTypes, TimeEditTypes::TimeComponent>},
    {"TimeEditTypes::StepperComponent", 3,
     &checkEnumWithFunctions<TimeEditTypes, TimeEditTypes::StepperComponent>},
    {"VariantTypes::ProductType", 3,
     &checkEnumWithFunctions<VariantTypes, VariantTypes::ProductType>},
    {"VariantTypes::Brand", 5, &checkEnumWithFunctions<VariantTypes, VariantTypes::Brand>},
    {"MasterFuncDescTypes::SystemMode", 3,
     &checkEnumWithFunctions<MasterFuncDescTypes, MasterFuncDescTypes::SystemMode>},
    {"MasterFuncDescTypes::RcbProduct", 11,
     &checkEnumWithFunctions<MasterFuncDescTypes, MasterFuncDescTypes::RcbProduct>},
    {"RegionTypes::RegionType", 3, &checkEnumWithFunctions<RegionTypes, RegionTypes::RegionType>},
    {"AuxiliaryRelayTypes::TimeScaling", 4,
     &checkEnumWithFunctions<AuxiliaryRelayTypes, AuxiliaryRelayTypes::TimeScaling>},
    {"AuxiliaryRelayTypes::Function", 3,
     &checkEnumWithFunctions<AuxiliaryRelayTypes, AuxiliaryRelayTypes::Function>},
    {"AuxiliaryRelayTypes::FragranceSetting", 2,
     &checkEnumWithFunctions<AuxiliaryRelayTypes, AuxiliaryRelayTypes::FragranceSetting>},
    {"AuxiliaryRelayTypes::DescalingSetting", 5,
     &checkEnumWithFunctions<AuxiliaryRelayTypes, AuxiliaryRelayTypes::DescalingSetting>},
    {"PinTypes::PinViewTypes", 3, &checkEnumWithFunctions<PinTypes, PinTypes::PinViewTypes>},
    {"NodeInformationTypes::NodeProfileMode", 4,
     &checkEnumWithFunctions<NodeInformationTypes, NodeInformationTypes::NodeProfileMode>},
    {"NodeInformationTypes::RcbMasterSlaveMode", 3,
     &checkEnumWithFunctions<NodeInformationTypes, NodeInformationTypes::RcbMasterSlaveMode>},
    {"HapticFeedbackTypes::HapticFeedback", 2,
     &checkEnumWithFunctions<HapticFeedbackTypes, HapticFeedbackTypes::HapticFeedback>},
    {"RelayStatusTypes::RelayType", 14,
     &checkEnumWithFunctions<RelayStatusTypes, RelayStatusTypes::RelayType>},
    {"RegulatorTypes::RegulatorFunction", 3,
     &checkEnumWithFunctions<RegulatorTypes, RegulatorTypes::RegulatorFunction>},
    {"DisplayTypes::DisplaySleepTimeout", 9,
     &checkEnumWithFunctions<DisplayTypes, DisplayTypes::DisplaySleepTimeout>},
    {"ExternalSwitchTypes::ExternalSwitchFunction", 2,
     &checkEnumWithFunctions<ExternalSwitchTypes, ExternalSwitchTypes::ExternalSwitchFunction>},
};

template<typename T>
std::string streamed(const T &value)
{
    std::ostringstream stream;
    stream << value;
    return stream.str();
}

template<typename T>
QString debugged(const T &value)
{
    QString text;
    QDebug(&text) << value << 7;
    // QDebug leaves a blank after the last item.
    return text.trimmed();
}

} // namespace

// The enum holders' keys, values, range checks and texts.
class TestEnumHolders : public QObject
{
    Q_OBJECT

private slots:
    void everyEnum_data()
    {
        QTest::addColumn<int>("caseIndex");
        for (int i = 0; i < int(std::size(enumCases)); ++i)
            QTest::newRow(enumCases[i].name) << i;
    }

    void everyEnum()
    {
        QFETCH(int, caseIndex);
        const EnumCase &enumCase = enumCases[caseIndex];
        const QString fault = enumCase.check(enumCase.keyCount);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void spelledKeys_data()
    {
        QTest::addColumn<const QMetaObject *>("holder");
        QTest::addColumn<QByteArray>("enumName");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("value");
        auto add = [](const QMetaObject *holder, const char *enumName, const char *key, int value) {
            QTest::addRow("%s::%s", holder->className(), key)
                << holder << QByteArray(enumName) << QByteArray(key) << value;
        };
        add(&DateTimeTypes::staticMetaObject, "TimeFormat", "E_0_24", 0);
        add(&DateTimeTypes::staticMetaObject, "TimeFormat", "E_am_pm", 1);
        add(&AuxiliaryRelayTypes::staticMetaObject, "TimeScaling", "E_100_msec", 0);
        add(&VariantTypes::staticMetaObject, "ProductType", "E_PC", 2);
        add(&VariantTypes::staticMetaObject, "Brand", "E_undefined_brand", 4);
        add(&NodeInformationTypes::staticMetaObject, "NodeProfileMode", "E_ths", 3);
        add(&NodeInformationTypes::staticMetaObject, "NodeProfileMode", "E_unknownProfile", 999);
        add(&RelayStatusTypes::staticMetaObject, "RelayType", "E_x29x30", 13);
        add(&DisplayTypes::staticMetaObject, "DisplaySleepTimeout", "E_last", 8);
        add(&PinTypes::staticMetaObject, "PinViewTypes", "E_last", 2);
        add(&ConfigureTypes::staticMetaObject, "LinuxComponent", "E_linuxComponentUBootTools", 27);
        add(&ConfigureTypes::staticMetaObject, "ConfigureSystem", "E_irEnable", 22);
        add(&ConfigureTypes::staticMetaObject, "ConfigureSystemWiFiNetwork", "E_networkDoIpConnect",
            20);
        add(&SaunaStateTypes::staticMetaObject, "SaunaState", "E_sauna_descaling", 5);
        add(&SaunaStateTypes::staticMetaObject, "FacilityType", "E_unknown", 4);
        add(&TankStatusTypes::staticMetaObject, "TankWaterLevel", "E_unknown", 3);
        add(&MasterFuncDescTypes::staticMetaObject, "RcbProduct", "E_unknown", 10);
        add(&LanguageTypes::staticMetaObject, "Language", "E_portuguese", 13);
        add(&TimeEditTypes::staticMetaObject, "TimeComponent", "E_am_pm", 4);
        add(&ExternalSwitchTypes::staticMetaObject, "ExternalSwitchFunction", "E_renew", 1);
    }

    void spelledKeys()
    {
        QFETCH(const QMetaObject *, holder);
        QFETCH(QByteArray, enumName);
        QFETCH(QByteArray, key);
        QFETCH(int, value);
        const int index = holder->indexOfEnumerator(enumName.constData());
        QVERIFY(index >= 0);
        bool found = false;
        QCOMPARE(holder->enumerator(index).keyToValue(key.constData(), &found), value);
        QVERIFY(found);
    }

    void undefinedValueText()
    {
        QCOMPARE(SaunaStateTypes::toText(SaunaStateTypes::E_sauna_descaling),
                 QStringLiteral("E_sauna_descaling"));
        QCOMPARE(SaunaStateTypes::toText(static_cast<SaunaStateTypes::SaunaState>(6)),
                 QStringLiteral("undefined value:6"));
        QCOMPARE(SaunaStateTypes::toText(static_cast<SaunaStateTypes::SaunaState>(-3)),
                 QStringLiteral("undefined value:-3"));
        QCOMPARE(enumValueText<SaunaStateTypes>("NoSuchEnum", SaunaStateTypes::E_sauna_on),
                 QStringLiteral("undefined value:1"));
    }

    // The one enum with gaps accepts exactly its four keys.
    void nodeProfileModeGaps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");
        QTest::newRow("rcb") << 0 << true << "E_rcb";
        QTest::newRow("cp") << 1 << true << "E_cp";
        QTest::newRow("gap 2") << 2 << false << "undefined value:2";
        QTest::newRow("ths") << 3 << true << "E_ths";
        QTest::newRow("key count 4") << 4 << false << "undefined value:4";
        QTest::newRow("998") << 998 << false << "undefined value:998";
        QTest::newRow("unknown profile") << 999 << true << "E_unknownProfile";
        QTest::newRow("1000") << 1000 << false << "undefined value:1000";
        QTest::newRow("negative") << -1 << false << "undefined value:-1";
    }

    void nodeProfileModeGaps()
    {
        QFETCH(int, value);
        QFETCH(bool, accepted);
        QFETCH(QString, text);
        NodeInformationTypes::NodeProfileMode mode = NodeInformationTypes::E_cp;
        QCOMPARE(NodeInformationTypes::fromInt(value, mode), accepted);
        QCOMPARE(int(mode), accepted ? value : int(NodeInformationTypes::E_cp));
        QCOMPARE(
            NodeInformationTypes::toText(static_cast<NodeInformationTypes::NodeProfileMode>(value)),
            text);
    }

    void calendarWrapping()
    {
        QCOMPARE(CalendarTypes::nextWeekDay(CalendarTypes::E_sunday), CalendarTypes::E_monday);
        QCOMPARE(CalendarTypes::nextWeekDay(CalendarTypes::E_monday), CalendarTypes::E_tuesday);
        QCOMPARE(CalendarTypes::nextWeekDay(CalendarTypes::E_saturday), CalendarTypes::E_sunday);
        QCOMPARE(CalendarTypes::nextMonth(CalendarTypes::E_december), CalendarTypes::E_january);
        QCOMPARE(CalendarTypes::nextMonth(CalendarTypes::E_november), CalendarTypes::E_december);
        QCOMPARE(CalendarTypes::previousMonth(CalendarTypes::E_january), CalendarTypes::E_december);
        QCOMPARE(CalendarTypes::previousMonth(CalendarTypes::E_february), CalendarTypes::E_january);

        // Seven steps from any day, twelve from any month, come back to the start.
        for (int day = CalendarTypes::E_monday; day <= CalendarTypes::E_sunday; ++day) {
            auto walked = static_cast<CalendarTypes::WeekDay>(day);
            for (int step = 0; step < 7; ++step)
                walked = CalendarTypes::nextWeekDay(walked);
            QCOMPARE(int(walked), day);
        }
        for (int month = CalendarTypes::E_january; month <= CalendarTypes::E_december; ++month) {
            auto forward = static_cast<CalendarTypes::Month>(month);
            auto backward = forward;
            for (int step = 0; step < 12; ++step) {
                forward = CalendarTypes::nextMonth(forward);
                backward = CalendarTypes::previousMonth(backward);
            }
            QCOMPARE(int(forward), month);
            QCOMPARE(int(backward), month);
        }
    }

    // A number that is no day or month never walks out of the valid range.
    void calendarWrappingOfUndefinedValues()
    {
        QCOMPARE(CalendarTypes::nextWeekDay(static_cast<CalendarTypes::WeekDay>(9)),
                 CalendarTypes::E_monday);
        QCOMPARE(CalendarTypes::nextWeekDay(static_cast<CalendarTypes::WeekDay>(-4)),
                 CalendarTypes::E_monday);
        QCOMPARE(CalendarTypes::nextMonth(static_cast<CalendarTypes::Month>(40)),
                 CalendarTypes::E_january);
        QCOMPARE(CalendarTypes::previousMonth(static_cast<CalendarTypes::Month>(-2)),
                 CalendarTypes::E_december);
    }

    void productKinds_data()
    {
        QTest::addColumn<int>("product");
        QTest::addColumn<bool>("combi");
        QTest::addColumn<bool>("steam");
        QTest::addColumn<bool>("sauna");
        const bool expected[][3] = {
            {true, false, false},  {true, false, false},  {false, true, false},
            {false, true, false},  {false, true, false},  {false, true, false},
            {false, false, true},  {false, false, true},  {false, false, false},
            {false, false, true},  {false, false, false}, {false, false, false},
            {false, false, false},
        };
        for (int product = 0; product < int(std::size(expected)); ++product) {
            const int value = product < 11 ? product : (product == 11 ? 11 : -1);
            QTest::addRow("%s", qPrintable(MasterFuncDescTypes::toText(
                                    static_cast<MasterFuncDescTypes::RcbProduct>(value))))
                << value << expected[product][0] << expected[product][1] << expected[product][2];
        }
    }

    void productKinds()
    {
        QFETCH(int, product);
        QFETCH(bool, combi);
        QFETCH(bool, steam);
        QFETCH(bool, sauna);
        const auto value = static_cast<MasterFuncDescTypes::RcbProduct>(product);
        QCOMPARE(MasterFuncDescTypes::isCombiProduct(value), combi);
        QCOMPARE(MasterFuncDescTypes::isSteamProduct(value), steam);
        QCOMPARE(MasterFuncDescTypes::isSaunaProduct(value), sauna);
    }

    void systemModes()
    {
        QVERIFY(!MasterFuncDescTypes::isNonStandardSystemMode(MasterFuncDescTypes::E_standard));
        QVERIFY(MasterFuncDescTypes::isNonStandardSystemMode(MasterFuncDescTypes::E_multisteam));
        QVERIFY(MasterFuncDescTypes::isNonStandardSystemMode(MasterFuncDescTypes::E_solvenno));
        QVERIFY(!MasterFuncDescTypes::isNonStandardSystemMode(
            static_cast<MasterFuncDescTypes::SystemMode>(3)));
        QVERIFY(!MasterFuncDescTypes::isNonStandardSystemMode(
            static_cast<MasterFuncDescTypes::SystemMode>(-1)));
    }

    void debugForms()
    {
        QCOMPARE(debugged(TimeEditTypes::E_increase), QStringLiteral("\"E_increase\" 7"));
        QCOMPARE(debugged(DataProviderTypes::E_stepper_decrease),
                 QStringLiteral("\"E_stepper_decrease\" 7"));
        QCOMPARE(debugged(HumidityTypes::E_step), QStringLiteral("\"E_step\" 7"));
        QCOMPARE(debugged(HumidityTypes::E_direct), QStringLiteral("\"E_direct\" 7"));
        QCOMPARE(debugged(MasterFuncDescTypes::E_solvenno), QStringLiteral("\"E_solvenno\" 7"));
        QCOMPARE(debugged(TimeEditTypes::E_milliSecond), QStringLiteral("\"E_milliSecond\" 7"));
        QCOMPARE(debugged(static_cast<TimeEditTypes::StepperComponent>(5)),
                 QStringLiteral("\"undefined value:5\" 7"));

        QCOMPARE(streamed(TimeEditTypes::E_decrease), std::string("E_decrease"));
        QCOMPARE(streamed(MasterFuncDescTypes::E_sauna_ir), std::string("E_sauna_ir"));
        QCOMPARE(streamed(TimeEditTypes::E_stepper3), std::string("E_stepper3"));
        QCOMPARE(streamed(HumidityTypes::E_percentage), std::string("E_percentage"));
    }
};

QTEST_APPLESS_MAIN(TestEnumHolders)
#include "tst_enum_holders.moc"
