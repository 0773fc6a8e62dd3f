#pragma once

#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

namespace view {
class ListModel;
}

namespace control::details {

class CalendarDataProvider;

// What the date and the weekday overviews share: the programs they read from the data provider,
// the first day of the week, the list of one day's programs with its last row that begins a new
// program, and opening a program for editing.
class CalendarProgramOverviewControllerBase : public QObject
{
    Q_OBJECT

public:
    // Application id of a day list's last row, which begins a new program.
    static constexpr int newProgramRowId = -1;

    ~CalendarProgramOverviewControllerBase() override;

    signalInterface::CalendarTypes::WeekDay weekStart() const { return m_weekStart; }

signals:
    void calendarProgramCancelled();
    void calendarProgramEditActivated(::signalInterface::CalendarProgram program);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

public slots:
    void onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    // Stores the reported program and shows the lists anew.
    void onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram program);
    // Day names and program rows are texts of the language: the lists are built anew.
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

protected:
    CalendarProgramOverviewControllerBase(QObject *parent, CalendarDataProvider *dataProvider);

    // Builds every list anew.
    virtual void rebuildLists() = 0;
    // Shows the lists with a new first day of the week.
    virtual void weekStartApplied() = 0;
    // Shows every text in the new language; by default every list is built anew.
    virtual void languageApplied();
    // A program was stored; by default every list is built anew.
    virtual void programStored();
    // The data provider forgot a former sauna's programs; by default as programStored().
    virtual void saunaDataCleared();

    // Appends a row for each program: its start time, its favorite (or custom settings) and
    // whether it heats for a bath or for standby.
    void appendProgramRows(view::ListModel *model,
                           const QList<signalInterface::CalendarProgram> &programs) const;
    // Opens a new program of the kind (kindText names it) starting at start in a free program
    // slot, or tells that no slot is free.
    void beginNewProgram(bool weekday, const QDateTime &start, const QString &kindText);

    CalendarDataProvider *const m_dataProvider;

private:
    signalInterface::CalendarTypes::WeekDay m_weekStart = signalInterface::CalendarTypes::E_monday;
};

} // namespace control::details
