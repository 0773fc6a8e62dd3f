#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/variant_types.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTime>

#include <utility>

namespace view {

// The panel's short display words: texts of enum values and numbers, fixed words shared by several
// screens, dates and times in the user's formats, and the names of languages, brands and products.
// Every text is translated when it is asked for, so a language change shows with the next call;
// texts of values outside their enum give the fallback of their operation and never fail.
class LanguageSupport : public QObject
{
    Q_OBJECT

public:
    using Brand = signalInterface::VariantTypes::Brand;
    using ProductType = signalInterface::VariantTypes::ProductType;
    using TimeFormat = signalInterface::DateTimeTypes::TimeFormat;
    using DateFormat = signalInterface::DateTimeTypes::DateFormat;

    explicit LanguageSupport(QObject *parent = nullptr);
    ~LanguageSupport() override;

    // Values and numbers of the sauna system.
    static QString externalUnitText(int kind);
    static QString temperatureUnitText(signalInterface::TemperatureTypes::TemperatureUnit unit);
    static QString humidityUnitText(signalInterface::HumidityTypes::HumidityUnit unit);
    static QString relayTerminalText(int relay);
    static QString auxText(int number);
    static QString
    auxRelayName(const signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost &post);
    static QString rcbProductText(signalInterface::MasterFuncDescTypes::RcbProduct product);
    static QString systemModeText(signalInterface::MasterFuncDescTypes::SystemMode mode,
                                  signalInterface::MasterFuncDescTypes::RcbProduct product);
    static QString standbyKindText(Brand brand);
    static double opacityFor(bool disabled);

    // Fixed words.
    static QString yesText();
    static QString noText();
    static QString okText();
    static QString errorText();
    static QString infoText();
    static QString powerText();
    static QString lightingText();
    static QString temperatureText();
    static QString humidityText();
    static QString irText();
    static QString modeText();
    static QString settingsText();
    static QString readyAtText();
    static QString startAtText();
    static QString stopAfterText();
    static QString customText();
    static QString favoriteText();
    static QString todayText();
    static QString bathText();
    static QString standbyText();
    static QString warmStartText();
    static QString currentSettingsText();
    static QString delayedStartText();
    static QString delayedStartLowerText();
    static QString dateCalendarProgramText();
    static QString weekdayCalendarProgramText();
    static QString mlText();
    static QString onText();
    static QString offText();
    static QString standardNetworkText();

    // Brand and edition.
    static QString brandText(Brand brand);
    static QString pcControlPanelText();
    static QString windowTitleText(Brand brand);
    static QString brandLogoFileName(Brand brand);
    // Model names are kept in the language of the first call for the rest of the process.
    static QString productModelText(int model, ProductType type);

    // Dates, times and durations.
    static QString dateText(const QDate &date, DateFormat format);
    static QString timeText(const QTime &time, TimeFormat format);
    static QString timeWithSecondsText(const QTime &time, TimeFormat format);
    // Every time of day a screen shows is timeText's; the 12-hour text is "7:14am", the marker
    // directly after the minutes. The parts are timeText cut before its marker: (time, am/pm
    // marker), the marker empty in the 24-hour format. Put together they read as timeText.
    static std::pair<QString, QString> timeTextParts(const QTime &time, TimeFormat format);
    static QString time24Text(const QTime &time);
    // The hours when there are any, then the minutes: "1h 30min", "45min", "2h 0min".
    static QString durationText(unsigned int minutes);
    // The range "18:00 - 22:00" (spaced) or "18:00-22:00"; the view keeps it on one line where
    // it draws it (view::LineBreaks).
    static QString timeRangeText(const QTime &start, unsigned int minutes, TimeFormat format,
                                 bool spaced);

    // Weekdays and months.
    static QString weekdayText(signalInterface::CalendarTypes::WeekDay day);
    static QString weekdayPluralText(signalInterface::CalendarTypes::WeekDay day);
    static QString monthLongText(signalInterface::CalendarTypes::Month month);
    static QString monthShortText(signalInterface::CalendarTypes::Month month);

    // Language names, translated in this class's own context.
    QString czechText() const;
    QString dutchText() const;
    QString englishText() const;
    QString finnishText() const;
    QString frenchText() const;
    QString germanText() const;
    QString polishText() const;
    QString russianText() const;
    QString slovakText() const;
    QString spanishText() const;
    QString swedishText() const;
    QString danishText() const;
    QString norwegianText() const;
    QString portugueseText() const;
    static QString languageText(signalInterface::LanguageTypes::Language language);
};

} // namespace view
