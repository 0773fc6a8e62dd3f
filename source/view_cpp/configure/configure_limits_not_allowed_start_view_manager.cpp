#include "view_cpp/configure/configure_limits_not_allowed_start_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

#include <vector>

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureLimitsNotAllowedStartViewManager::ConfigureLimitsNotAllowedStartViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_fromTime(this)
    , m_untilTime(this)
    , m_fromEditor(m_fromTime, load)
    , m_untilEditor(m_untilTime, load)
{
    for (value::TimeValueManager *manager : {&m_fromTime, &m_untilTime}) {
        manager->setComponentWrap(true);
        manager->setLowerLimit(onReferenceDate(QTime(0, 0)));
        manager->setUpperLimit(onReferenceDate(QTime(23, 59)));
    }
}

QDateTime ConfigureLimitsNotAllowedStartViewManager::onReferenceDate(const QTime &time)
{
    return QDateTime(referenceDate(), time);
}

int ConfigureLimitsNotAllowedStartViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(allowedStartViewVisibleChanged(bool)),
          SLOT(onAllowedStartViewVisibleChanged(bool))},
         {SIGNAL(toggleChanged(int, bool)), SLOT(onToggleChanged(int, bool))},
         {SIGNAL(rowItemSelected(int)), SLOT(onRowItemSelected(int))},
         {SIGNAL(notAllowedStartEditCompleted()), SLOT(onNotAllowedStartEditCompleted())},
         {SIGNAL(notAllowedStartFromSaved()), SLOT(onNotAllowedStartFromSaved())},
         {SIGNAL(notAllowedStartUntilSaved()), SLOT(onNotAllowedStartUntilSaved())}});
}

int ConfigureLimitsNotAllowedStartViewManager::connectFromTimeManagerToView(
    const QList<QObject *> &senders)
{
    return m_fromTime.connectChangeRequests(senders);
}

int ConfigureLimitsNotAllowedStartViewManager::connectUntilTimeManagerToView(
    const QList<QObject *> &senders)
{
    return m_untilTime.connectChangeRequests(senders);
}

int ConfigureLimitsNotAllowedStartViewManager::connectToTimeController(
    const QList<QObject *> &senders)
{
    return m_fromTime.connectFormatSources(senders) + m_untilTime.connectFormatSources(senders);
}

int ConfigureLimitsNotAllowedStartViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(saunaNotAllowedStartEnableChanged(bool)),
                                             SLOT(onSaunaNotAllowedStartEnableChanged(bool))},
                                            {SIGNAL(saunaNotAllowedStartFromTimeChanged(QTime)),
                                             SLOT(onSaunaNotAllowedStartFromTimeChanged(QTime))},
                                            {SIGNAL(saunaNotAllowedStartUntilTimeChanged(QTime)),
                                             SLOT(onSaunaNotAllowedStartUntilTimeChanged(QTime))}});
}

void ConfigureLimitsNotAllowedStartViewManager::initializeView()
{
    m_fromTime.setValue(onReferenceDate(QTime(0, 0)));
    m_untilTime.setValue(onReferenceDate(QTime(0, 0)));
}

void ConfigureLimitsNotAllowedStartViewManager::onAllowedStartViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_model.clear();
        // A page hidden under a time editor keeps its edit; one left by Back or Save ends it,
        // so that the next opening starts from what the sauna reports.
        if (!m_inTimeEditor)
            m_editing = false;
        return;
    }
    m_inTimeEditor = false;
    if (!m_editing)
        m_edit = m_reported;
    m_editing = true;
    openTimeEditor(m_fromEditor, m_edit.from);
    openTimeEditor(m_untilEditor, m_edit.until);
    rebuildList();
}

void ConfigureLimitsNotAllowedStartViewManager::rebuildList()
{
    m_model.clear();
    m_toggleRow = new ToggleStandardItem(ConfigureTypes::E_notAllowedStartDisable, m_edit.enabled);
    m_fromRow = new RowItem(rowType::onlySubmenu, 0, rowLayoutType::multiple);
    m_fromRow->setApplId(ConfigureTypes::E_notAllowedStartFrom);
    m_untilRow = new RowItem(rowType::onlySubmenu, 0, rowLayoutType::multiple);
    m_untilRow->setApplId(ConfigureTypes::E_notAllowedStartUntil);
    m_model.appendItem(m_toggleRow);
    m_model.appendItem(m_fromRow);
    m_model.appendItem(m_untilRow);
    // The switch stands apart; the two times form one group.
    updateLayoutOrder(std::vector<ListItem *>{m_fromRow.data(), m_untilRow.data()});
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::refreshTexts()
{
    // Every change of the edit shows here, so Save follows it from here too.
    if (periodKnown() != m_toldPeriodKnown) {
        m_toldPeriodKnown = periodKnown();
        emit periodKnownChanged();
    }
    if (m_toggleRow) {
        m_toggleRow->setValue2(m_edit.enabled);
        m_toggleRow->setValue(tr("Activate time limit"));
    }
    if (m_fromRow) {
        m_fromRow->setTextOnSubMenu(tr("From"));
        m_fromRow->setData(timeText(m_edit.from, m_fromTime), RowItem::TextValue1Role);
    }
    if (m_untilRow) {
        m_untilRow->setTextOnSubMenu(tr("Until"));
        m_untilRow->setData(timeText(m_edit.until, m_untilTime), RowItem::TextValue1Role);
    }
}

void ConfigureLimitsNotAllowedStartViewManager::onToggleChanged(int id, bool shown)
{
    if (id != ConfigureTypes::E_notAllowedStartDisable)
        return;
    // A local edit: the switch moves at once and is sent with the rest on completion.
    m_edit.enabled = requestedFromShown(shown);
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::onRowItemSelected(int id)
{
    if (id == ConfigureTypes::E_notAllowedStartFrom) {
        m_inTimeEditor = true;
        openTimeEditor(m_fromEditor, m_edit.from);
        emit editSelected(id);
        // A page that opens on editSelected learns the time it edits.
        m_fromTime.emitFormattedValue();
        m_fromTime.emitLimitsReached();
    } else if (id == ConfigureTypes::E_notAllowedStartUntil) {
        m_inTimeEditor = true;
        openTimeEditor(m_untilEditor, m_edit.until);
        emit editSelected(id);
        m_untilTime.emitFormattedValue();
        m_untilTime.emitLimitsReached();
    }
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartEnableChanged(bool enabled)
{
    // An open edit takes every report of a part that holds the sauna's former report, the
    // switch as well as the times: a part tapped or stepped away and back is no change.
    const bool follows = m_edit.enabled == m_reported.enabled;
    m_reported.enabled = enabled;
    if (m_editing && follows) {
        m_edit.enabled = enabled;
        refreshTexts();
    }
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartFromTimeChanged(QTime time)
{
    if (!time.isValid())
        return;
    followReport(m_fromEditor, m_edit.from, m_reported.from, time);
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartUntilTimeChanged(QTime time)
{
    if (!time.isValid())
        return;
    followReport(m_untilEditor, m_edit.until, m_reported.until, time);
}

void ConfigureLimitsNotAllowedStartViewManager::followReport(TimeEditor &editor, QTime &edited,
                                                             QTime &reported, const QTime &time)
{
    const bool follows = edited == reported;
    reported = time;
    if (!m_editing || !follows)
        return;
    edited = time;
    // Its time editor follows too, unless the user stepped it: a time stepped to stands until
    // the editor is saved or left.
    editor.report(time);
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::openTimeEditor(TimeEditor &editor,
                                                               const QTime &time)
{
    editor.store(time);
    editor.open();
}

void ConfigureLimitsNotAllowedStartViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::onNotAllowedStartEditCompleted()
{
    m_editing = false;
    // The sauna takes the switch and both times together: nothing goes before it has told them.
    if (!periodKnown())
        return;
    emit notAllowedStartEnableChangeRequested(m_edit.enabled);
    emit notAllowedStartFromTimeChangeRequested(m_edit.from);
    emit notAllowedStartUntilTimeChangeRequested(m_edit.until);
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaReplaced()
{
    m_reported = Period();
    m_edit = Period();
    // An edit left open takes the new sauna's reports, every part of it, and so do its editors.
    m_fromEditor.forget();
    m_untilEditor.forget();
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::load(value::TimeValueManager &manager,
                                                     const QTime &time)
{
    if (time.isValid())
        manager.setValue(onReferenceDate(time));
    else
        manager.clearValue();
}

QString ConfigureLimitsNotAllowedStartViewManager::timeText(const QTime &time,
                                                            const value::TimeValueManager &editor)
{
    // Each time in the format of its own editor.
    return time.isValid() ? LanguageSupport::timeText(time, editor.timeFormat())
                          : QStringLiteral("--");
}

void ConfigureLimitsNotAllowedStartViewManager::onNotAllowedStartFromSaved()
{
    takeEditedTime(m_fromEditor, m_fromTime, m_edit.from);
}

void ConfigureLimitsNotAllowedStartViewManager::onNotAllowedStartUntilSaved()
{
    takeEditedTime(m_untilEditor, m_untilTime, m_edit.until);
}

void ConfigureLimitsNotAllowedStartViewManager::takeEditedTime(
    const TimeEditor &editor, const value::TimeValueManager &manager, QTime &time)
{
    // The copy's own time may have followed the sauna while the user stepped away and back.
    if (editor.untouched())
        return;
    time = manager.value().time();
    refreshTexts();
}

} // namespace view
