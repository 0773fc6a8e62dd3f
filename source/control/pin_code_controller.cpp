#include "control/pin_code_controller.h"

#include "control/settings.h"
#include "signal_interface/sender_connections.h"
#include "value/pin_packing.h"

#include <QSettings>

#include <algorithm>

namespace control {

namespace {

using signalInterface::PinTypes;

// Key of the stored PIN's cipher. Every settings file written so far was enciphered with it:
// changing it would turn every stored PIN into the default one.
constexpr quint32 pinCipherKey[4] = {0x5a17c3e9u, 0x0b86d24fu, 0x9e3147a2u, 0xc4f85d13u};

constexpr quint32 pinCodeChangedMessage = 0x2023;
constexpr quint32 defaultPinLockMessage = 0x2050;

} // namespace

PinCodeController::PinCodeController(QObject *parent)
    : QObject(parent)
{
    m_pinActivated = Settings::boolValue(QLatin1String(Settings::pinCodeActivatedKey), false);
    readStoredPin();

    int timeout = defaultLockTimeoutMs;
    const std::optional<quint32> stored =
        Settings::uintValue(QLatin1String(Settings::lockTimeOutKey));
    if (!Settings::settings()->contains(QLatin1String(Settings::lockTimeOutKey))) {
        Settings::setValue(QLatin1String(Settings::lockTimeOutKey),
                           static_cast<uint>(defaultLockTimeoutMs));
    } else if (stored && *stored != 0) {
        // A zero timeout would lock the panel again at once; an unreadable one is ignored.
        timeout = static_cast<int>(std::min<quint32>(*stored, maximumLockTimeoutMs));
    }
    m_lockTimer.setSingleShot(true);
    m_lockTimer.setInterval(timeout);
    connect(&m_lockTimer, &QTimer::timeout, this, &PinCodeController::onLockTimerTimeout);
}

int PinCodeController::connectPinChangeView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(old_pin_code(QString)), SLOT(onChangePinCodeOldPin(QString))},
         {SIGNAL(new_pin_code(QString)), SLOT(onChangePinCodeNewPin(QString))},
         {SIGNAL(new_pin_code_confirm(QString)), SLOT(onChangePinCodeNewPinConfirm(QString))}});
}

int PinCodeController::connectPinLoginView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(confirm_pin_code_login(QString, QString, bool)),
                                             SLOT(onConfirmPinCode(QString, QString, bool))}});
}

int PinCodeController::connectPinToggleRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(pinToggleChanged(::signalInterface::PinTypes::PinViewTypes, bool)),
          SLOT(onPinCodeToggleChanged(::signalInterface::PinTypes::PinViewTypes, bool))}});
}

int PinCodeController::connectUserMouseSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(userMousePressOccurred()), SLOT(onUserMousePressOccurred())},
         {SIGNAL(userMouseHoldOccurred()), SLOT(onUserMouseHoldOccurred())}});
}

void PinCodeController::emitInitialState()
{
    emit setPinToggle(PinTypes::E_demandPin, m_pinActivated);
    emit pinActivatedChanged(m_pinActivated);
    m_locked = m_pinActivated;
    emit lockedChanged(m_locked);
    restartLockTimer();
}

void PinCodeController::onChangePinCodeOldPin(QString pin)
{
    resetChange();
    m_oldPinConfirmed = value::isValidPin(pin) && pin == m_pin;
    emit oldPinCodeChecked(m_oldPinConfirmed);
}

void PinCodeController::onChangePinCodeNewPin(QString pin)
{
    // Without the old PIN first, a new one is refused: anybody could change it otherwise.
    const bool valid = m_oldPinConfirmed && value::isValidPin(pin);
    m_newPin = valid ? pin : QString();
    emit newPinCodeChecked(valid);
}

void PinCodeController::onChangePinCodeNewPinConfirm(QString pin)
{
    if (!m_oldPinConfirmed || m_newPin.isEmpty() || pin != m_newPin) {
        resetChange();
        emit pinCodeChangeFinished(false);
        return;
    }
    m_pin = pin;
    storePin(pin);
    resetChange();
    emit panelUserMessageIssued(
        signalInterface::UserMessageTypes::UserMessage(pinCodeChangedMessage), nullptr);
    emit pinCodeChangeFinished(true);
}

void PinCodeController::onConfirmPinCode(QString pin, QString request, bool unlock)
{
    const bool correct = value::isValidPin(pin) && pin == m_pin;
    if (correct && unlock) {
        setLocked(false);
        restartLockTimer();
    }
    emit pinCodeConfirmed(request, correct);
}

void PinCodeController::onPinCodeToggleChanged(::signalInterface::PinTypes::PinViewTypes type,
                                               bool activated)
{
    PinViewTypes checked{};
    if (!PinTypes::fromInt(static_cast<int>(type), checked) || checked != PinTypes::E_demandPin) {
        return;
    }
    const bool switchedOn = activated && !m_pinActivated;
    if (activated != m_pinActivated) {
        m_pinActivated = activated;
        Settings::setValue(QLatin1String(Settings::pinCodeActivatedKey), activated);
        emit pinActivatedChanged(activated);
        if (!activated) {
            setLocked(false);
        }
    }
    // Also on no change, so that a switch that showed a stale state shows the real one again.
    emit setPinToggle(PinTypes::E_demandPin, m_pinActivated);
    // The toggle asks for no PIN: a user who never set one is told which PIN unlocks the panel.
    if (switchedOn && m_pin == PinTypes::Pin::defaultPinText()) {
        signalInterface::UserMessageTypes::UserMessage message(defaultPinLockMessage);
        message.arguments = {m_pin};
        emit panelUserMessageIssued(message, nullptr);
    }
}

void PinCodeController::onUserMousePressOccurred()
{
    restartLockTimer();
}

void PinCodeController::onUserMouseHoldOccurred()
{
    restartLockTimer();
}

void PinCodeController::onLockTimerTimeout()
{
    m_lockTimer.stop();
    resetChange();
    emit lockTimerTimeout();
    if (m_pinActivated) {
        setLocked(true);
    }
}

void PinCodeController::readStoredPin()
{
    QSettings *store = Settings::settings();
    const QString legacyKey = QLatin1String(Settings::pinCodeCurrentKey);
    const std::optional<quint32> word0 =
        Settings::uintValue(QLatin1String(Settings::pinCodeCurrentEncrypted1Key));
    const std::optional<quint32> word1 =
        Settings::uintValue(QLatin1String(Settings::pinCodeCurrentEncrypted2Key));

    if (word0 && word1) {
        // A block that does not decipher to 1-4 digits was not written by us or is corrupt.
        m_pin = value::decipherPin({*word0, *word1}, cipherCycles, pinCipherKey)
                    .value_or(PinTypes::Pin::defaultPinText());
    } else if (store->contains(legacyKey)) {
        const QString legacyPin = store->value(legacyKey).toString();
        if (value::isValidPin(legacyPin)) {
            m_pin = legacyPin;
            storePin(legacyPin);
        }
    }
    // The plain PIN of an older version must not stay in the file in any case.
    if (store->contains(legacyKey)) {
        store->remove(legacyKey);
        store->sync();
    }
}

void PinCodeController::storePin(const QString &pin)
{
    const value::PinBlock block = value::encipherPin(pin, cipherCycles, pinCipherKey);
    Settings::setValue(QLatin1String(Settings::pinCodeCurrentEncrypted1Key), block[0]);
    Settings::setValue(QLatin1String(Settings::pinCodeCurrentEncrypted2Key), block[1]);
}

void PinCodeController::setLocked(bool locked)
{
    if (m_locked != locked) {
        m_locked = locked;
        emit lockedChanged(locked);
    }
}

void PinCodeController::resetChange()
{
    m_oldPinConfirmed = false;
    m_newPin.clear();
}

void PinCodeController::restartLockTimer()
{
    m_lockTimer.start();
}

} // namespace control
