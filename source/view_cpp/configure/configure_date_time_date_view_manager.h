#pragma once

#include "signal_interface/date_time_types.h"
#include "signal_interface/language_types.h"
#include "value/date_value_manager.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QString>

namespace view {

class RowItem;
class TextItem;

// The Date settings screen: a row with the sauna's date that opens the date editor, and the
// choice of date format. A commit sends the edited date with the time the Time screen held for
// it, else the sauna's reported time of day, or 00:00 where the sauna has no valid time; never
// an invalid date-time.
class ConfigureDateTimeDateViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT
    // The row of the sauna's date, which the page does not show while no sauna is connected.
    Q_PROPERTY(int clockRowId READ clockRowId CONSTANT)

public:
    static constexpr int dateRowId = -1;

    explicit ConfigureDateTimeDateViewManager(QObject *parent);

    static int clockRowId() { return dateRowId; }
    ListModel *model() { return &m_model; }
    value::DateValueManager *dateEditor() { return &m_dateEditor; }
    // The last reported date-time whose date and time were both valid; null before one came.
    QDateTime systemTime() const { return m_systemTime; }

    // "configureDateTimeSelector": visibility and row taps.
    int connectToView(const QList<QObject *> &senders);
    // "setDateSelector" and "setDateSelectorInitialSetup": the commit, then the steppers.
    int connectToSetDateView(const QList<QObject *> &senders);
    // The time controller's format and system-time reports, also the editor's format.
    int connectTimeSignals(const QList<QObject *> &senders);

    // Empties the list.
    void clear();

signals:
    void dateFormatSelected(::signalInterface::DateTimeTypes::DateFormat format);
    void setSystemTimeRequested(QDateTime dateTime);

public slots:
    void onDateViewVisibleChanged(bool visible, bool formatsOnly);
    void onSystemTimeDetailsChanged(QDateTime dateTime, bool dateValid, bool timeValid);
    void onSystemTimeFormattedChanged(QString date, QString time, QString amPm);
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onDateRowItemSelected(int id);
    void onSetDateCommit();
    // The Time screen's time that found no sauna date to go with; a null time drops it.
    void onHeldTimeChanged(QTime time);

private:
    void refresh();

    ListModel m_model;
    value::DateValueManager m_dateEditor;
    QDateTime m_systemTime;
    QDateTime m_reported;
    bool m_reportedDateValid = false;
    bool m_reportedTimeValid = false;
    QTime m_heldTime;
    QString m_dateText;
    ::signalInterface::DateTimeTypes::DateFormat m_dateFormat =
        ::signalInterface::DateTimeTypes::E_yymmdd;
    QPointer<RowItem> m_dateRow;
    QPointer<TextItem> m_heading;
    QPointer<RowItem> m_yymmddRow;
    QPointer<RowItem> m_ddmmyyRow;
    QPointer<RowItem> m_mmddyyRow;
};

} // namespace view
