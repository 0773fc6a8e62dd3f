#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/component_types.h"
#include "view_cpp/configure/configure_system_aux_relay_store.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/divider_item.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/value_role_names.h"

#include <algorithm>

namespace view {

using ::signalInterface::AuxiliaryRelayTypes;
using ::signalInterface::CalendarTypes;
using ::signalInterface::ConfigureTypes;

namespace {

QString unknownText()
{
    return QStringLiteral("--");
}

void setRowText(RowItem *row, const QString &label, const QString &value)
{
    if (row == nullptr)
        return;
    row->setTextOnSubMenu(label);
    row->setData(value, RowItem::TextValue2Role);
}
} // namespace

const std::vector<int> &ConfigureSystemAuxDescalingViewManager::repeatHours()
{
    static const std::vector<int> hours{168, 336, 504, 672};
    return hours;
}

ConfigureSystemAuxDescalingViewManager::ConfigureSystemAuxDescalingViewManager(
    const AuxRelayStore *store, QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_store(store)
    , m_settingsModel(StepperControllerItem::roleNames(), this)
    , m_weekdayModel(StepperControllerItem::roleNames(), this)
    , m_repeatModel(StepperControllerItem::roleNames(), this)
    , m_startTimeManager(this)
    , m_durationManager(this)
    , m_dosageManager(this)
{
    m_startTimeManager.setComponentWrap(true);
    m_startTimeManager.setLowerLimit(QDateTime(editorDate(), QTime(0, 0)));
    m_startTimeManager.setUpperLimit(QDateTime(editorDate(), QTime(23, 59)));
    m_durationManager.setLowerLimitInMinutes(durationLowerLimitMinutes);
    m_durationManager.setUpperLimitInMinutes(durationUpperLimitMinutes);
    m_dosageManager.setLowerLimit(dosageLowerLimit);
    m_dosageManager.setUpperLimit(dosageUpperLimit);
    m_dosageManager.setStep(dosageStep);
}

int ConfigureSystemAuxDescalingViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(auxDescalingSettingsCommit()), SLOT(onAuxDescalingSettingsCommit())},
         {SIGNAL(auxDescalingViewVisibleChanged(bool)),
          SLOT(onAuxDescalingViewVisibleChanged(bool))},
         {SIGNAL(auxDescalingToggleChanged(int, bool)),
          SLOT(onAuxDescalingToggleChanged(int, bool))},
         {SIGNAL(auxDescalingSettingSelected(int)), SLOT(onAuxDescalingSettingSelected(int))},
         {SIGNAL(auxDescalingStartTimeCommit()), SLOT(onAuxDescalingStartTimeCommit())},
         {SIGNAL(auxDescalingDurationCommit()), SLOT(onAuxDescalingDurationCommit())},
         {SIGNAL(auxDescalingDosageCommit()), SLOT(onAuxDescalingDosageCommit())},
         {SIGNAL(auxDescalingWeekdaySettingsSelected(int)),
          SLOT(onAuxDescalingWeekdaySettingsSelected(int))},
         {SIGNAL(auxDescalingWeekdayRepeatSelected(int)),
          SLOT(onAuxDescalingWeekdayRepeatSelected(int))}});
}

int ConfigureSystemAuxDescalingViewManager::connectStartTimeManagerToView(
    const QList<QObject *> &senders)
{
    return m_startTimeManager.connectChangeRequests(senders);
}

int ConfigureSystemAuxDescalingViewManager::connectDurationManagerToView(
    const QList<QObject *> &senders)
{
    return m_durationManager.connectChangeRequests(senders);
}

int ConfigureSystemAuxDescalingViewManager::connectDosageManagerToView(
    const QList<QObject *> &senders)
{
    return m_dosageManager.connectChangeRequests(senders);
}

int ConfigureSystemAuxDescalingViewManager::connectToTimeController(const QList<QObject *> &senders)
{
    int failed = signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay))},
         {SIGNAL(systemTimeChanged(QDateTime)), SLOT(onSystemTimeChanged(QDateTime))}});
    // The start-time editor shows the time in the panel's 24-hour or AM/PM form, as the Start
    // time row does.
    failed += m_startTimeManager.connectFormatSources(senders);
    return failed;
}

void ConfigureSystemAuxDescalingViewManager::onWeekDayStartChanged(CalendarTypes::WeekDay day)
{
    m_firstDayOfWeek = day;
    refreshWeekdayRows();
}

void ConfigureSystemAuxDescalingViewManager::onSystemTimeChanged(QDateTime time)
{
    m_systemTime = time;
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingSettingsCommit()
{
    m_settingsModel.clear();
    m_weekdayModel.clear();
    m_repeatModel.clear();
    m_built = false;
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingViewVisibleChanged(bool visible)
{
    if (!visible || m_built)
        return;
    build();
    m_built = true;
}

void ConfigureSystemAuxDescalingViewManager::build()
{
    m_settingsModel.clear();
    auto *enable = new ToggleStandardItem(AuxiliaryRelayTypes::E_enableDescaling, false);
    m_enableRow = enable;
    m_settingsModel.appendItem(enable);
    m_settingsModel.appendItem(new DividerItem(ComponentTypes::E_divider_small));
    const auto appendRow = [this](QPointer<RowItem> &guard, int id) {
        auto *row = new RowItem(QString(), id);
        guard = row;
        m_settingsModel.appendItem(row);
    };
    appendRow(m_startTimeRow, AuxiliaryRelayTypes::E_startTime);
    appendRow(m_durationRow, AuxiliaryRelayTypes::E_duration);
    appendRow(m_dosageRow, AuxiliaryRelayTypes::E_dosage);
    appendRow(m_weekdayRow, AuxiliaryRelayTypes::E_weekday);
    m_settingsModel.appendItem(new DividerItem(ComponentTypes::E_divider_large));
    auto *last = new TextRowItem(QString(), false);
    m_lastRow = last;
    m_settingsModel.appendItem(last);
    refreshSettingsRows();

    m_weekdayModel.clear();
    auto *repeat = new RowItem(rowType::onlySubmenu, rowLayout::single, QString());
    repeat->setApplId(repeatRowId);
    m_repeatRow = repeat;
    m_weekdayModel.appendItem(repeat);
    m_weekdayModel.appendItem(new TextRowItem(QString(), false));
    std::vector<ListItem *> days;
    CalendarTypes::WeekDay day = m_firstDayOfWeek;
    do {
        auto *row = new RowItem(rowType::onlyCheckmark, rowLayout::centre, QString());
        row->setApplId(day);
        m_weekdayModel.appendItem(row);
        days.push_back(row);
        day = CalendarTypes::nextWeekDay(day);
    } while (day != m_firstDayOfWeek);
    updateLayoutOrder(days);
    refreshWeekdayRows();

    m_repeatModel.clear();
    for (const int hours : repeatHours()) {
        auto *row = new RowItem(rowType::onlyCheckmark, rowLayout::centre, QString());
        row->setApplId(hours);
        m_repeatModel.appendItem(row);
    }
    m_repeatModel.updateLayoutOrder();
    refreshRepeatRows();
}

QString ConfigureSystemAuxDescalingViewManager::weeksText() const
{
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    if (relay.offTimeScaling != AuxiliaryRelayTypes::E_hours)
        return QStringLiteral("1");
    // Whole weeks, the hours left over dropped.
    return QString::number(relay.offTimeValue / hoursPerWeek);
}

void ConfigureSystemAuxDescalingViewManager::refresh()
{
    refreshSettingsRows();
    refreshWeekdayRows();
    refreshRepeatRows();
}

void ConfigureSystemAuxDescalingViewManager::refreshSettingsRows()
{
    const AuxRelayStore::Descaling &descaling = m_store->descaling();
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    // The defaults held before the sauna's report stand for nothing.
    const bool known = m_store->descalingReported();
    const auto shown = [known](const QString &text) {
        return known ? text : unknownText();
    };
    if (!m_enableRow.isNull()) {
        m_enableRow->setValue(tr("Enable"));
        m_enableRow->setValue2(known && descaling.enabled);
    }
    // A report may leave the start time out.
    setRowText(m_startTimeRow, tr("Start time"),
               descaling.startTime.isValid()
                   ? shown(DateTimeFormatter::instance()->formatTime(descaling.startTime))
                   : unknownText());
    setRowText(m_durationRow, tr("Duration"),
               relay.onTimeScaling == AuxiliaryRelayTypes::E_minutes
                   ? LanguageSupport::durationText(relay.onTimeValue)
                   : QString());
    setRowText(m_dosageRow, tr("Dosage"),
               shown(QString::number(descaling.dosage) + LanguageSupport::mlText()));
    setRowText(m_weekdayRow, tr("Weekday"), shown(LanguageSupport::weekdayText(descaling.weekday)));
    if (!m_weekdayRow.isNull())
        m_weekdayRow->setData(QStringLiteral("1/") + weeksText(), RowItem::TextValue3Role);
    std::vector<ListItem *> rows;
    for (RowItem *row :
         {m_startTimeRow.data(), m_durationRow.data(), m_dosageRow.data(), m_weekdayRow.data()}) {
        if (row != nullptr)
            rows.push_back(row);
    }
    updateLayoutOrder(rows);
    if (!m_lastRow.isNull()) {
        // The date stays invalid until the sauna reports one.
        const QDate last = m_store->lastDescalingDate();
        m_lastRow->setData(
            tr("Last") + QStringLiteral(": ") +
                (last.isValid() ? DateTimeFormatter::instance()->formatDate(last) : unknownText()),
            valueRoles::value);
    }
}

void ConfigureSystemAuxDescalingViewManager::refreshWeekdayRows()
{
    const AuxRelayStore::Descaling &descaling = m_store->descaling();
    setRowText(m_repeatRow, tr("Repeat"), weeksText());
    for (int row = 0; row < m_weekdayModel.rowCount(); ++row) {
        auto *item = qobject_cast<RowItem *>(m_weekdayModel.itemAt(row));
        CalendarTypes::WeekDay day;
        if (item == nullptr || item == m_repeatRow || !CalendarTypes::fromInt(item->applId(), day))
            continue;
        item->setTextOnSubMenu(LanguageSupport::weekdayText(day));
        item->setCheckmarkChecked(m_store->descalingReported() && day == descaling.weekday);
    }
}

void ConfigureSystemAuxDescalingViewManager::refreshRepeatRows()
{
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    const quint32 current = m_store->descalingRelayIndex() >= 0 ? relay.offTimeValue : 0;
    for (int row = 0; row < m_repeatModel.rowCount(); ++row) {
        auto *item = qobject_cast<RowItem *>(m_repeatModel.itemAt(row));
        if (item == nullptr)
            continue;
        switch (item->applId()) {
        case 168:
            item->setTextOnSubMenu(tr("Every week"));
            break;
        case 336:
            item->setTextOnSubMenu(tr("Every 2nd week"));
            break;
        case 504:
            item->setTextOnSubMenu(tr("Every 3rd week"));
            break;
        case 672:
            item->setTextOnSubMenu(tr("Monthly"));
            break;
        default:
            break;
        }
        item->setCheckmarkChecked(quint32(item->applId()) == current);
    }
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingSettingSelected(int setting)
{
    AuxiliaryRelayTypes::DescalingSetting chosen;
    if (!AuxiliaryRelayTypes::fromInt(setting, chosen))
        return;
    const AuxRelayStore::Descaling &descaling = m_store->descaling();
    const AuxRelayStore::AuxiliaryRelayPost &relay = m_store->selectedRelay();
    switch (chosen) {
    case AuxiliaryRelayTypes::E_enableDescaling:
        break;
    case AuxiliaryRelayTypes::E_startTime: {
        if (!m_store->descalingReported())
            break;
        // Always on the editor's own date: before its first use the editor holds no date, and a
        // time on an invalid date would be lost to the limits.
        const QTime start = descaling.startTime.isValid() ? descaling.startTime : QTime(0, 0);
        m_startTimeManager.setValue(QDateTime(editorDate(), start));
        m_startTimeLoaded = true;
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingStartTime);
        // The editor page is made by the selection: tell it the value it missed.
        m_startTimeManager.emitFormattedValue();
        m_startTimeManager.emitLimitsReached();
        break;
    }
    case AuxiliaryRelayTypes::E_duration:
        if (relay.onTimeScaling != AuxiliaryRelayTypes::E_minutes)
            break;
        // In 64 bits: every on time the sauna can report, within the editor's limits.
        m_durationManager.setValue(qint64(relay.onTimeValue) *
                                   value::DurationManager::millisecondsPerMinute);
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingDuration);
        break;
    case AuxiliaryRelayTypes::E_dosage:
        if (!m_store->descalingReported())
            break;
        m_dosageManager.setValue(descaling.dosage);
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingDosage);
        m_dosageManager.emitValueChanged();
        m_dosageManager.checkLimits();
        break;
    case AuxiliaryRelayTypes::E_weekday:
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingWeekday);
        break;
    }
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingToggleChanged(int, bool shown)
{
    // Each request carries every descaling setting: none goes out before the sauna's own.
    if (!m_store->descalingReported())
        return;
    AuxRelayStore::Descaling descaling = m_store->descaling();
    descaling.enabled = requestedFromShown(shown);
    emit descalingChangeRequested(descaling);
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingStartTimeCommit()
{
    // The editor always holds a time within its limits; it is the user's value only once the
    // start time row has loaded it.
    const QDateTime value = m_startTimeManager.value();
    if (!m_startTimeLoaded || !value.isValid() || !m_store->descalingReported())
        return;
    AuxRelayStore::Descaling descaling = m_store->descaling();
    descaling.startTime = value.time();
    emit descalingChangeRequested(descaling);
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingDosageCommit()
{
    const std::optional<qint64> value = m_dosageManager.value();
    if (!value || !m_store->descalingReported())
        return;
    AuxRelayStore::Descaling descaling = m_store->descaling();
    descaling.dosage = quint32(*value);
    emit descalingChangeRequested(descaling);
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingWeekdaySettingsSelected(int id)
{
    if (id == repeatRowId) {
        emit editSelected(ConfigureTypes::E_optionsAuxDescalingWeekdayRepeat);
        return;
    }
    CalendarTypes::WeekDay day;
    if (!CalendarTypes::fromInt(id, day) || !m_store->descalingReported())
        return;
    AuxRelayStore::Descaling descaling = m_store->descaling();
    descaling.weekday = day;
    emit descalingChangeRequested(descaling);
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingDurationCommit()
{
    const std::optional<qint64> value = m_durationManager.value();
    if (!value)
        return;
    AuxRelayStore::AuxiliaryRelayPost relay = m_store->selectedRelay();
    // The relay's on-time scaling is kept.
    relay.onTimeValue = quint32(*value / value::DurationManager::millisecondsPerMinute);
    emit auxRelayUpdateRequested(relay);
}

void ConfigureSystemAuxDescalingViewManager::onAuxDescalingWeekdayRepeatSelected(int hours)
{
    const std::vector<int> &offered = repeatHours();
    if (std::find(offered.begin(), offered.end(), hours) == offered.end())
        return;
    AuxRelayStore::AuxiliaryRelayPost relay = m_store->selectedRelay();
    relay.offTimeValue = quint32(hours);
    relay.offTimeScaling = AuxiliaryRelayTypes::E_hours;
    emit auxRelayUpdateRequested(relay);
}

} // namespace view
