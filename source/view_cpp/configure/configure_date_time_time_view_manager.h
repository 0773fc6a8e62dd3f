#pragma once

#include "signal_interface/date_time_types.h"
#include "signal_interface/language_types.h"
#include "value/time_value_manager.h"
#include "view_cpp/configure/configure_date_time_clock_view_manager_base.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace view {

// The Time settings screen: a row with the sauna's clock that opens the time editor, and the
// choice between the 24-hour and the AM/PM format. The editor changes only the time of day; a
// commit sends it on the sauna's reported date. Without a valid reported date nothing is sent:
// a made-up date would set the sauna's clock wrong. The time is then held for the Date screen,
// whose commit sends it with the date the user sets.
class ConfigureDateTimeTimeViewManager : public ConfigureDateTimeClockViewManagerBase
{
    Q_OBJECT

public:
    // Application ids of the rows; the format rows carry their TimeFormat value.
    static constexpr int timeRowId = -2;

    explicit ConfigureDateTimeTimeViewManager(QObject *parent);

    value::TimeValueManager *timeEditor() { return &m_timeEditor; }

    // "configureDateTimeSelector": visibility, the initial-setup entry and row taps.
    int connectToView(const QList<QObject *> &senders);
    // "setTimeSelector": the commit, then the steppers to the editor.
    int connectToSetTimeView(const QList<QObject *> &senders);
    // "setTimeSelectorInitialSetup": only the steppers; that page has no commit.
    int connectToInitialSetupTimeView(const QList<QObject *> &senders);
    // The time controller's format and system-time reports, also the editor's format.
    int connectTimeSignals(const QList<QObject *> &senders);

signals:
    void timeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat format);
    void setSystemTimeRequested(QDateTime dateTime);
    // The time of day the next date commit is to send; a null time once nothing is held.
    void heldTimeChanged(QTime time);

public slots:
    void onTimeViewVisibleChanged(bool visible);
    void onSystemTimeFormattedChanged(QString date, QString time, QString amPm);
    void onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSetTimeInitialSetupSelected();
    void onTimeRowItemSelected(int id);
    void onSetTimeCommit();

private:
    void refresh();
    void setEditorDay(const QDateTime &day);
    // The editor holds the sauna's time as opening it gives it.
    void loadReportedTime();
    void clockReported() override;

    value::TimeValueManager m_timeEditor;
    // What the editor held after it was last loaded from the sauna's clock; none while it holds
    // the initial-setup start.
    std::optional<QDateTime> m_loadedTime;
    QString m_timeText;
    QString m_amPmText;
    ::signalInterface::DateTimeTypes::TimeFormat m_timeFormat =
        ::signalInterface::DateTimeTypes::E_0_24;
};

} // namespace view
