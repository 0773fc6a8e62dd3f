#pragma once

#include "signal_interface/date_time_types.h"
#include "signal_interface/language_types.h"
#include "value/date_value_manager.h"
#include "view_cpp/configure/configure_date_time_clock_view_manager_base.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace view {

// The Date settings screen: a row with the sauna's date that opens the date editor, and the
// choice of date format. A commit sends the edited date with the time the Time screen held for
// it, else the sauna's reported time of day, or 00:00 where the sauna has no valid time; never
// an invalid date-time. A held time belongs to the sauna it was set for: it is forgotten when the
// connection ends or another sauna takes over.
class ConfigureDateTimeDateViewManager : public ConfigureDateTimeClockViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int dateRowId = -1;

    explicit ConfigureDateTimeDateViewManager(QObject *parent);

    value::DateValueManager *dateEditor() { return &m_dateEditor; }

    // "configureDateTimeSelector": visibility and row taps.
    int connectToView(const QList<QObject *> &senders);
    // "setDateSelector" and "setDateSelectorInitialSetup": the commit, then the steppers.
    int connectToSetDateView(const QList<QObject *> &senders);
    // The time controller's format and system-time reports, also the editor's format.
    int connectTimeSignals(const QList<QObject *> &senders);
    // The link's connectedChanged(bool): the end of the connection forgets the held time.
    int connectLinkSignals(const QList<QObject *> &senders);

signals:
    void dateFormatSelected(::signalInterface::DateTimeTypes::DateFormat format);
    void setSystemTimeRequested(QDateTime dateTime);

public slots:
    void onDateViewVisibleChanged(bool visible, bool formatsOnly);
    void onSystemTimeFormattedChanged(QString date, QString time, QString amPm);
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onDateRowItemSelected(int id);
    void onSetDateCommit();
    // The Time screen's time that found no sauna date to go with; a null time drops it.
    void onHeldTimeChanged(QTime time);
    void onConnectedChanged(bool connected);
    void onSaunaReplaced() override;

private:
    void refresh();
    // The editor holds the sauna's date as opening it gives it.
    void loadReportedDate();
    void clockReported() override;

    value::DateValueManager m_dateEditor;
    // What the editor held after it was last loaded from the sauna's clock.
    std::optional<QDate> m_loadedDate;
    QTime m_heldTime;
    QString m_dateText;
    ::signalInterface::DateTimeTypes::DateFormat m_dateFormat =
        ::signalInterface::DateTimeTypes::E_yymmdd;
};

} // namespace view
