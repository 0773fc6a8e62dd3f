#pragma once

#include "control/details/created_item_watch.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/smart_start_types.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTime>

#include <array>
#include <optional>

namespace control::details {

// What the calendar screens share about the sauna: its programs and favorites, its clock, the
// user's formats and the current settings a new program starts from.
class CalendarDataProvider : public QObject
{
    Q_OBJECT

public:
    static constexpr int programCount = 64;
    static constexpr int favoriteCount = 8;

    explicit CalendarDataProvider(QObject *parent = nullptr);

    // Each returns the number of connects that failed.
    int connectProductTypeChanged(const QList<QObject *> &senders);
    // The brand names the standby mode ("Warm Start" for one brand); senders with brandChanged.
    int connectBrandChanged(const QList<QObject *> &senders);
    int connectTimeSettingsSignals(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);

    // Keeps a program as the sauna reported it; false for an index of no slot or no change.
    bool storeProgram(const signalInterface::CalendarProgram &program);
    // This panel asks the sauna to store the program in its slot (a new one where the slot holds
    // none): the slot is watched until the program is known to be kept there.
    void watchRequest(const signalInterface::CalendarProgram &program);
    // The monotonic clock that times the watch over programs just requested.
    void setMonotonicClock(CreatedItemWindow::Clock clock)
    {
        m_requestWatch.setClock(std::move(clock));
    }
    std::optional<signalInterface::CalendarProgram> program(int index) const;
    QList<signalInterface::CalendarProgram> programsInUse() const;
    // Date programs starting on the date, and weekday programs of the day, by start time.
    QList<signalInterface::CalendarProgram> dateProgramsOn(const QDate &date) const;
    QList<signalInterface::CalendarProgram>
    weekdayProgramsOn(signalInterface::CalendarTypes::WeekDay day) const;
    // The lowest slot that holds no program, nor awaits a new one of this panel's.
    std::optional<quint32> freeProgramIndex() const;
    bool awaitsNewProgram(quint32 index) const { return m_requestWatch.awaitsNew(index); }

    // Programs in use that take their settings from the favorite.
    QList<signalInterface::CalendarProgram> programsUsing(quint32 favorite) const;

    // A favorite the sauna reported in use.
    std::optional<signalInterface::FavoritesTypes::FavoritesPost> favorite(int index) const;
    QList<signalInterface::FavoritesTypes::FavoritesPost> favoritesInUse() const;

    // The sauna's clock once the time controller has reported it, the host's before.
    QDateTime now() const;
    QDate today() const { return now().date(); }

    signalInterface::DateTimeTypes::TimeFormat timeFormat() const { return m_timeFormat; }
    signalInterface::DateTimeTypes::DateFormat dateFormat() const { return m_dateFormat; }
    signalInterface::VariantTypes::ProductType productType() const { return m_productType; }
    signalInterface::VariantTypes::Brand brand() const { return m_brand; }
    int bathTime() const { return m_bathTime; }
    int bathTimeLimit() const { return m_bathTimeLimit; }
    int targetHumidity() const { return m_targetHumidity; }
    int targetTemperature() const { return m_targetTemperature; }
    std::optional<int> temperature() const { return m_temperature; }
    signalInterface::SmartStartTypes::SmartStartParameters smartStart() const
    {
        return m_smartStart;
    }
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions() const
    {
        return m_functions;
    }
    bool notAllowedStartEnabled() const { return m_notAllowedStartEnabled; }
    QTime notAllowedStartFrom() const { return m_notAllowedStartFrom; }
    QTime notAllowedStartUntil() const { return m_notAllowedStartUntil; }

    // Minutes the sauna needs to heat from its measured temperature to the target, at the
    // heating rate it reported; 0 while no temperature is known. This is the heating of a program
    // due so soon that the sauna will not have cooled before it.
    int estimatedHeatingMinutes(quint32 targetTemperature) const;
    // Minutes the sauna needs to heat to the target when a program's time comes, whatever it reads
    // now: a sauna hot now has cooled to its room by a later day, so the heating counts from the
    // lower of its reading and a cold room, 20 °C (from the room while it has reported none), at
    // the rate it reported. The sauna switches a ready-at program on by its temperature then, so
    // a plan from today's hot reading would switch it on later than the sauna does. The
    // not-allowed-start check plans by this figure; the simulated sauna heats the same way.
    int coldStartHeatingMinutes(quint32 targetTemperature) const;

    // Whether a program's stop time is one a bath can have: a stop time outside it (none, or
    // beyond the longest bath a sauna runs) is none the sauna can mean, and reads "--".
    static bool isBathStopTime(quint32 minutes);

    // The question to ask before a program heated to the temperature is saved, when the sauna
    // would start it, switch it on for its heating, or run it in the not-allowed start window;
    // none when it keeps out of the window.
    std::optional<signalInterface::UserMessageTypes::UserMessage>
    notAllowedStartQuestion(const signalInterface::CalendarProgram &program,
                            quint32 temperature) const;
    // The same question for the first program that takes its settings from the favorite, as
    // the favorite would be saved.
    std::optional<signalInterface::UserMessageTypes::UserMessage>
    notAllowedStartQuestion(const signalInterface::FavoritesTypes::FavoritesPost &favorite) const;

    // "18:00 - 19:30" in the current time format; "18:00 - --" for a stop time no bath can have.
    QString programTimeText(const signalInterface::CalendarProgram &program) const;
    // The date (or the weekday) and the time range of a program.
    QString programDescription(const signalInterface::CalendarProgram &program) const;

    static signalInterface::CalendarTypes::WeekDay weekDayOf(const QDate &date);

signals:
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void clockChanged(QDateTime now);
    void favoritesChanged();
    void functionsChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void saunaDataCleared();
    // Another panel's program took the slot of one just created here: it is to be saved again.
    void createdProgramDisplaced(::signalInterface::CalendarProgram program);
    // Another panel's change replaced one just requested here (a deletion is of the kind of the
    // program it deleted).
    void programChangedElsewhere(::signalInterface::CalendarProgram program);

public slots:
    void onProductTypeChanged(::signalInterface::VariantTypes::ProductType productType);
    void onBrandChanged(::signalInterface::VariantTypes::Brand brand);
    void onSystemTimeChanged(QDateTime dateTime);
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void onSaunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void onSaunaBathTimeChanged(int minutes);
    void onSaunaBathTimeLimitChanged(int minutes);
    void onSaunaTargetHumidityChanged(int humidity);
    void onSaunaTargetTemperatureChanged(int temperature);
    void onSaunaTemperatureChanged(int temperature);
    void
    onSaunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters parameters);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void onSaunaNotAllowedStartEnableChanged(bool enabled);
    void onSaunaNotAllowedStartFromTimeChanged(QTime time);
    void onSaunaNotAllowedStartUntilTimeChanged(QTime time);
    // Programs, favorites, clock and settings were the former sauna's: none is kept, and the
    // screens built from them are told through saunaDataCleared().
    void onSaunaReplaced();

private:
    // From the start for the minutes, or to "--" without them.
    QString timeRangeText(const QTime &start, std::optional<qint64> minutes) const;

    std::array<signalInterface::CalendarProgram, programCount> m_programs;
    std::array<signalInterface::FavoritesTypes::FavoritesPost, favoriteCount> m_favorites;
    QDateTime m_systemTime;
    signalInterface::DateTimeTypes::TimeFormat m_timeFormat =
        signalInterface::DateTimeTypes::E_0_24;
    signalInterface::DateTimeTypes::DateFormat m_dateFormat =
        signalInterface::DateTimeTypes::E_yymmdd;
    signalInterface::VariantTypes::ProductType m_productType = signalInterface::VariantTypes::E_PC;
    signalInterface::VariantTypes::Brand m_brand = signalInterface::VariantTypes::E_vaho;
    int m_bathTime = 30;
    int m_bathTimeLimit = 360;
    int m_targetHumidity = 0;
    int m_targetTemperature = 450;
    std::optional<int> m_temperature;
    signalInterface::SmartStartTypes::SmartStartParameters m_smartStart;
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    bool m_notAllowedStartEnabled = false;
    QTime m_notAllowedStartFrom;
    QTime m_notAllowedStartUntil;
    CreatedItemWatch<signalInterface::CalendarProgram> m_requestWatch;
};

} // namespace control::details
