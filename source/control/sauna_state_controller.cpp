#include "control/sauna_state_controller.h"

#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/language_support.h"

using signalInterface::NodeInformationTypes;
using signalInterface::SaunaStateTypes;

namespace control {

namespace {

using signalInterface::protocolFacts::minutesPerDay;
using signalInterface::protocolFacts::shortestBathMinutes;

// Whether a reported bath time, or time left, is one the panel shows: at least the shortest
// bath (a time left may have run out) and at most the longest a sauna runs.
bool isShownBathMinutes(int minutes, int shortest)
{
    return minutes >= shortest && minutes <= signalInterface::protocolFacts::longestBathMinutes;
}

QString bathMinutesText(int minutes, int shortest)
{
    return isShownBathMinutes(minutes, shortest)
               ? view::LanguageSupport::durationText(unsigned(minutes))
               : QString();
}

// A report that is no bath time leaves the editor without a value: it reads "--".
void loadBathMinutes(value::DurationManager &editor, const int &minutes)
{
    if (isShownBathMinutes(minutes, shortestBathMinutes))
        editor.setValueInMinutes(minutes);
    else
        editor.clearValue();
}

bool isRunning(SaunaStateTypes::SaunaState state)
{
    return state == SaunaStateTypes::E_sauna_on || state == SaunaStateTypes::E_sauna_standby;
}

} // namespace

SaunaStateController::SaunaStateController(QObject *parent)
    : QObject(parent)
    , m_bathTimeManager(this)
    , m_bathTime(m_bathTimeManager, loadBathMinutes)
{
    // A bath needs at least a minute; the upper limit comes from the sauna.
    m_bathTimeManager.setLowerLimitInMinutes(shortestBathMinutes);
    resetBathTimeLimit();
    // The editor shows every report from the first one on, also before the page is opened.
    m_bathTime.open();
}

int SaunaStateController::connectSettingsBathTimeView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(settingsBathTimeEditActivated()), SLOT(onSettingsBathTimeEditActivated())},
         {SIGNAL(settingsBathTimeCommit()), SLOT(onSettingsBathTimeCommit())},
         {SIGNAL(settingsBathTimeEditCancelled()), SLOT(onSettingsBathTimeEditCancelled())}});
}

int SaunaStateController::connectCalendarEditView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(calendarEditActivated()), SLOT(onCalendarEditActivated())}});
}

int SaunaStateController::connectPowerSwitchView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaStateChangeRequested(int)), SLOT(onSaunaStateChangeRequested(int))},
         {SIGNAL(saunaRenewBathTime()), SLOT(onSaunaRenewBathTime())},
         {SIGNAL(vibrationRequested()), SLOT(onVibrationRequested())}});
}

int SaunaStateController::connectBathTimeView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(durationChangeRequested(int, int)), SLOT(onBathTimeStepRequested(int, int))}});
}

int SaunaStateController::connectSystemTimeChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(systemTimeChanged(QDateTime)), SLOT(onSystemTimeChanged(QDateTime))}});
}

int SaunaStateController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

int SaunaStateController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState))},
         {SIGNAL(saunaBathTimeChanged(int)), SLOT(onSaunaBathTimeChanged(int))},
         {SIGNAL(saunaBathTimeLimitChanged(int)), SLOT(onSaunaBathTimeLimitChanged(int))},
         {SIGNAL(saunaRunTimeLeftChanged(int)), SLOT(onSaunaRunTimeLeftChanged(int))},
         {SIGNAL(saunaTimeToAllowedOnChanged(int)), SLOT(onSaunaTimeToAllowedOnChanged(int))},
         {SIGNAL(saunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost)),
          SLOT(onSaunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost))}});
}

void SaunaStateController::notifyZeredeDidInitCompleted()
{
    emit zeredeDidInitIsCompleted();
}

void SaunaStateController::appendAllowedStartTimeArgument(
    signalInterface::UserMessageTypes::UserMessage &message) const
{
    // Before the time controller has told the system time, the panel's own clock is the best
    // estimate; an invalid time would leave the message without its time.
    // A start is refused for less than a day; a longer wait is none the sauna can mean, and
    // the time reads "--" instead of a made-up one.
    if (m_minutesToAllowedOn < 0 || m_minutesToAllowedOn > minutesPerDay) {
        message.arguments.append(QStringLiteral("--"));
        return;
    }
    const QDateTime base =
        m_systemTime.isValid() ? m_systemTime : signalInterface::protocolFacts::wallClockNow();
    const QDateTime allowed = base.addSecs(qint64(m_minutesToAllowedOn) * 60);
    message.arguments.append(view::DateTimeFormatter::instance()->formatTime(allowed.time()));
}

QString SaunaStateController::bathTimeText() const
{
    // A report outside what a bath can be reads as no value, "--", like no report.
    if (showsTimeLeft())
        return bathMinutesText(*m_runTimeLeft, 0);
    if (reportedBathTime())
        return bathMinutesText(*reportedBathTime(), shortestBathMinutes);
    return QString();
}

bool SaunaStateController::showsTimeLeft() const
{
    return isRunning(m_state) && m_runTimeLeft.has_value();
}

void SaunaStateController::emitInitialState()
{
    emit saunaPhysicalStateChanged(m_state);
    emit saunaRcbNumbersChanged(rcbCount());
}

void SaunaStateController::onSettingsBathTimeEditActivated()
{
    m_bathTime.open();
}

void SaunaStateController::onSettingsBathTimeCommit()
{
    // Without a value there is nothing the user chose, so nothing is sent; without the limit
    // the editor was held, so neither is there. The page stays open: what it sent is where the
    // editor follows the sauna from.
    if (!m_bathTimeManager.value() || !m_bathTimeLimitKnown)
        return;
    emit bathTimeChangeRequested(m_bathTimeManager.valueInMinutes());
    m_bathTime.followFromHere();
}

void SaunaStateController::onSettingsBathTimeEditCancelled()
{
    abandonBathTimeEdit();
}

void SaunaStateController::onBathTimeStepRequested(int component, int direction)
{
    if (m_bathTimeLimitKnown)
        m_bathTimeManager.onDurationChangeRequested(component, direction);
}

void SaunaStateController::onCalendarEditActivated()
{
    // Leaving for the calendar abandons an uncommitted bath-time edit.
    abandonBathTimeEdit();
}

void SaunaStateController::onSaunaStateChangeRequested(int state)
{
    SaunaStateTypes::SaunaState requested = SaunaStateTypes::E_sauna_off;
    if (!SaunaStateTypes::fromInt(state, requested))
        return;
    emit saunaStateChangeRequested(requested);
}

void SaunaStateController::onSaunaRenewBathTime()
{
    emit renewBathTimeRequest();
}

void SaunaStateController::onVibrationRequested()
{
    // A desktop computer has no vibration motor to drive.
}

void SaunaStateController::onSystemTimeChanged(QDateTime dateTime)
{
    m_systemTime = dateTime;
}

void SaunaStateController::onLanguageChanged(signalInterface::LanguageTypes::Language)
{
    // Screens build their state texts when told the state, so they get it again.
    emit saunaPhysicalStateChanged(m_state);
    emit bathTimeTextChanged();
}

void SaunaStateController::onSaunaPhysicalStateChanged(SaunaStateTypes::SaunaState state)
{
    SaunaStateTypes::SaunaState checked = SaunaStateTypes::E_sauna_off;
    if (!SaunaStateTypes::fromInt(int(state), checked) || checked == m_state)
        return;
    const bool showedTimeLeft = showsTimeLeft();
    m_state = checked;
    emit saunaPhysicalStateChanged(checked);
    if (showsTimeLeft() != showedTimeLeft)
        emit bathTimeTextChanged();
}

void SaunaStateController::onSaunaBathTimeChanged(int minutes)
{
    // Kept as reported, also when it is no bath time: the tile and the editor then show none,
    // instead of the bath time reported before.
    const bool changed = reportedBathTime() != minutes;
    m_bathTime.report(minutes);
    if (changed && !showsTimeLeft())
        emit bathTimeTextChanged();
}

void SaunaStateController::onSaunaBathTimeLimitChanged(int minutes)
{
    if (!signalInterface::protocolFacts::isBathTimeLimit(minutes))
        return;
    m_bathTime.changeLimits([&] { m_bathTimeManager.setUpperLimitInMinutes(minutes); });
    if (!m_bathTimeLimitKnown) {
        m_bathTimeLimitKnown = true;
        emit bathTimeLimitKnownChanged();
    }
}

void SaunaStateController::onSaunaRunTimeLeftChanged(int minutes)
{
    // Kept as reported: one that is no time left reads as none while the sauna runs, instead of
    // the time left reported before.
    if (m_runTimeLeft == minutes)
        return;
    const bool showedTimeLeft = showsTimeLeft();
    m_runTimeLeft = minutes;
    if (showedTimeLeft || showsTimeLeft())
        emit bathTimeTextChanged();
}

void SaunaStateController::onSaunaTimeToAllowedOnChanged(int minutes)
{
    m_minutesToAllowedOn = minutes;
}

void SaunaStateController::onSaunaNodeListItemChanged(
    NodeInformationTypes::NodeInformationPost node)
{
    // The relay control boards are the bus nodes above address 63, whatever profile they report.
    const int before = rcbCount();
    if (node.isAddressAbove63())
        m_rcbNodes.insert(node.index);
    else
        m_rcbNodes.remove(node.index);
    if (rcbCount() != before)
        emit saunaRcbNumbersChanged(rcbCount());
}

void SaunaStateController::onSaunaReplaced()
{
    // An editor left open follows the new sauna's reports and, once told, its limit.
    m_bathTime.forget();
    resetBathTimeLimit();
    m_runTimeLeft.reset();
    m_minutesToAllowedOn = 0;
    if (m_bathTimeLimitKnown) {
        m_bathTimeLimitKnown = false;
        emit bathTimeLimitKnownChanged();
    }
    if (m_state != SaunaStateTypes::E_sauna_off) {
        m_state = SaunaStateTypes::E_sauna_off;
        emit saunaPhysicalStateChanged(m_state);
    }
    emit bathTimeTextChanged();
    if (!m_rcbNodes.isEmpty()) {
        m_rcbNodes.clear();
        emit saunaRcbNumbersChanged(rcbCount());
    }
}

void SaunaStateController::abandonBathTimeEdit()
{
    m_bathTime.open();
}

void SaunaStateController::resetBathTimeLimit()
{
    m_bathTimeManager.setUpperLimitInMinutes(signalInterface::protocolFacts::longestBathMinutes);
}

} // namespace control
