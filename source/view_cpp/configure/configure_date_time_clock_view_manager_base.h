#pragma once

#include "signal_interface/sender_connections.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

namespace view {

class RowItem;
class TextItem;

// What the Date and the Time screens share: a list with a row of the sauna's clock that opens
// the editor, a heading and the check-mark rows of a format choice; and the sauna's last
// reported date-time with the validity of its date and of its time. The screens keep their
// texts (tr() in their own context) and the editor.
class ConfigureDateTimeClockViewManagerBase : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    ListModel *model() { return &m_model; }
    // The last reported date-time whose date and time were both valid; null before one came.
    QDateTime systemTime() const { return m_systemTime; }

    // Empties the list.
    void clear();

public slots:
    void onSystemTimeDetailsChanged(QDateTime dateTime, bool dateValid, bool timeValid);

protected:
    // The format rows carry the format values as application ids, in this order.
    ConfigureDateTimeClockViewManagerBase(QObject *parent, std::vector<int> formats);

    // The time controller's format report on the given route, then its formatted and detailed
    // system time; returns the number of failed connections.
    int connectClockReports(const QList<QObject *> &senders, signalInterface::SignalRoute format);

    // Empties the list and, when visible, fills it: the clock row (application id clockRowId)
    // and the heading unless only the formats are wanted, then the format rows.
    void rebuildRows(bool visible, bool withClock, int clockRowId);
    // Texts of the rows that exist: the clock row's title and value, the heading, and one text
    // per format row in order; the mark sits on the row of the checked format.
    void showTexts(const QString &clockTitle, const QString &clockValue, const QString &heading,
                   const QStringList &formatTexts, int checkedFormat);

    // Called after each report has been kept: an editor that still holds what the last report
    // gave it follows the new one.
    virtual void clockReported() {}

    // The last report as it came, with its flags: the date may be valid while the time is not.
    QDateTime m_reported;
    bool m_reportedDateValid = false;
    bool m_reportedTimeValid = false;

private:
    ListModel m_model;
    QDateTime m_systemTime;
    const std::vector<int> m_formats;
    QPointer<RowItem> m_clockRow;
    QPointer<TextItem> m_heading;
    std::vector<QPointer<RowItem>> m_formatRows;
};

} // namespace view
