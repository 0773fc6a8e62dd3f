#include "view_cpp/configure/configure_system_cleanup_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/value_role_names.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;

namespace {
constexpr int minutesPerHour = 60;
} // namespace

ConfigureSystemCleanupViewManager::ConfigureSystemCleanupViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_timeManager(this)
    , m_intervalHours(m_timeManager, [](value::DurationManager &editor, const int &hours) {
        // In 64 bits: the hours of every interval the sauna can report, the limits decide.
        editor.setValue(qint64(hours) * value::DurationManager::millisecondsPerHour);
    })
{
    m_timeManager.setLowerLimitInMinutes(intervalLowerLimitMinutes);
    m_timeManager.setUpperLimitInMinutes(intervalUpperLimitMinutes);
    m_timeManager.setComponentSteps(intervalHourStep, 0, 0, 0);
}

int ConfigureSystemCleanupViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(cleanUpViewVisibleChanged(bool)), SLOT(onCleanUpViewVisibleChanged(bool))},
         {SIGNAL(cleanupTimeSelected(int)), SLOT(onCleanupTimeSelected(int))},
         {SIGNAL(cleanupTimeCommit()), SLOT(onCleanupTimeCommit())},
         {SIGNAL(cleanupToggleChanged(int, bool)), SLOT(onCleanupToggleChanged(int, bool))}});
}

int ConfigureSystemCleanupViewManager::connectTimeManagerToView(const QList<QObject *> &senders)
{
    return m_timeManager.connectChangeRequests(senders);
}

int ConfigureSystemCleanupViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaCleanupEnableChanged(bool)), SLOT(onSaunaCleanupEnableChanged(bool))},
         {SIGNAL(tankNotificationEnableChanged(bool)),
          SLOT(onTankNotificationEnabledChanged(bool))},
         {SIGNAL(saunaCleanupTotalChanged(int)), SLOT(onSaunaCleanupTotalChanged(int))},
         {SIGNAL(saunaCleanupBetweenTimeChanged(int)), SLOT(onSaunaCleanupBetweenTimeChanged(int))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))}});
}

void ConfigureSystemCleanupViewManager::onCleanUpViewVisibleChanged(bool visible)
{
    if (visible)
        rebuildList();
    else
        m_model.clear();
}

void ConfigureSystemCleanupViewManager::onCleanupTimeCommit()
{
    // Before the interval row was first chosen the editor holds nothing, and 0 hours lies below
    // its own limit: nothing is sent.
    if (!m_timeManager.value())
        return;
    emit cleanupTimeChangeRequest(m_timeManager.valueInMinutes() / minutesPerHour);
}

void ConfigureSystemCleanupViewManager::onCleanupTimeSelected(int id)
{
    if (id != ConfigureTypes::E_cleanup)
        return;
    m_intervalHours.open();
    emit editSelected(ConfigureTypes::E_cleanupTime);
}

void ConfigureSystemCleanupViewManager::onSaunaCleanupEnableChanged(bool enabled)
{
    m_cleanupEnabled = enabled;
    refreshTexts();
}

void ConfigureSystemCleanupViewManager::onTankNotificationEnabledChanged(bool enabled)
{
    m_tankNotificationEnabled = enabled;
    refreshTexts();
}

void ConfigureSystemCleanupViewManager::onSaunaCleanupTotalChanged(int total)
{
    m_total = total;
    refreshTexts();
}

void ConfigureSystemCleanupViewManager::onSaunaCleanupBetweenTimeChanged(int hours)
{
    m_intervalHours.report(hours);
    refreshTexts();
}

void ConfigureSystemCleanupViewManager::onSaunaMasterProductChanged(
    ::signalInterface::MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
    rebuildList();
}

void ConfigureSystemCleanupViewManager::onCleanupToggleChanged(int id, bool shown)
{
    if (id == ConfigureTypes::E_cleanupEnable)
        emit cleanupEnableChangeRequest(requestedFromShown(shown));
    else if (id == ConfigureTypes::E_tankNoticeEnable)
        emit cleanupTankNoticeChangeRequest(requestedFromShown(shown));
}

void ConfigureSystemCleanupViewManager::onSaunaReplaced()
{
    m_cleanupEnabled = cleanupEnabledAtStart;
    m_tankNotificationEnabled = false;
    m_intervalHours.forget();
    m_total.reset();
    m_product = MasterFuncDescTypes::E_unknown;
    if (m_model.rowCount() > 0)
        rebuildList();
}

bool ConfigureSystemCleanupViewManager::hasTankNotes() const
{
    return m_product == MasterFuncDescTypes::E_steam_manual_empty;
}

void ConfigureSystemCleanupViewManager::rebuildList()
{
    m_model.clear();

    auto *enable = new ToggleStandardItem(ConfigureTypes::E_cleanupEnable, m_cleanupEnabled);
    m_enableToggle = enable;
    m_model.appendItem(enable);

    auto *interval = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
    interval->setApplId(ConfigureTypes::E_cleanup);
    m_intervalRow = interval;
    m_model.appendItem(interval);

    if (hasTankNotes()) {
        auto *tankNotes =
            new ToggleStandardItem(ConfigureTypes::E_tankNoticeEnable, m_tankNotificationEnabled);
        m_tankNotesToggle = tankNotes;
        m_model.appendItem(tankNotes);
    }

    auto *count = new TextRowItem(QString(), false);
    count->setApplId(countRowId);
    m_countRow = count;
    m_model.appendItem(count);

    refreshTexts();
}

void ConfigureSystemCleanupViewManager::refreshTexts()
{
    if (!m_enableToggle.isNull()) {
        m_enableToggle->setValue(tr("Enable"));
        m_enableToggle->setValue2(m_cleanupEnabled);
    }
    if (!m_intervalRow.isNull()) {
        m_intervalRow->setTextOnSubMenu(tr("Time interval"));
        const std::optional<int> &hours = m_intervalHours.reported();
        m_intervalRow->setData(hours ? QString::number(*hours) + tr("h") : QStringLiteral("--"),
                               RowItem::TextValue1Role);
    }
    if (hasTankNotes() && !m_tankNotesToggle.isNull()) {
        m_tankNotesToggle->setValue(tr("Tank Empty Notes"));
        m_tankNotesToggle->setValue2(m_tankNotificationEnabled);
    }
    if (!m_countRow.isNull())
        m_countRow->setData(tr("Cleanup's until now: %1")
                                .arg(m_total ? QString::number(*m_total) : QStringLiteral("--")),
                            valueRoles::value);
}

} // namespace view
