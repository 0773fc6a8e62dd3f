#pragma once

#include "signal_interface/language_types.h"
#include "value/time_value_manager.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QDate>
#include <QList>
#include <QPointer>
#include <QTime>

namespace view {

// The daily period in which the sauna must not be started: a switch and the times "From" and
// "Until". The screen edits a copy, taken from the sauna's last reports when it is shown with no
// edit open, and sends all three values together when the edit is completed. The copy outlives
// hiding the page under a time editor, so the time editors can be opened and left without losing
// it; leaving the page by Back or Save ends it. While a part of the copy holds what the sauna
// last reported (the user has not changed it, or changed it back), it follows the sauna's
// reports.
class ConfigureLimitsNotAllowedStartViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT
    // Whether the edit holds both times, which the sauna takes only together with the switch:
    // until then completing the edit sends nothing.
    Q_PROPERTY(bool periodKnown READ periodKnown NOTIFY periodKnownChanged)

public:
    explicit ConfigureLimitsNotAllowedStartViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    value::TimeValueManager *fromTimeManager() { return &m_fromTime; }
    value::TimeValueManager *untilTimeManager() { return &m_untilTime; }
    bool periodKnown() const { return m_edit.from.isValid() && m_edit.until.isValid(); }

    int connectToView(const QList<QObject *> &senders);
    int connectFromTimeManagerToView(const QList<QObject *> &senders);
    int connectUntilTimeManagerToView(const QList<QObject *> &senders);
    // The time-format sources, to both time editors.
    int connectToTimeController(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;
    // Both editors at 00:00 of the reference date.
    void initializeView();

signals:
    void periodKnownChanged();
    void notAllowedStartEnableChangeRequested(bool enable);
    void notAllowedStartFromTimeChangeRequested(QTime time);
    void notAllowedStartUntilTimeChangeRequested(QTime time);

public slots:
    void onAllowedStartViewVisibleChanged(bool visible);
    void onToggleChanged(int id, bool shown);
    void onRowItemSelected(int id);
    void onSaunaNotAllowedStartEnableChanged(bool enabled);
    void onSaunaNotAllowedStartFromTimeChanged(QTime time);
    void onSaunaNotAllowedStartUntilTimeChanged(QTime time);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onNotAllowedStartEditCompleted();
    void onNotAllowedStartFromSaved();
    void onNotAllowedStartUntilSaved();
    // The period was the former sauna's: an open edit of it goes too.
    void onSaunaReplaced() override;

private:
    struct Period
    {
        bool enabled = false;
        // Invalid until the sauna reports them.
        QTime from;
        QTime until;
    };

    // The one date the time editors ever see.
    static QDate referenceDate() { return QDate(2013, 6, 25); }
    static QDateTime onReferenceDate(const QTime &time);
    // A time editor follows its part of the copy as a settings editor follows the sauna: it
    // takes every change of the part until the user steps it.
    using TimeEditor = ReportedEditorValue<value::TimeValueManager, QTime>;

    void rebuildList();
    void refreshTexts();
    // The time the user stepped to into the copy's field; an editor left as it was given the
    // field's time, or stepped away and back, changes nothing.
    void takeEditedTime(const TimeEditor &editor, const value::TimeValueManager &manager,
                        QTime &time);
    // A reported time into a part of the copy that held the former report, and into its editor.
    void followReport(TimeEditor &editor, QTime &edited, QTime &reported, const QTime &time);
    static void openTimeEditor(TimeEditor &editor, const QTime &time);
    static void load(value::TimeValueManager &manager, const QTime &time);
    static QString timeText(const QTime &time, const value::TimeValueManager &editor);

    ListModel m_model;
    value::TimeValueManager m_fromTime;
    value::TimeValueManager m_untilTime;
    QPointer<ToggleStandardItem> m_toggleRow;
    QPointer<RowItem> m_fromRow;
    QPointer<RowItem> m_untilRow;
    TimeEditor m_fromEditor;
    TimeEditor m_untilEditor;

    bool m_editing = false;
    // A time editor was chosen: the page hides under it, and the edit goes on.
    bool m_inTimeEditor = false;
    Period m_reported;
    Period m_edit;
    // What periodKnownChanged last told.
    bool m_toldPeriodKnown = false;
};

} // namespace view
