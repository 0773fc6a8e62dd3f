#include "view_cpp/language_support.h"
#include "view_cpp/rcb_master_slave_mode_text.h"

#include "support/member_detection.h"
#include "test_translator.h"

#include <QTest>

using view::LanguageSupport;
using namespace signalInterface;

namespace {
PANEL_DETECT_MEMBER(HasWeekdayTitleText, T::weekdayTitleText(CalendarTypes::E_monday));
PANEL_DETECT_MEMBER(HasCapitalized, T::capitalized(QString()));
PANEL_DETECT_MEMBER(HasPreciseDurationText, T::preciseDurationText(0));
} // namespace

class TestLanguageSupport : public QObject
{
    Q_OBJECT

private slots:
    void externalUnitText_data();
    void externalUnitText();
    void unitTexts();
    void relayTerminalText_data();
    void relayTerminalText();
    void auxTexts();
    void rcbProductText_data();
    void rcbProductText();
    void systemModeText();
    void standbyKindText();
    void opacityFor();
    void fixedWords();
    void rcbMasterSlaveModeText_data();
    void rcbMasterSlaveModeText();

    void brandTexts_data();
    void brandTexts();
    void editionTexts();
    void productModelText_data();
    void productModelText();
    void productModelTextKeepsFirstLanguage();

    void dateText_data();
    void dateText();
    void timeTexts_data();
    void timeTexts();
    void timeTextParts_data();
    void timeTextParts();
    void time24Text();
    void durationText_data();
    void durationText();
    void displayWordsAreTheListedOnes();
    void timeRangeText_data();
    void timeRangeText();
    void calendarNames();
    void languageNames();

    void textsFollowTheInstalledLanguage();
};

void TestLanguageSupport::externalUnitText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "PC Panel";
    QTest::newRow("1") << 1 << "Smart Phone";
    QTest::newRow("2") << 2 << "Tablet";
    QTest::newRow("3") << 3 << "Home Automation";
    QTest::newRow("4") << 4 << "Other";
    QTest::newRow("5") << 5 << "Unknown";
    QTest::newRow("6") << 6 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestLanguageSupport::externalUnitText()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::externalUnitText(kind), text);
}

void TestLanguageSupport::unitTexts()
{
    // The temperature units are keys every translation supplies.
    QCOMPARE(LanguageSupport::temperatureUnitText(TemperatureTypes::E_celsius), "degrees_C");
    QCOMPARE(LanguageSupport::temperatureUnitText(TemperatureTypes::E_fahrenheit), "degrees_F");
    QCOMPARE(LanguageSupport::temperatureUnitText(TemperatureTypes::TemperatureUnit(2)), "");
    QCOMPARE(LanguageSupport::humidityUnitText(HumidityTypes::E_percentage), "%");
    QCOMPARE(LanguageSupport::humidityUnitText(HumidityTypes::E_step), "");
    QCOMPARE(LanguageSupport::humidityUnitText(HumidityTypes::HumidityUnit(-4)), "");

    TestTranslator translator;
    translator.add("QObject", "degrees_C", "°C");
    translator.add("QObject", "%", "prosent");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::temperatureUnitText(TemperatureTypes::E_celsius), "°C");
    // "%" is never translated.
    QCOMPARE(LanguageSupport::humidityUnitText(HumidityTypes::E_percentage), "%");
}

void TestLanguageSupport::relayTerminalText_data()
{
    QTest::addColumn<int>("relay");
    QTest::addColumn<QString>("text");
    const QStringList pairs{"X3-X4",   "X5-X6",   "X7-X8",   "X9-X10",  "X11-X12",
                            "X13-X14", "X15-X16", "X17-X18", "X19-X20", "X21-X22",
                            "X23-X24", "X25-X26", "X27-X28", "X29-X30"};
    for (int relay = 0; relay < pairs.size(); ++relay)
        QTest::addRow("%d", relay) << relay << pairs.at(relay);
    QTest::newRow("14") << 14 << "Undefined Relay";
    QTest::newRow("-1") << -1 << "Undefined Relay";
}

void TestLanguageSupport::relayTerminalText()
{
    QFETCH(int, relay);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::relayTerminalText(relay), text);
}

void TestLanguageSupport::auxTexts()
{
    QCOMPARE(LanguageSupport::auxText(3), "Aux 3");
    AuxiliaryRelayTypes::AuxiliaryRelayPost post;
    post.index = 0;
    QCOMPARE(LanguageSupport::auxRelayName(post), "Aux 0");
    post.index = 6;
    QCOMPARE(LanguageSupport::auxRelayName(post), "Aux 6");
    post.name = QStringLiteral("Fragrance %1");
    QCOMPARE(LanguageSupport::auxRelayName(post), "Fragrance %1");
    post.name = QLatin1String(""); // empty but not null
    QCOMPARE(LanguageSupport::auxRelayName(post), "Aux 6");

    TestTranslator translator;
    translator.add("QObject", "Aux %1", "Lisä %1");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::auxRelayName(post), "Lisä 6");
}

void TestLanguageSupport::rcbProductText_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<QString>("text");
    const QStringList names{
        "Combi manual",       "Combi automatic", "Steam private",
        "Steam private auto", "Steam public",    "Steam public/private Manual Empty",
        "Sauna box addon",    "Sauna",           "Sauna Low",
        "Sauna IR",           "Unknown"};
    for (int product = 0; product < names.size(); ++product)
        QTest::addRow("%d", product) << product << names.at(product);
    QTest::newRow("11") << 11 << "Unknown";
    QTest::newRow("-1") << -1 << "Unknown";
}

void TestLanguageSupport::rcbProductText()
{
    QFETCH(int, product);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::rcbProductText(MasterFuncDescTypes::RcbProduct(product)), text);
}

void TestLanguageSupport::systemModeText()
{
    QCOMPARE(LanguageSupport::systemModeText(MasterFuncDescTypes::E_standard,
                                             MasterFuncDescTypes::E_sauna_ir),
             "Sauna IR");
    QCOMPARE(LanguageSupport::systemModeText(MasterFuncDescTypes::E_standard,
                                             MasterFuncDescTypes::RcbProduct(40)),
             "Unknown");
    QCOMPARE(LanguageSupport::systemModeText(MasterFuncDescTypes::E_multisteam,
                                             MasterFuncDescTypes::E_sauna_ir),
             "Multisteam");
    QCOMPARE(LanguageSupport::systemModeText(MasterFuncDescTypes::E_solvenno,
                                             MasterFuncDescTypes::E_combi_auto),
             "Solvenno");
    QCOMPARE(LanguageSupport::systemModeText(MasterFuncDescTypes::SystemMode(3),
                                             MasterFuncDescTypes::E_sauna),
             "");
}

void TestLanguageSupport::standbyKindText()
{
    QCOMPARE(LanguageSupport::standbyKindText(VariantTypes::E_orvela), "Warm Start");
    QCOMPARE(LanguageSupport::standbyKindText(VariantTypes::E_vaho), "Standby");
    QCOMPARE(LanguageSupport::standbyKindText(VariantTypes::E_undefined_brand), "Standby");
    QCOMPARE(LanguageSupport::standbyKindText(VariantTypes::Brand(9)), "Standby");
}

void TestLanguageSupport::opacityFor()
{
    QCOMPARE(LanguageSupport::opacityFor(false), 1.0);
    QCOMPARE(LanguageSupport::opacityFor(true), 0.3);
}

void TestLanguageSupport::fixedWords()
{
    const QList<QPair<QString, QString>> words{
        {LanguageSupport::yesText(), "Yes"},
        {LanguageSupport::noText(), "No"},
        {LanguageSupport::okText(), "Ok"},
        {LanguageSupport::errorText(), "Error"},
        {LanguageSupport::infoText(), "Info"},
        {LanguageSupport::powerText(), "Power"},
        {LanguageSupport::lightingText(), "Lighting"},
        {LanguageSupport::temperatureText(), "Temperature"},
        {LanguageSupport::humidityText(), "Humidity"},
        {LanguageSupport::irText(), "IR"},
        {LanguageSupport::modeText(), "Mode"},
        {LanguageSupport::settingsText(), "Settings"},
        {LanguageSupport::readyAtText(), "Ready at"},
        {LanguageSupport::startAtText(), "Start at"},
        {LanguageSupport::stopAfterText(), "Stop after"},
        {LanguageSupport::customText(), "Custom"},
        {LanguageSupport::favoriteText(), "Favorite"},
        {LanguageSupport::todayText(), "Today"},
        {LanguageSupport::bathText(), "Bath"},
        {LanguageSupport::standbyText(), "Standby"},
        {LanguageSupport::warmStartText(), "Warm Start"},
        {LanguageSupport::currentSettingsText(), "Current Settings"},
        {LanguageSupport::delayedStartText(), "Delayed start"},
        {LanguageSupport::delayedStartLowerText(), "delayed start"},
        {LanguageSupport::dateCalendarProgramText(), "date calendar program"},
        {LanguageSupport::weekdayCalendarProgramText(), "weekday calendar program"},
        {LanguageSupport::mlText(), "ml"},
        {LanguageSupport::onText(), "On"},
        {LanguageSupport::offText(), "Off"},
        {LanguageSupport::standardNetworkText(), "Standard network"},
    };
    for (const auto &[actual, expected] : words)
        QCOMPARE(actual, expected);
}

void TestLanguageSupport::rcbMasterSlaveModeText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("master") << 0 << "Primary";
    QTest::newRow("slave 1") << 1 << "Secondary1";
    QTest::newRow("slave 2") << 2 << "Secondary2";
    QTest::newRow("3") << 3 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestLanguageSupport::rcbMasterSlaveModeText()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(view::rcbMasterSlaveModeText(NodeInformationTypes::RcbMasterSlaveMode(mode)), text);

    TestTranslator translator;
    translator.add("QObject", "Primary", "Ensisijainen");
    translator.add("QObject", "Secondary", "Toissijainen ");
    ScopedTranslator installed(&translator);
    if (mode == 0)
        QCOMPARE(view::rcbMasterSlaveModeText(NodeInformationTypes::E_master), "Ensisijainen");
    if (mode == 2)
        QCOMPARE(view::rcbMasterSlaveModeText(NodeInformationTypes::E_slave_2), "Toissijainen 2");
}

void TestLanguageSupport::brandTexts_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("logo");
    QTest::newRow("vaho") << 0 << "Vaho"
                          << "vaho_96.png";
    QTest::newRow("lumo") << 1 << "Lumo"
                          << "lumo_96.png";
    QTest::newRow("orvela") << 2 << "Orvela"
                            << "orvela_96.png";
    QTest::newRow("kastela") << 3 << "Kastela"
                             << "kastela_96.png";
    QTest::newRow("undefined") << 4 << "Undefined"
                               << "";
    QTest::newRow("5") << 5 << ""
                       << "";
    QTest::newRow("-1") << -1 << ""
                        << "";
}

void TestLanguageSupport::brandTexts()
{
    QFETCH(int, brand);
    QFETCH(QString, name);
    QFETCH(QString, logo);
    QCOMPARE(LanguageSupport::brandText(VariantTypes::Brand(brand)), name);
    QCOMPARE(LanguageSupport::brandLogoFileName(VariantTypes::Brand(brand)), logo);
    QCOMPARE(LanguageSupport::windowTitleText(VariantTypes::Brand(brand)),
             name + " - PC Control Panel");
}

void TestLanguageSupport::editionTexts()
{
    TestTranslator translator;
    translator.add("QObject", "PC Control Panel", "translated");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::pcControlPanelText(), "PC Control Panel");
}

void TestLanguageSupport::productModelText_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    const QStringList wifi{"Crest Wifi", "Zenith Wifi", "K9", "Vertex", "Fell Wifi"};
    const QStringList wired{"Crest", "Zenith", "K9 (no Wifi)", "Vertex (no Wifi)", "Fell"};
    for (int model = 0; model < 5; ++model) {
        QTest::addRow("fell wifi %d", model) << model << 0 << wifi.at(model);
        QTest::addRow("fell %d", model) << model << 1 << wired.at(model);
        QTest::addRow("pc %d", model) << model << 2 << wired.at(model);
    }
    QTest::newRow("model 5") << 5 << 2 << "";
    QTest::newRow("model -1") << -1 << 0 << "";
    QTest::newRow("type 3") << 0 << 3 << "";
    QTest::newRow("type -1") << 0 << -1 << "";
}

void TestLanguageSupport::productModelText()
{
    QFETCH(int, model);
    QFETCH(int, type);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::productModelText(model, VariantTypes::ProductType(type)), text);
}

void TestLanguageSupport::productModelTextKeepsFirstLanguage()
{
    // The first call fills the tables in the language installed then: English.
    QCOMPARE(LanguageSupport::productModelText(2, VariantTypes::E_fell), "K9 (no Wifi)");
    TestTranslator translator;
    translator.add("QObject", "K9 (no Wifi)", "K9 (ei Wifi)");
    translator.add("QObject", "Yes", "Kyllä");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::productModelText(2, VariantTypes::E_PC), "K9 (no Wifi)");
    QCOMPARE(LanguageSupport::yesText(), "Kyllä");
}

void TestLanguageSupport::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    const QDate date(2018, 4, 25);
    QTest::newRow("yymmdd") << date << 0 << "18/04/25";
    QTest::newRow("ddmmyy") << date << 1 << "25/04/18";
    QTest::newRow("mmddyy") << date << 2 << "04/25/18";
    QTest::newRow("format 3") << date << 3 << "";
    QTest::newRow("format -1") << date << -1 << "";
    QTest::newRow("first of year") << QDate(2001, 1, 2) << 1 << "02/01/01";
    QTest::newRow("invalid date") << QDate() << 0 << "";
}

void TestLanguageSupport::dateText()
{
    QFETCH(QDate, date);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::dateText(date, DateTimeTypes::DateFormat(format)), text);
}

void TestLanguageSupport::timeTexts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("withSeconds");
    QTest::newRow("afternoon 24") << QTime(14, 5, 9) << 0 << "14:05"
                                  << "14:05:09";
    QTest::newRow("afternoon am/pm") << QTime(14, 5, 9) << 1 << "2:05pm"
                                     << "2:05:09pm";
    QTest::newRow("after midnight 24") << QTime(0, 15) << 0 << "00:15"
                                       << "00:15:00";
    QTest::newRow("after midnight am/pm") << QTime(0, 15) << 1 << "12:15am"
                                          << "12:15:00am";
    QTest::newRow("noon am/pm") << QTime(12, 0) << 1 << "12:00pm"
                                << "12:00:00pm";
    QTest::newRow("morning am/pm") << QTime(9, 7) << 1 << "9:07am"
                                   << "9:07:00am";
    QTest::newRow("invalid 24") << QTime() << 0 << ""
                                << "";
    QTest::newRow("invalid am/pm") << QTime() << 1 << ""
                                   << "";
    QTest::newRow("format 2") << QTime(14, 5) << 2 << ""
                              << "";
    QTest::newRow("format -1") << QTime(14, 5) << -1 << ""
                               << "";
}

void TestLanguageSupport::timeTexts()
{
    QFETCH(QTime, time);
    QFETCH(int, format);
    QFETCH(QString, text);
    QFETCH(QString, withSeconds);
    QCOMPARE(LanguageSupport::timeText(time, DateTimeTypes::TimeFormat(format)), text);
    QCOMPARE(LanguageSupport::timeWithSecondsText(time, DateTimeTypes::TimeFormat(format)),
             withSeconds);
}

void TestLanguageSupport::timeTextParts_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("timePart");
    QTest::addColumn<QString>("marker");
    QTest::newRow("morning am/pm") << QTime(9, 7) << 1 << "9:07"
                                   << "am";
    QTest::newRow("evening am/pm") << QTime(23, 59) << 1 << "11:59"
                                   << "pm";
    QTest::newRow("morning 24") << QTime(9, 7) << 0 << "09:07"
                                << "";
    QTest::newRow("invalid") << QTime() << 1 << ""
                             << "";
    QTest::newRow("format 5") << QTime(9, 7) << 5 << ""
                              << "";
}

void TestLanguageSupport::timeTextParts()
{
    QFETCH(QTime, time);
    QFETCH(int, format);
    QFETCH(QString, timePart);
    QFETCH(QString, marker);
    const auto [actualTime, actualMarker] =
        LanguageSupport::timeTextParts(time, DateTimeTypes::TimeFormat(format));
    QCOMPARE(actualTime, timePart);
    QCOMPARE(actualMarker, marker);
}

void TestLanguageSupport::time24Text()
{
    QCOMPARE(LanguageSupport::time24Text(QTime(7, 5)), "7:05");
    QCOMPARE(LanguageSupport::time24Text(QTime(19, 30)), "19:30");
}

void TestLanguageSupport::durationText_data()
{
    QTest::addColumn<uint>("minutes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0u << "0min";
    QTest::newRow("45") << 45u << "45min";
    QTest::newRow("59") << 59u << "59min";
    QTest::newRow("60") << 60u << "1h 0min";
    QTest::newRow("90") << 90u << "1h 30min";
    QTest::newRow("120") << 120u << "2h 0min";
    QTest::newRow("largest") << 4294967295u << "71582788h 15min";
}

void TestLanguageSupport::durationText()
{
    QFETCH(uint, minutes);
    QFETCH(QString, text);
    QCOMPARE(LanguageSupport::durationText(minutes), text);

    TestTranslator translator;
    translator.add("QObject", "h", " t");
    translator.add("QObject", "min", " min.");
    ScopedTranslator installed(&translator);
    if (minutes == 90)
        QCOMPARE(LanguageSupport::durationText(minutes), "1 t 30 min.");
}

// A weekday inside a sentence stays as its language writes it ("maanantai"); the class has no
// second, capitalised form, nor a duration text finer than minutes.
void TestLanguageSupport::displayWordsAreTheListedOnes()
{
    TestTranslator translator;
    translator.add("QObject", "Monday", "maanantai");
    translator.add("QObject", "weekday calendar program", "viikonpäiväohjelma");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::E_monday), "maanantai");
    QCOMPARE(LanguageSupport::weekdayCalendarProgramText(), "viikonpäiväohjelma");

    QVERIFY(!HasWeekdayTitleText<LanguageSupport>::value);
    QVERIFY(!HasCapitalized<LanguageSupport>::value);
    QVERIFY(!HasPreciseDurationText<LanguageSupport>::value);
}

void TestLanguageSupport::timeRangeText_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<uint>("minutes");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("spaced");
    QTest::addColumn<QString>("text");
    QTest::newRow("past midnight spaced") << QTime(22, 0) << 180u << 0 << true << "22:00 - 01:00";
    QTest::newRow("past midnight") << QTime(22, 0) << 180u << 0 << false << "22:00-01:00";
    QTest::newRow("wraps") << QTime(23, 30) << 60u << 0 << true << "23:30 - 00:30";
    QTest::newRow("am/pm") << QTime(11, 30) << 45u << 1 << false << "11:30am-12:15pm";
    QTest::newRow("whole days dropped")
        << QTime(8, 0) << (3u * 1440u + 30u) << 0 << true << "08:00 - 08:30";
    QTest::newRow("huge duration") << QTime(0, 0) << 4294967295u << 0 << true << "00:00 - 04:15";
}

void TestLanguageSupport::timeRangeText()
{
    QFETCH(QTime, start);
    QFETCH(uint, minutes);
    QFETCH(int, format);
    QFETCH(bool, spaced);
    QFETCH(QString, text);
    const QString range =
        LanguageSupport::timeRangeText(start, minutes, DateTimeTypes::TimeFormat(format), spaced);
    // Exactly the two times and the separator: the view keeps a range on one line where it
    // draws it.
    QCOMPARE(range, text);
}

void TestLanguageSupport::calendarNames()
{
    QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::E_monday), "Monday");
    QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::E_sunday), "Sunday");
    QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::WeekDay(7)), "");
    QCOMPARE(LanguageSupport::weekdayPluralText(CalendarTypes::E_wednesday), "plural_Wednesdays");
    QCOMPARE(LanguageSupport::weekdayPluralText(CalendarTypes::WeekDay(7)), "");
    QCOMPARE(LanguageSupport::monthLongText(CalendarTypes::E_january), "long_form_January");
    QCOMPARE(LanguageSupport::monthLongText(CalendarTypes::E_december), "long_form_December");
    QCOMPARE(LanguageSupport::monthLongText(CalendarTypes::Month(12)), "");
    QCOMPARE(LanguageSupport::monthShortText(CalendarTypes::E_september), "short_form_September");
    QCOMPARE(LanguageSupport::monthShortText(CalendarTypes::Month(-1)), "");

    TestTranslator translator;
    translator.add("QObject", "long_form_March", "March");
    translator.add("QObject", "plural_Sundays", "Sundays");
    ScopedTranslator installed(&translator);
    QCOMPARE(LanguageSupport::monthLongText(CalendarTypes::E_march), "March");
    QCOMPARE(LanguageSupport::weekdayPluralText(CalendarTypes::E_sunday), "Sundays");
}

void TestLanguageSupport::languageNames()
{
    const LanguageSupport support;
    const QStringList names{support.czechText(),     support.dutchText(),     support.englishText(),
                            support.finnishText(),   support.frenchText(),    support.germanText(),
                            support.polishText(),    support.russianText(),   support.slovakText(),
                            support.spanishText(),   support.swedishText(),   support.danishText(),
                            support.norwegianText(), support.portugueseText()};
    const QStringList expected{"Czech",   "Dutch",  "English",   "Finnish",   "French",
                               "German",  "Polish", "Russian",   "Slovak",    "Spanish",
                               "Swedish", "Danish", "Norwegian", "Portuguese"};
    QCOMPARE(names, expected);
    for (int language = 0; language < expected.size(); ++language)
        QCOMPARE(LanguageSupport::languageText(LanguageTypes::Language(language)),
                 expected.at(language));
    QCOMPARE(LanguageSupport::languageText(LanguageTypes::Language(14)), "");

    // Language names have a context of their own.
    TestTranslator translator;
    translator.add("view::LanguageSupport", "Finnish", "suomi");
    translator.add("QObject", "Swedish", "wrong context");
    ScopedTranslator installed(&translator);
    QCOMPARE(support.finnishText(), "suomi");
    QCOMPARE(support.swedishText(), "Swedish");
    QCOMPARE(LanguageSupport::languageText(LanguageTypes::E_finnish), "suomi");
}

void TestLanguageSupport::textsFollowTheInstalledLanguage()
{
    TestTranslator finnish;
    finnish.add("QObject", "Standby", "Valmiustila");
    finnish.add("QObject", "Undefined Relay", "Määrittelemätön rele");
    finnish.add("QObject", "Monday", "maanantai");
    TestTranslator swedish;
    swedish.add("QObject", "Standby", "Vänteläge");
    {
        ScopedTranslator installed(&finnish);
        QCOMPARE(LanguageSupport::standbyKindText(VariantTypes::E_vaho), "Valmiustila");
        QCOMPARE(LanguageSupport::relayTerminalText(20), "Määrittelemätön rele");
        QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::E_monday), "maanantai");
    }
    ScopedTranslator installed(&swedish);
    QCOMPARE(LanguageSupport::standbyText(), "Vänteläge");
    QCOMPARE(LanguageSupport::weekdayText(CalendarTypes::E_monday), "Monday");
}

QTEST_GUILESS_MAIN(TestLanguageSupport)
#include "tst_language_support.moc"
