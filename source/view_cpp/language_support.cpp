#include "view_cpp/language_support.h"

#include <QCoreApplication>

#include <array>
#include <map>

namespace view {

namespace {

using signalInterface::CalendarTypes;
using signalInterface::DateTimeTypes;
using signalInterface::HumidityTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TemperatureTypes;
using signalInterface::VariantTypes;

// The shared display words live in the "QObject" translation context.
QString translated(const char *sourceText)
{
    return QCoreApplication::translate("QObject", sourceText);
}

// The translated entry of a table indexed by an enum value; empty outside the table.
template<std::size_t N>
QString tableText(const std::array<const char *, N> &table, int value)
{
    if (value < 0 || value >= static_cast<int>(N))
        return {};
    return translated(table[static_cast<std::size_t>(value)]);
}

constexpr std::array<const char *, 6> externalUnitTexts{
    QT_TRANSLATE_NOOP("QObject", "PC Panel"), QT_TRANSLATE_NOOP("QObject", "Smart Phone"),
    QT_TRANSLATE_NOOP("QObject", "Tablet"),   QT_TRANSLATE_NOOP("QObject", "Home Automation"),
    QT_TRANSLATE_NOOP("QObject", "Other"),    QT_TRANSLATE_NOOP("QObject", "Unknown"),
};

constexpr std::array<const char *, 14> relayTerminalTexts{
    QT_TRANSLATE_NOOP("QObject", "X3-X4"),   QT_TRANSLATE_NOOP("QObject", "X5-X6"),
    QT_TRANSLATE_NOOP("QObject", "X7-X8"),   QT_TRANSLATE_NOOP("QObject", "X9-X10"),
    QT_TRANSLATE_NOOP("QObject", "X11-X12"), QT_TRANSLATE_NOOP("QObject", "X13-X14"),
    QT_TRANSLATE_NOOP("QObject", "X15-X16"), QT_TRANSLATE_NOOP("QObject", "X17-X18"),
    QT_TRANSLATE_NOOP("QObject", "X19-X20"), QT_TRANSLATE_NOOP("QObject", "X21-X22"),
    QT_TRANSLATE_NOOP("QObject", "X23-X24"), QT_TRANSLATE_NOOP("QObject", "X25-X26"),
    QT_TRANSLATE_NOOP("QObject", "X27-X28"), QT_TRANSLATE_NOOP("QObject", "X29-X30"),
};

constexpr std::array<const char *, 10> rcbProductTexts{
    QT_TRANSLATE_NOOP("QObject", "Combi manual"),
    QT_TRANSLATE_NOOP("QObject", "Combi automatic"),
    QT_TRANSLATE_NOOP("QObject", "Steam private"),
    QT_TRANSLATE_NOOP("QObject", "Steam private auto"),
    QT_TRANSLATE_NOOP("QObject", "Steam public"),
    QT_TRANSLATE_NOOP("QObject", "Steam public/private Manual Empty"),
    QT_TRANSLATE_NOOP("QObject", "Sauna box addon"),
    QT_TRANSLATE_NOOP("QObject", "Sauna"),
    QT_TRANSLATE_NOOP("QObject", "Sauna Low"),
    QT_TRANSLATE_NOOP("QObject", "Sauna IR"),
};

constexpr std::array<const char *, 5> brandTexts{
    QT_TRANSLATE_NOOP("QObject", "Vaho"),      QT_TRANSLATE_NOOP("QObject", "Lumo"),
    QT_TRANSLATE_NOOP("QObject", "Orvela"),    QT_TRANSLATE_NOOP("QObject", "Kastela"),
    QT_TRANSLATE_NOOP("QObject", "Undefined"),
};

constexpr std::array<const char *, 4> brandLogoFileNames{
    "vaho_96.png",
    "lumo_96.png",
    "orvela_96.png",
    "kastela_96.png",
};

// The product models by number, each named as the Wifi product and as the product without Wifi.
struct ModelNames
{
    const char *wifi;
    const char *plain;
};

constexpr std::array<ModelNames, 5> modelNames{{
    {QT_TRANSLATE_NOOP("QObject", "Crest Wifi"), QT_TRANSLATE_NOOP("QObject", "Crest")},
    {QT_TRANSLATE_NOOP("QObject", "Zenith Wifi"), QT_TRANSLATE_NOOP("QObject", "Zenith")},
    {QT_TRANSLATE_NOOP("QObject", "K9"), QT_TRANSLATE_NOOP("QObject", "K9 (no Wifi)")},
    {QT_TRANSLATE_NOOP("QObject", "Vertex"), QT_TRANSLATE_NOOP("QObject", "Vertex (no Wifi)")},
    {QT_TRANSLATE_NOOP("QObject", "Fell Wifi"), QT_TRANSLATE_NOOP("QObject", "Fell")},
}};

constexpr std::array<const char *, 7> weekdayTexts{
    QT_TRANSLATE_NOOP("QObject", "Monday"),    QT_TRANSLATE_NOOP("QObject", "Tuesday"),
    QT_TRANSLATE_NOOP("QObject", "Wednesday"), QT_TRANSLATE_NOOP("QObject", "Thursday"),
    QT_TRANSLATE_NOOP("QObject", "Friday"),    QT_TRANSLATE_NOOP("QObject", "Saturday"),
    QT_TRANSLATE_NOOP("QObject", "Sunday"),
};

// Keys: every translation file, English included, supplies the words.
constexpr std::array<const char *, 7> weekdayPluralTexts{
    QT_TRANSLATE_NOOP("QObject", "plural_Mondays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Tuesdays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Wednesdays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Thursdays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Fridays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Saturdays"),
    QT_TRANSLATE_NOOP("QObject", "plural_Sundays"),
};

constexpr std::array<const char *, 12> monthLongTexts{
    QT_TRANSLATE_NOOP("QObject", "long_form_January"),
    QT_TRANSLATE_NOOP("QObject", "long_form_February"),
    QT_TRANSLATE_NOOP("QObject", "long_form_March"),
    QT_TRANSLATE_NOOP("QObject", "long_form_April"),
    QT_TRANSLATE_NOOP("QObject", "long_form_May"),
    QT_TRANSLATE_NOOP("QObject", "long_form_June"),
    QT_TRANSLATE_NOOP("QObject", "long_form_July"),
    QT_TRANSLATE_NOOP("QObject", "long_form_August"),
    QT_TRANSLATE_NOOP("QObject", "long_form_September"),
    QT_TRANSLATE_NOOP("QObject", "long_form_October"),
    QT_TRANSLATE_NOOP("QObject", "long_form_November"),
    QT_TRANSLATE_NOOP("QObject", "long_form_December"),
};

constexpr std::array<const char *, 12> monthShortTexts{
    QT_TRANSLATE_NOOP("QObject", "short_form_January"),
    QT_TRANSLATE_NOOP("QObject", "short_form_February"),
    QT_TRANSLATE_NOOP("QObject", "short_form_March"),
    QT_TRANSLATE_NOOP("QObject", "short_form_April"),
    QT_TRANSLATE_NOOP("QObject", "short_form_May"),
    QT_TRANSLATE_NOOP("QObject", "short_form_June"),
    QT_TRANSLATE_NOOP("QObject", "short_form_July"),
    QT_TRANSLATE_NOOP("QObject", "short_form_August"),
    QT_TRANSLATE_NOOP("QObject", "short_form_September"),
    QT_TRANSLATE_NOOP("QObject", "short_form_October"),
    QT_TRANSLATE_NOOP("QObject", "short_form_November"),
    QT_TRANSLATE_NOOP("QObject", "short_form_December"),
};

// One product's model names by model number, translated into the language installed now.
std::map<int, QString> translatedModelNames(const char *ModelNames::*product)
{
    std::map<int, QString> names;
    for (std::size_t i = 0; i < modelNames.size(); ++i)
        names[static_cast<int>(i)] = translated(modelNames[i].*product);
    return names;
}

// Time of day formatted with the 24-hour or the am/pm pattern; empty for an invalid time or an
// unknown format.
QString formattedTime(const QTime &time, DateTimeTypes::TimeFormat format, const char *pattern24,
                      const char *patternAmPm)
{
    if (!time.isValid())
        return {};
    switch (format) {
    case DateTimeTypes::E_0_24:
        return time.toString(QLatin1String(pattern24));
    case DateTimeTypes::E_am_pm:
        return time.toString(QLatin1String(patternAmPm));
    }
    return {};
}

} // namespace

LanguageSupport::LanguageSupport(QObject *parent)
    : QObject(parent)
{}

LanguageSupport::~LanguageSupport() = default;

QString LanguageSupport::externalUnitText(int kind)
{
    return tableText(externalUnitTexts, kind);
}

QString LanguageSupport::temperatureUnitText(TemperatureTypes::TemperatureUnit unit)
{
    switch (unit) {
    case TemperatureTypes::E_celsius:
        return translated(QT_TRANSLATE_NOOP("QObject", "degrees_C"));
    case TemperatureTypes::E_fahrenheit:
        return translated(QT_TRANSLATE_NOOP("QObject", "degrees_F"));
    }
    return {};
}

QString LanguageSupport::humidityUnitText(HumidityTypes::HumidityUnit unit)
{
    return unit == HumidityTypes::E_percentage ? QStringLiteral("%") : QString();
}

QString LanguageSupport::relayTerminalText(int relay)
{
    if (relay < 0 || relay >= static_cast<int>(relayTerminalTexts.size()))
        return translated(QT_TRANSLATE_NOOP("QObject", "Undefined Relay"));
    return tableText(relayTerminalTexts, relay);
}

QString LanguageSupport::auxText(int number)
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Aux %1")).arg(number);
}

QString
LanguageSupport::auxRelayName(const signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost &post)
{
    if (!post.name.isEmpty())
        return post.name;
    return auxText(static_cast<int>(post.index));
}

QString LanguageSupport::rcbProductText(MasterFuncDescTypes::RcbProduct product)
{
    if (product < 0 || product >= static_cast<int>(rcbProductTexts.size()))
        return translated(QT_TRANSLATE_NOOP("QObject", "Unknown"));
    return tableText(rcbProductTexts, product);
}

QString LanguageSupport::systemModeText(MasterFuncDescTypes::SystemMode mode,
                                        MasterFuncDescTypes::RcbProduct product)
{
    switch (mode) {
    case MasterFuncDescTypes::E_standard:
        return rcbProductText(product);
    case MasterFuncDescTypes::E_multisteam:
        return translated(QT_TRANSLATE_NOOP("QObject", "Multisteam"));
    case MasterFuncDescTypes::E_solvenno:
        return translated(QT_TRANSLATE_NOOP("QObject", "Solvenno"));
    }
    return {};
}

QString LanguageSupport::standbyKindText(Brand brand)
{
    return brand == VariantTypes::E_orvela ? warmStartText() : standbyText();
}

double LanguageSupport::opacityFor(bool disabled)
{
    return disabled ? 0.3 : 1.0;
}

QString LanguageSupport::yesText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Yes"));
}
QString LanguageSupport::noText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "No"));
}
QString LanguageSupport::okText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Ok"));
}
QString LanguageSupport::errorText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Error"));
}
QString LanguageSupport::infoText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Info"));
}
QString LanguageSupport::powerText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Power"));
}
QString LanguageSupport::lightingText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Lighting"));
}
QString LanguageSupport::temperatureText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Temperature"));
}
QString LanguageSupport::humidityText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Humidity"));
}
QString LanguageSupport::irText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "IR"));
}
QString LanguageSupport::modeText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Mode"));
}
QString LanguageSupport::settingsText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Settings"));
}
QString LanguageSupport::readyAtText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Ready at"));
}
QString LanguageSupport::startAtText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Start at"));
}
QString LanguageSupport::stopAfterText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Stop after"));
}
QString LanguageSupport::customText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Custom"));
}
QString LanguageSupport::favoriteText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Favorite"));
}
QString LanguageSupport::todayText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Today"));
}
QString LanguageSupport::bathText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Bath"));
}
QString LanguageSupport::standbyText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Standby"));
}
QString LanguageSupport::warmStartText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Warm Start"));
}
QString LanguageSupport::currentSettingsText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Current Settings"));
}
QString LanguageSupport::delayedStartText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Delayed start"));
}
QString LanguageSupport::delayedStartLowerText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "delayed start"));
}
QString LanguageSupport::dateCalendarProgramText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "date calendar program"));
}
QString LanguageSupport::weekdayCalendarProgramText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "weekday calendar program"));
}
QString LanguageSupport::mlText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "ml"));
}
QString LanguageSupport::onText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "On"));
}
QString LanguageSupport::offText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Off"));
}
QString LanguageSupport::standardNetworkText()
{
    return translated(QT_TRANSLATE_NOOP("QObject", "Standard network"));
}

QString LanguageSupport::brandText(Brand brand)
{
    return tableText(brandTexts, brand);
}

QString LanguageSupport::pcControlPanelText()
{
    return QStringLiteral("PC Control Panel");
}

QString LanguageSupport::windowTitleText(Brand brand)
{
    return brandText(brand) + QStringLiteral(" - PC Control Panel");
}

QString LanguageSupport::brandLogoFileName(Brand brand)
{
    if (brand < 0 || brand >= static_cast<int>(brandLogoFileNames.size()))
        return {};
    return QString::fromLatin1(brandLogoFileNames[static_cast<std::size_t>(brand)]);
}

QString LanguageSupport::productModelText(int model, ProductType type)
{
    // Filled once, in the language installed at the first call.
    static const std::map<int, QString> wifiModels = translatedModelNames(&ModelNames::wifi);
    static const std::map<int, QString> models = translatedModelNames(&ModelNames::plain);

    const std::map<int, QString> *table = nullptr;
    switch (type) {
    case VariantTypes::E_fell_wifi:
        table = &wifiModels;
        break;
    case VariantTypes::E_fell:
    case VariantTypes::E_PC:
        table = &models;
        break;
    }
    if (!table)
        return {};
    const auto entry = table->find(model);
    return entry == table->end() ? QString() : entry->second;
}

QString LanguageSupport::dateText(const QDate &date, DateFormat format)
{
    switch (format) {
    case DateTimeTypes::E_yymmdd:
        return date.toString(QStringLiteral("yy'/'MM'/'dd"));
    case DateTimeTypes::E_ddmmyy:
        return date.toString(QStringLiteral("dd'/'MM'/'yy"));
    case DateTimeTypes::E_mmddyy:
        return date.toString(QStringLiteral("MM'/'dd'/'yy"));
    }
    return {};
}

QString LanguageSupport::timeText(const QTime &time, TimeFormat format)
{
    return formattedTime(time, format, "HH':'mm", "h':'mmap");
}

QString LanguageSupport::timeWithSecondsText(const QTime &time, TimeFormat format)
{
    return formattedTime(time, format, "HH':'mm':'ss", "h':'mm':'ssap");
}

std::pair<QString, QString> LanguageSupport::timeTextParts(const QTime &time, TimeFormat format)
{
    // Cut from the one time text, so that the parts put together read exactly as every other
    // time does: the marker ("am" or "pm") follows the minutes directly.
    QString text = timeText(time, format);
    if (format != DateTimeTypes::E_am_pm || text.isEmpty())
        return {text, QString()};
    constexpr qsizetype markerLength = 2;
    QString marker = text.right(markerLength);
    text.chop(markerLength);
    return {text, marker};
}

QString LanguageSupport::time24Text(const QTime &time)
{
    return time.toString(QStringLiteral("H':'mm"));
}

QString LanguageSupport::durationText(unsigned int minutes)
{
    QString text;
    const unsigned int hours = minutes / 60;
    if (hours != 0)
        text += QString::number(hours) + translated(QT_TRANSLATE_NOOP("QObject", "h")) +
                QLatin1Char(' ');
    return text + QString::number(minutes % 60) + translated(QT_TRANSLATE_NOOP("QObject", "min"));
}

QString LanguageSupport::timeRangeText(const QTime &start, unsigned int minutes, TimeFormat format,
                                       bool spaced)
{
    // Only the time of day of the end counts, so whole days are dropped before the seconds are
    // computed; a range past midnight wraps.
    constexpr unsigned int minutesPerDay = 24 * 60;
    const QTime end = start.addSecs(static_cast<int>(minutes % minutesPerDay) * 60);
    return timeText(start, format) + (spaced ? QStringLiteral(" - ") : QStringLiteral("-")) +
           timeText(end, format);
}

QString LanguageSupport::weekdayText(CalendarTypes::WeekDay day)
{
    return tableText(weekdayTexts, day);
}

QString LanguageSupport::weekdayPluralText(CalendarTypes::WeekDay day)
{
    return tableText(weekdayPluralTexts, day);
}

QString LanguageSupport::monthLongText(CalendarTypes::Month month)
{
    return tableText(monthLongTexts, month);
}

QString LanguageSupport::monthShortText(CalendarTypes::Month month)
{
    return tableText(monthShortTexts, month);
}

QString LanguageSupport::czechText() const
{
    return tr("Czech");
}

QString LanguageSupport::dutchText() const
{
    return tr("Dutch");
}

QString LanguageSupport::englishText() const
{
    return tr("English");
}

QString LanguageSupport::finnishText() const
{
    return tr("Finnish");
}

QString LanguageSupport::frenchText() const
{
    return tr("French");
}

QString LanguageSupport::germanText() const
{
    return tr("German");
}

QString LanguageSupport::polishText() const
{
    return tr("Polish");
}

QString LanguageSupport::russianText() const
{
    return tr("Russian");
}

QString LanguageSupport::slovakText() const
{
    return tr("Slovak");
}

QString LanguageSupport::spanishText() const
{
    return tr("Spanish");
}

QString LanguageSupport::swedishText() const
{
    return tr("Swedish");
}

QString LanguageSupport::danishText() const
{
    return tr("Danish");
}

QString LanguageSupport::norwegianText() const
{
    return tr("Norwegian");
}

QString LanguageSupport::portugueseText() const
{
    return tr("Portuguese");
}

QString LanguageSupport::languageText(signalInterface::LanguageTypes::Language language)
{
    using signalInterface::LanguageTypes;
    const LanguageSupport support;
    switch (language) {
    case LanguageTypes::E_czech:
        return support.czechText();
    case LanguageTypes::E_dutch:
        return support.dutchText();
    case LanguageTypes::E_english:
        return support.englishText();
    case LanguageTypes::E_finnish:
        return support.finnishText();
    case LanguageTypes::E_french:
        return support.frenchText();
    case LanguageTypes::E_german:
        return support.germanText();
    case LanguageTypes::E_polish:
        return support.polishText();
    case LanguageTypes::E_russian:
        return support.russianText();
    case LanguageTypes::E_slovak:
        return support.slovakText();
    case LanguageTypes::E_spanish:
        return support.spanishText();
    case LanguageTypes::E_swedish:
        return support.swedishText();
    case LanguageTypes::E_danish:
        return support.danishText();
    case LanguageTypes::E_norwegian:
        return support.norwegianText();
    case LanguageTypes::E_portuguese:
        return support.portugueseText();
    }
    return {};
}

} // namespace view
