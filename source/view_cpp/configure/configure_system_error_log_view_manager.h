#pragma once

#include "signal_interface/date_time_types.h"
#include "signal_interface/error_log_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>
#include <QString>

#include <array>

namespace view {

class RowItemPlain;

// The sauna system's error log: a copy of its 32 entries, reported one at a time, and one row
// per entry in use, newest first. A tap on a row shows the error's whole text; Clear asks the
// sauna to empty its log, and the rows go when the sauna reports the emptied entries.
class ConfigureSystemErrorLogViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int entryCount = 32;
    // A longer error name is cut to this many characters and "...".
    static constexpr int shownNameLength = 25;

    explicit ConfigureSystemErrorLogViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The time controller's date and time formats.
    int connectToTimeController(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void errorLogClearRequest();

public slots:
    void onErrorLogViewVisibleChanged(bool visible);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat format);
    void onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat format);
    void onSaunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem item);
    void onErrorLogClearSelected();
    void onErrorLogSelected(int code);
    // The log was the former sauna's: the list is empty until the new sauna reports its own.
    void onSaunaReplaced() override;

private:
    // The name shown for an error code: its message text, shortened when too long.
    static QString errorName(quint32 code);
    // As many rows as entries in use; rows are added or taken at the end.
    void adjustRowCount();
    void refreshRows();
    void fillRow(RowItemPlain &row, const ::signalInterface::ErrorLogTypes::ErrorLogItem &item);

    ::signalInterface::DateTimeTypes::DateFormat m_dateFormat =
        ::signalInterface::DateTimeTypes::E_yymmdd;
    ::signalInterface::DateTimeTypes::TimeFormat m_timeFormat =
        ::signalInterface::DateTimeTypes::E_0_24;
    std::array<::signalInterface::ErrorLogTypes::ErrorLogItem, entryCount> m_log;
    ListModel m_model;
    bool m_visible = false;
};

} // namespace view
