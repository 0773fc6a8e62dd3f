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
            endEdit();
        return;
    }
    m_inTimeEditor = false;
    if (!m_editing)
        m_edit = m_reported;
    m_editing = true;
    load(m_fromTime, m_edit.from);
    load(m_untilTime, m_edit.until);
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
    m_touched.enabled = true;
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::onRowItemSelected(int id)
{
    if (id == ConfigureTypes::E_notAllowedStartFrom) {
        m_inTimeEditor = true;
        load(m_fromTime, m_edit.from);
        emit editSelected(id);
        // A page that opens on editSelected learns the time it edits.
        m_fromTime.emitFormattedValue();
        m_fromTime.emitLimitsReached();
    } else if (id == ConfigureTypes::E_notAllowedStartUntil) {
        m_inTimeEditor = true;
        load(m_untilTime, m_edit.until);
        emit editSelected(id);
        m_untilTime.emitFormattedValue();
        m_untilTime.emitLimitsReached();
    }
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartEnableChanged(bool enabled)
{
    m_reported.enabled = enabled;
    // An open edit takes every report of a part the user has not changed, the switch as well
    // as the times.
    if (m_editing && !m_touched.enabled) {
        m_edit.enabled = enabled;
        refreshTexts();
    }
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartFromTimeChanged(QTime time)
{
    if (!time.isValid())
        return;
    m_reported.from = time;
    if (m_editing && !m_touched.from)
        followReport(m_fromTime, m_edit.from, time);
}

void ConfigureLimitsNotAllowedStartViewManager::onSaunaNotAllowedStartUntilTimeChanged(QTime time)
{
    if (!time.isValid())
        return;
    m_reported.until = time;
    if (m_editing && !m_touched.until)
        followReport(m_untilTime, m_edit.until, time);
}

void ConfigureLimitsNotAllowedStartViewManager::followReport(value::TimeValueManager &editor,
                                                             QTime &edited, const QTime &reported)
{
    // Its time editor follows too while it shows the edit's time, unstepped; a time the user
    // stepped to stands until the editor is saved or left.
    const bool editorUntouched = holds(editor, edited);
    edited = reported;
    if (editorUntouched)
        load(editor, reported);
    refreshTexts();
}

bool ConfigureLimitsNotAllowedStartViewManager::holds(const value::TimeValueManager &editor,
                                                      const QTime &time)
{
    return time.isValid() ? editor.value() == onReferenceDate(time) : !editor.hasValue();
}

void ConfigureLimitsNotAllowedStartViewManager::endEdit()
{
    m_editing = false;
    m_touched = Touched();
}

void ConfigureLimitsNotAllowedStartViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshTexts();
}

void ConfigureLimitsNotAllowedStartViewManager::onNotAllowedStartEditCompleted()
{
    endEdit();
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
    // An edit left open takes the new sauna's reports, every part of it.
    m_touched = Touched();
    m_fromTime.clearValue();
    m_untilTime.clearValue();
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
    takeEditedTime(m_fromTime, m_edit.from, m_touched.from);
}

void ConfigureLimitsNotAllowedStartViewManager::onNotAllowedStartUntilSaved()
{
    takeEditedTime(m_untilTime, m_edit.until, m_touched.until);
}

void ConfigureLimitsNotAllowedStartViewManager::takeEditedTime(
    const value::TimeValueManager &editor, QTime &time, bool &touched)
{
    const QDateTime edited = editor.value();
    if (!edited.isValid())
        return; // the editor never had a time: the copy keeps its own
    // Saving the time the copy already holds changes nothing: it goes on following the sauna.
    if (edited.time() != time)
        touched = true;
    time = edited.time();
    refreshTexts();
}

} // namespace view
