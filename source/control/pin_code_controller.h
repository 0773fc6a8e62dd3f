#pragma once

#include "signal_interface/pin_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

namespace control {

// The panel's PIN lock: whether a PIN is demanded, the PIN itself (stored enciphered), the
// inactivity timer that locks the panel again, PIN entry and the three-step PIN change.
//
// The QML lock and PIN pages read the results from the signals below: a wrong PIN is reported,
// never silently accepted or cut.
class PinCodeController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool locked READ isLocked NOTIFY lockedChanged)
    Q_PROPERTY(bool pinActivated READ isPinActivated NOTIFY pinActivatedChanged)

public:
    using PinViewTypes = signalInterface::PinTypes::PinViewTypes;

    static constexpr unsigned cipherCycles = 43;
    // Milliseconds of inactivity before the lock timer runs out.
    static constexpr int defaultLockTimeoutMs = 60000;
    static constexpr int maximumLockTimeoutMs = 24 * 60 * 60 * 1000;

    // Reads the lock setting, the PIN and "lock_time_out" (written if missing); a plain PIN of an
    // older version is stored enciphered and its key removed.
    explicit PinCodeController(QObject *parent = nullptr);

    // Each returns the number of connections that failed.
    int connectPinChangeView(const QList<QObject *> &senders);
    int connectPinLoginView(const QList<QObject *> &senders);
    int connectPinToggleRequests(const QList<QObject *> &senders);
    int connectUserMouseSignals(const QList<QObject *> &senders);

    // First state: announces the lock setting, locks when a PIN is demanded and starts the timer.
    void emitInitialState();

    bool isLocked() const { return m_locked; }
    bool isPinActivated() const { return m_pinActivated; }
    int lockTimeoutMs() const { return m_lockTimer.interval(); }
    bool isLockTimerActive() const { return m_lockTimer.isActive(); }
    // True when the text is the current PIN.
    bool isCurrentPin(const QString &pin) const { return pin == m_pin; }

public slots:
    void onChangePinCodeOldPin(QString pin);
    void onChangePinCodeNewPin(QString pin);
    void onChangePinCodeNewPinConfirm(QString pin);
    // The PIN typed on a PIN page. request names what the page asked the PIN for and comes back
    // with the result; a correct PIN with unlock set also unlocks the panel.
    void onConfirmPinCode(QString pin, QString request, bool unlock);
    // The PIN screen's toggle with the new state; only the demand-PIN toggle exists.
    void onPinCodeToggleChanged(::signalInterface::PinTypes::PinViewTypes type, bool activated);
    void onUserMousePressOccurred();
    void onUserMouseHoldOccurred();
    void onLockTimerTimeout();

signals:
    void setPinToggle(::signalInterface::PinTypes::PinViewTypes type, bool activated);
    void lockTimerTimeout();
    void lockedChanged(bool locked);
    void pinActivatedChanged(bool activated);
    void pinCodeConfirmed(QString request, bool correct);
    void oldPinCodeChecked(bool correct);
    void newPinCodeChecked(bool valid);
    void pinCodeChangeFinished(bool changed);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    void readStoredPin();
    void storePin(const QString &pin);
    void setLocked(bool locked);
    void resetChange();
    void restartLockTimer();

    QString m_pin = signalInterface::PinTypes::Pin::defaultPinText();
    bool m_pinActivated = false;
    bool m_locked = false;
    bool m_oldPinConfirmed = false;
    QString m_newPin;
    QTimer m_lockTimer;
};

} // namespace control
