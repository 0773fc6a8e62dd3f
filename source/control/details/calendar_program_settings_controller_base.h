#pragma once

#include "control/details/panel_questions.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/language_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <optional>

namespace value {
class DurationManagerMostSignificantComponentHour;
class HumidityValueManager;
class TemperatureValueManager;
class TimeValueManager;
} // namespace value

namespace view {
class ListModel;
}

namespace control::details {

class CalendarDataProvider;
class CalendarProgramSettingsFavoriteModel;
class TemperatureHumidityPair;

// Edits one calendar program (date or weekday) on the program settings page: start time and mode,
// a favorite or own temperature and humidity, stop-after time and bath or standby mode. A save or
// a delete goes to the sauna as a request; the overviews show the program once the sauna reports
// it.
class CalendarProgramSettingsControllerBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool editing READ editing NOTIFY editStateChanged)
    Q_PROPERTY(bool newProgram READ newProgram NOTIFY editStateChanged)
    Q_PROPERTY(QString programTitle READ programTitle NOTIFY editStateChanged)
    Q_PROPERTY(bool readyAtMode READ readyAtMode NOTIFY editedProgramChanged)
    Q_PROPERTY(bool savable READ savable NOTIFY editedProgramChanged)

public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;

    // Application ids of the rows of the settings model.
    enum SettingsRow : int {
        E_startRow = 0,
        E_settingsRow = 1,
        E_stopAfterRow = 2,
        E_bathModeRow = 3,
        E_standbyModeRow = 4,
        // The heading of the two mode rows; no choice of its own.
        E_modeHeadingRow = 5,
    };
    // Application ids of the rows of the custom settings model.
    enum CustomRow : int {
        E_customTemperatureRow = 0,
        E_customHumidityRow = 1,
        E_customStopAfterRow = 2,
    };

    ~CalendarProgramSettingsControllerBase() override;

    view::ListModel *settingsModel() const { return m_settingsModel; }
    value::TimeValueManager *readyAtManager() const { return m_readyAtManager; }
    value::TemperatureValueManager *customTemperatureManager() const
    {
        return m_customTemperatureManager;
    }
    value::HumidityValueManager *customHumidityManager() const { return m_customHumidityManager; }
    view::ListModel *customStopAfterModel() const { return m_customStopAfterModel; }
    value::DurationManagerMostSignificantComponentHour *customStopAfterManager() const
    {
        return m_customStopAfterManager;
    }

    // Each returns the number of connects that failed.
    int connectProgramSettingsView(const QList<QObject *> &senders);
    int connectActivationTimeView(const QList<QObject *> &senders);
    int connectCustomTemperatureView(const QList<QObject *> &senders);
    int connectCustomHumidityView(const QList<QObject *> &senders);
    int connectStopAfterView(const QList<QObject *> &senders);
    int connectTimeFormatChanged(const QList<QObject *> &senders);
    int connectProgramEditSignals(const QList<QObject *> &senders);
    int connectTemperatureUnitChanged(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    bool editing() const { return m_editing; }
    bool newProgram() const { return m_editing && m_newProgram; }
    QString programTitle() const;
    // Whether the edited program names the time the sauna is ready (rather than starts).
    bool readyAtMode() const
    {
        return m_edited.startMode == signalInterface::CalendarTypes::E_ready_at;
    }
    // Whether Save can send the program as edited: not while its stop time reads "--", which the
    // sauna takes for none.
    bool savable() const;
    // The program as edited so far.
    const signalInterface::CalendarProgram &editedProgram() const { return m_edited; }
    bool weekdayPrograms() const { return m_weekdayPrograms; }

signals:
    void calendarProgramChangeRequested(::signalInterface::CalendarProgram program);
    void calendarProgramEditCompleted();
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);
    void editStateChanged();
    void editedProgramChanged();

public slots:
    void onRowItemSelected(int row);
    void onRowItemBtnSelected(int row);
    // Cancel drops the edit; Back first asks whether to save changes not saved.
    void onCalendarProgramSettingsEditCancelRequested();
    void onCalendarProgramSettingsEditBackRequested();
    void onCalendarProgramSettingsEditDeleteRequested();
    void onCalendarProgramSettingsEditSaveRequested();
    void onCalendarFavoriteSelected(int row);
    void onCalendarProgramSettingsCustomCommit();
    void onCustomRowItemSelected(int row);
    void onActivationTimeCommit();
    void onStopAfterCommit();
    void onCalendarProgramCancelled();
    void onCalendarProgramEditActivated(::signalInterface::CalendarProgram program);
    void onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram program);
    void onSaunaEnableStandbyChanged(bool enabled);
    void onSaunaLowerTemperatureLimitChanged(int temperature);
    void onSaunaUpperTemperatureLimitChanged(int temperature);
    void onSaunaHumiditySensorStatusChanged(bool working);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

protected:
    CalendarProgramSettingsControllerBase(QObject *parent, CalendarDataProvider *dataProvider,
                                          CalendarProgramSettingsFavoriteModel *favoriteModel,
                                          bool weekdayPrograms);

private:
    void onDeleteAnswered(const Answer &answer, const signalInterface::CalendarProgram &program);
    void onSaveAnswered(const Answer &answer, const signalInterface::CalendarProgram &program);
    void onSaveChangesAnswered(const Answer &answer,
                               const signalInterface::CalendarProgram &program);

    // Edits the program from here on: the one place that opens an edit, as the overview hands
    // a program over and as the sauna's report takes over an open one, so both get one rule for a
    // program without a start.
    void beginEdit(const signalInterface::CalendarProgram &program);
    void loadEditors();
    // Opens the stop-time editor on the program's stop time; one that no bath can have opens it
    // where a new program's stands, so that the editor can always give the program one.
    void openStopAfterEditor();
    // A program whose favorite is not stored (deleted here or at another panel) shows its own
    // settings under "Custom": it takes them, so that what is saved is what is shown.
    void takeShownSettings(signalInterface::CalendarProgram &program) const;
    // The program in the edit's slot, which a question about it is asked about; none for a new
    // program.
    std::optional<signalInterface::CalendarProgram> askedAbout() const;
    // Whether the program's slot holds it as it is, its flag aside: a question's Yes is carried
    // out only so.
    bool holds(const signalInterface::CalendarProgram &program) const;
    // What a pending question asked about, as it stands when it is answered: in the slot the
    // edit moved to, with the settings its rows show.
    signalInterface::CalendarProgram
    answeredProgram(const signalInterface::CalendarProgram &asked) const;
    // The favorites changed: an open edit takes what its rows show.
    void onFavoritesChanged();
    // Requests a program of this kind just created, whose slot another panel's program took, in
    // the first free slot, or tells that no slot is free.
    void createAgain(signalInterface::CalendarProgram program);
    // Moves the edit of a new program whose slot was taken to the first free slot, or ends it
    // and tells that no slot is free; false then.
    bool moveNewProgram();
    void tellNoFreeSlot();
    void tellEditedElsewhere();
    // An open edit of a former sauna's program ends.
    void forgetSauna();
    void refreshRows();
    void endEdit();
    void requestSave(const signalInterface::CalendarProgram &program);
    // The question to ask before saving, if any; it names the message to raise.
    bool saveQuestion(const signalInterface::CalendarProgram &program,
                      signalInterface::UserMessageTypes::UserMessage &question) const;
    QDateTime nextStart(const signalInterface::CalendarProgram &program) const;
    quint32 effectiveTemperature(const signalInterface::CalendarProgram &program) const;
    QString settingsText() const;
    // Whether the sauna controls humidity: without it the custom settings offer no humidity.
    bool controlsHumidity() const;
    void issueMessage(const signalInterface::UserMessageTypes::UserMessage &message,
                      signalInterface::UserMessageAction *action = nullptr);

    CalendarDataProvider *m_dataProvider;
    CalendarProgramSettingsFavoriteModel *m_favoriteModel;
    const bool m_weekdayPrograms;

    view::ListModel *m_settingsModel;
    view::ListModel *m_customStopAfterModel;
    value::TimeValueManager *m_readyAtManager;
    value::TemperatureValueManager *m_customTemperatureManager;
    value::HumidityValueManager *m_customHumidityManager;
    // Keeps the program's own temperature and humidity within the limit tables.
    TemperatureHumidityPair *m_customPair;
    value::DurationManagerMostSignificantComponentHour *m_customStopAfterManager;

    using ProgramQuestion =
        SlotQuestion<CalendarProgramSettingsControllerBase, signalInterface::CalendarProgram>;
    ProgramQuestion m_deleteCallback;
    ProgramQuestion m_saveCallback;
    ProgramQuestion m_saveChangesCallback;

    bool m_editing = false;
    bool m_newProgram = false;
    bool m_standbyEnabled = true;
    signalInterface::CalendarProgram m_edited;
    // The program as it was when the edit began, or as the sauna last reported it since.
    signalInterface::CalendarProgram m_original;
    // The program as the edit began or was last taken over: Back asks only after a change.
    signalInterface::CalendarProgram m_unchanged;
};

} // namespace control::details
