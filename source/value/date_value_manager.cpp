#include "value/date_value_manager.h"

#include "signal_interface/sender_connections.h"
#include "signal_interface/time_edit_types.h"
#include "value/value_logging.h"

#include <array>

using signalInterface::DateTimeTypes;
using signalInterface::TimeEditTypes;

namespace value {

namespace {

// Field kind (0 year, 1 month, 2 day) of steppers 1, 2 and 3 for each date format.
constexpr std::array<std::array<int, 3>, 3> fieldOrder{{
    {0, 1, 2}, // E_yymmdd
    {2, 1, 0}, // E_ddmmyy
    {1, 2, 0}, // E_mmddyy
}};

QDate withDayCutToMonth(int year, int month, int day)
{
    const int length = QDate(year, month, 1).daysInMonth();
    return QDate(year, month, qBound(1, day, qMax(length, 1)));
}

// Invalid dates compare below every valid one, as a QDate's day number does.
bool earlier(const QDate &a, const QDate &b)
{
    if (!a.isValid())
        return b.isValid();
    return b.isValid() && a < b;
}

} // namespace

DateValueManager::DateValueManager(QObject *parent)
    : QObject(parent)
{}

int DateValueManager::connectChangeRequests(const QList<QObject *> &items)
{
    return signalInterface::connectSenders(
        items, this,
        {{SIGNAL(dateChangeRequested(int, int)), SLOT(onDateChangeRequested(int, int))}});
}

int DateValueManager::connectFormatSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)),
          SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))}});
}

void DateValueManager::setValue(const QDate &date)
{
    if (!m_lowerLimit.isValid())
        m_lowerLimit = date;
    if (!m_upperLimit.isValid())
        m_upperLimit = date;
    updateValue(date);
}

void DateValueManager::setLowerLimit(const QDate &date)
{
    m_lowerLimit = date;
    if (earlier(m_upperLimit, date))
        m_upperLimit = date;
    if (clampValueToLimits())
        emitValueChanged();
    checkLimits();
}

void DateValueManager::setUpperLimit(const QDate &date)
{
    m_upperLimit = date;
    if (earlier(date, m_lowerLimit))
        m_lowerLimit = date;
    if (clampValueToLimits())
        emitValueChanged();
    checkLimits();
}

QDate DateValueManager::steppedDate(int stepper, int direction) const
{
    if (!m_value.isValid())
        return m_value;
    const int sign = direction == TimeEditTypes::E_increase ? 1 : -1;
    const int year = m_value.year();
    const int month = m_value.month();
    const int day = m_value.day();
    switch (fieldKind(stepper)) {
    case Year:
        return withDayCutToMonth(year + sign, month, day);
    case Month: {
        int m = month + sign;
        if (m < 1)
            m += 12;
        return withDayCutToMonth(year, ((m - 1) % 12) + 1, day);
    }
    case Day: {
        const int length = m_value.daysInMonth();
        int d = day + sign;
        if (d < 1)
            d += length;
        return QDate(year, month, ((d - 1) % length) + 1);
    }
    default:
        return m_value;
    }
}

void DateValueManager::onDateFormatChanged(DateTimeTypes::DateFormat format)
{
    m_format = format;
    emitValueChanged();
    // The format decides which field each stepper steps, so their states move with it.
    checkLimits();
}

void DateValueManager::onDateChangeRequested(int stepper, int direction)
{
    qCDebug(valueLog) << Q_FUNC_INFO << stepper << direction << m_lowerLimit << m_upperLimit
                      << m_value;
    TimeEditTypes::StepperComponent checkedStepper = TimeEditTypes::E_stepper1;
    if (!TimeEditTypes::fromInt(stepper, checkedStepper)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown component" << stepper;
        return;
    }
    TimeEditTypes::Direction checkedDirection = TimeEditTypes::E_increase;
    if (!TimeEditTypes::fromInt(direction, checkedDirection)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown direction" << direction;
        return;
    }
    if (!m_value.isValid()) {
        qCDebug(valueLog) << Q_FUNC_INFO << "no value";
        return;
    }
    qCDebug(valueLog) << Q_FUNC_INFO << TimeEditTypes::toText(checkedStepper)
                      << TimeEditTypes::toText(checkedDirection);
    updateValue(steppedDate(stepper, direction));
}

void DateValueManager::updateValue(const QDate &date)
{
    const QDate old = m_value;
    m_value = date;
    clampValueToLimits();
    if (m_value == old)
        return;
    emitValueChanged();
    checkLimits();
}

bool DateValueManager::clampValueToLimits()
{
    const QDate old = m_value;
    if (earlier(m_value, m_lowerLimit))
        m_value = m_lowerLimit;
    else if (earlier(m_upperLimit, m_value))
        m_value = m_upperLimit;
    return m_value != old;
}

void DateValueManager::checkLimits()
{
    // Without a date no stepper can move, so all of them show as blocked.
    if (!m_value.isValid()) {
        emit lowerLimitReached(true, true, true);
        emit upperLimitReached(true, true, true);
        return;
    }
    const QDate down1 = steppedDate(TimeEditTypes::E_stepper1, TimeEditTypes::E_decrease);
    const QDate down2 = steppedDate(TimeEditTypes::E_stepper2, TimeEditTypes::E_decrease);
    const QDate down3 = steppedDate(TimeEditTypes::E_stepper3, TimeEditTypes::E_decrease);
    qCDebug(valueLog) << Q_FUNC_INFO << "dec" << down1 << down2 << down3;
    emit lowerLimitReached(outsideLimits(down1), outsideLimits(down2), outsideLimits(down3));

    const QDate up1 = steppedDate(TimeEditTypes::E_stepper1, TimeEditTypes::E_increase);
    const QDate up2 = steppedDate(TimeEditTypes::E_stepper2, TimeEditTypes::E_increase);
    const QDate up3 = steppedDate(TimeEditTypes::E_stepper3, TimeEditTypes::E_increase);
    qCDebug(valueLog) << Q_FUNC_INFO << "inc" << up1 << up2 << up3;
    emit upperLimitReached(outsideLimits(up1), outsideLimits(up2), outsideLimits(up3));
}

void DateValueManager::emitValueChanged()
{
    emit dateValueChanged(m_value);
    const QString separator = QStringLiteral("/");
    // Without a date every field reads "--", as every editor without a value does.
    const QString none = QStringLiteral("--");
    const bool held = m_value.isValid();
    const QString year = held ? m_value.toString(QStringLiteral("yy")) : none;
    const QString month = held ? m_value.toString(QStringLiteral("MM")) : none;
    const QString day = held ? m_value.toString(QStringLiteral("dd")) : none;
    switch (m_format) {
    case DateTimeTypes::E_yymmdd:
        emit dateValueFormattedChanged(year, separator, month, separator, day);
        break;
    case DateTimeTypes::E_ddmmyy:
        emit dateValueFormattedChanged(day, separator, month, separator, year);
        break;
    case DateTimeTypes::E_mmddyy:
        emit dateValueFormattedChanged(month, separator, day, separator, year);
        break;
    default:
        emit dateValueFormattedChanged({}, {}, {}, {}, {});
        break;
    }
}

bool DateValueManager::outsideLimits(const QDate &date) const
{
    return earlier(date, m_lowerLimit) || earlier(m_upperLimit, date);
}

int DateValueManager::fieldKind(int stepper) const
{
    const int format = int(m_format);
    if (format < 0 || format >= int(fieldOrder.size()))
        return -1;
    const int index = (stepper >= 0 && stepper < 3) ? stepper : 0;
    return fieldOrder[size_t(format)][size_t(index)];
}

} // namespace value
