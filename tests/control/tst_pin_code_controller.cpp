#include "control/pin_code_controller.h"
#include "control/settings.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using control::PinCodeController;
using control::Settings;
using signalInterface::PinTypes;

namespace {

QString storeKey(const char *key)
{
    return QLatin1String(key);
}

// The settings file as it lies on disk.
QByteArray settingsFileContent()
{
    QFile file(Settings::settings()->fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Forgets the shared store as a new process would, keeping the file.
void restart()
{
    Settings::resetForTesting();
}

} // namespace

// Checks the PIN lock: the stored PIN, the login, the change flow and the lock timer.
class TestPinCodeController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaultPinWithoutStoredPin();
    void lockTimeoutWrittenWhenMissing();
    void storedLockTimeoutUsed_data();
    void storedLockTimeoutUsed();
    void lockedAtStartWhenPinDemanded();
    void wrongPinKeepsPanelLocked();
    void lockTimerLocksAgain();
    void userActivityRestartsLockTimer();
    void pinChangeFlow();
    void pinChangeWithWrongOldPin();
    void pinChangeRefusesInvalidNewPin_data();
    void pinChangeRefusesInvalidNewPin();
    void pinChangeConfirmMismatch();
    void pinStoredEncipheredAndReadAfterRestart();
    void corruptStoredPinFallsBackToDefault();
    void plainPinOfOlderVersionMigrated();
    void toggleStoresAndAnnounces();
    void toggleIgnoresOtherPages();
    void switchingOnWithTheDefaultPinTellsIt_data();
    void switchingOnWithTheDefaultPinTellsIt();
    void connectOperations();

private:
    QTemporaryDir m_configHome;
};

void TestPinCodeController::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    qRegisterMetaType<signalInterface::UserMessageTypes::UserMessage>();
    qRegisterMetaType<signalInterface::UserMessageAction *>();
    qRegisterMetaType<PinTypes::PinViewTypes>();
}

void TestPinCodeController::init()
{
    Settings::resetForTesting();
    QFile::remove(Settings::settings()->fileName());
    Settings::resetForTesting();
}

void TestPinCodeController::defaultPinWithoutStoredPin()
{
    PinCodeController controller;
    QSignalSpy confirmed(&controller, &PinCodeController::pinCodeConfirmed);

    controller.onConfirmPinCode(PinTypes::Pin::defaultPinText(), QStringLiteral("settings"), false);
    controller.onConfirmPinCode(QStringLiteral("4827"), QStringLiteral("settings"), false);

    QCOMPARE(confirmed.count(), 2);
    QCOMPARE(confirmed.at(0), (QVariantList{QStringLiteral("settings"), true}));
    QCOMPARE(confirmed.at(1), (QVariantList{QStringLiteral("settings"), false}));
}

void TestPinCodeController::lockTimeoutWrittenWhenMissing()
{
    PinCodeController controller;
    QCOMPARE(controller.lockTimeoutMs(), PinCodeController::defaultLockTimeoutMs);
    QCOMPARE(Settings::uintValue(storeKey(Settings::lockTimeOutKey)),
             std::optional<quint32>(PinCodeController::defaultLockTimeoutMs));
    QVERIFY(settingsFileContent().contains("lock_time_out=60000"));
}

void TestPinCodeController::storedLockTimeoutUsed_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("timeout");
    QTest::newRow("ten seconds") << "10000" << 10000;
    QTest::newRow("zero") << "0" << PinCodeController::defaultLockTimeoutMs;
    QTest::newRow("unreadable") << "soon" << PinCodeController::defaultLockTimeoutMs;
    QTest::newRow("past a day") << "4000000000" << PinCodeController::maximumLockTimeoutMs;
}

void TestPinCodeController::storedLockTimeoutUsed()
{
    QFETCH(QString, stored);
    Settings::setValue(storeKey(Settings::lockTimeOutKey), stored);
    restart();

    PinCodeController controller;
    QTEST(controller.lockTimeoutMs(), "timeout");
}

void TestPinCodeController::lockedAtStartWhenPinDemanded()
{
    Settings::setValue(storeKey(Settings::pinCodeActivatedKey), true);
    restart();
    PinCodeController controller;
    QSignalSpy toggle(&controller, &PinCodeController::setPinToggle);
    QSignalSpy locked(&controller, &PinCodeController::lockedChanged);

    controller.emitInitialState();

    QCOMPARE(toggle.count(), 1);
    QCOMPARE(toggle.at(0).at(0).value<PinTypes::PinViewTypes>(), PinTypes::E_demandPin);
    QCOMPARE(toggle.at(0).at(1).toBool(), true);
    QVERIFY(controller.isLocked());
    QCOMPARE(locked.count(), 1);
    QVERIFY(controller.isLockTimerActive());
}

void TestPinCodeController::wrongPinKeepsPanelLocked()
{
    Settings::setValue(storeKey(Settings::pinCodeActivatedKey), true);
    restart();
    PinCodeController controller;
    controller.emitInitialState();
    QSignalSpy confirmed(&controller, &PinCodeController::pinCodeConfirmed);

    controller.onConfirmPinCode(QStringLiteral("1111"), QStringLiteral("lock"), true);
    QVERIFY(controller.isLocked());
    // Not even a PIN that starts with the right digits.
    controller.onConfirmPinCode(QStringLiteral("48261"), QStringLiteral("lock"), true);
    QVERIFY(controller.isLocked());
    // A right PIN that does not ask to unlock (a settings page) leaves the lock as it is.
    controller.onConfirmPinCode(PinTypes::Pin::defaultPinText(), QStringLiteral("settings"), false);
    QVERIFY(controller.isLocked());

    controller.onConfirmPinCode(PinTypes::Pin::defaultPinText(), QStringLiteral("lock"), true);
    QVERIFY(!controller.isLocked());
    QCOMPARE(confirmed.count(), 4);
    QCOMPARE(confirmed.at(0).at(1).toBool(), false);
    QCOMPARE(confirmed.at(1).at(1).toBool(), false);
    QCOMPARE(confirmed.at(2).at(1).toBool(), true);
    QCOMPARE(confirmed.at(3), (QVariantList{QStringLiteral("lock"), true}));
}

void TestPinCodeController::lockTimerLocksAgain()
{
    PinCodeController controller;
    controller.emitInitialState();
    QSignalSpy timeout(&controller, &PinCodeController::lockTimerTimeout);

    // Without a demanded PIN the timeout is only announced.
    controller.onLockTimerTimeout();
    QCOMPARE(timeout.count(), 1);
    QVERIFY(!controller.isLocked());

    controller.onPinCodeToggleChanged(PinTypes::E_demandPin, true);
    QVERIFY(!controller.isLocked());
    controller.onLockTimerTimeout();
    QCOMPARE(timeout.count(), 2);
    QVERIFY(controller.isLocked());

    // Switching the PIN off unlocks.
    controller.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
    QVERIFY(!controller.isLocked());
}

void TestPinCodeController::userActivityRestartsLockTimer()
{
    PinCodeController controller;
    QVERIFY(!controller.isLockTimerActive());
    controller.onUserMousePressOccurred();
    QVERIFY(controller.isLockTimerActive());
    controller.onLockTimerTimeout();
    QVERIFY(!controller.isLockTimerActive());
    controller.onUserMouseHoldOccurred();
    QVERIFY(controller.isLockTimerActive());
}

void TestPinCodeController::pinChangeFlow()
{
    PinCodeController controller;
    QSignalSpy oldChecked(&controller, &PinCodeController::oldPinCodeChecked);
    QSignalSpy newChecked(&controller, &PinCodeController::newPinCodeChecked);
    QSignalSpy finished(&controller, &PinCodeController::pinCodeChangeFinished);
    QSignalSpy messages(&controller, &PinCodeController::panelUserMessageIssued);

    controller.onChangePinCodeOldPin(PinTypes::Pin::defaultPinText());
    controller.onChangePinCodeNewPin(QStringLiteral("7391"));
    controller.onChangePinCodeNewPinConfirm(QStringLiteral("7391"));

    QVERIFY(!oldChecked.isEmpty());
    QCOMPARE(oldChecked.at(0).at(0).toBool(), true);
    QVERIFY(!newChecked.isEmpty());
    QCOMPARE(newChecked.at(0).at(0).toBool(), true);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).value<signalInterface::UserMessageTypes::UserMessage>().id,
             0x2023u);
    QVERIFY(controller.isCurrentPin(QStringLiteral("7391")));
    QVERIFY(!controller.isCurrentPin(PinTypes::Pin::defaultPinText()));

    // The flow starts over: a confirmation alone changes nothing.
    controller.onChangePinCodeNewPinConfirm(QStringLiteral("7391"));
    QVERIFY(finished.size() > 1);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
    QCOMPARE(messages.count(), 1);
}

void TestPinCodeController::pinChangeWithWrongOldPin()
{
    PinCodeController controller;
    QSignalSpy oldChecked(&controller, &PinCodeController::oldPinCodeChecked);
    QSignalSpy newChecked(&controller, &PinCodeController::newPinCodeChecked);
    QSignalSpy finished(&controller, &PinCodeController::pinCodeChangeFinished);

    controller.onChangePinCodeOldPin(QStringLiteral("0000"));
    controller.onChangePinCodeNewPin(QStringLiteral("1234"));
    controller.onChangePinCodeNewPinConfirm(QStringLiteral("1234"));

    QVERIFY(!oldChecked.isEmpty());
    QCOMPARE(oldChecked.at(0).at(0).toBool(), false);
    QVERIFY(!newChecked.isEmpty());
    QCOMPARE(newChecked.at(0).at(0).toBool(), false);
    QVERIFY(!finished.isEmpty());
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(controller.isCurrentPin(PinTypes::Pin::defaultPinText()));
    QVERIFY(!settingsFileContent().contains("pin_code_current_encrypted"));
}

void TestPinCodeController::pinChangeRefusesInvalidNewPin_data()
{
    QTest::addColumn<QString>("newPin");
    QTest::newRow("empty") << "";
    QTest::newRow("five digits") << "12345";
    QTest::newRow("letter") << "12a4";
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("١٢٣");
    QTest::newRow("blank") << " 123";
}

void TestPinCodeController::pinChangeRefusesInvalidNewPin()
{
    QFETCH(QString, newPin);
    PinCodeController controller;
    QSignalSpy newChecked(&controller, &PinCodeController::newPinCodeChecked);
    QSignalSpy finished(&controller, &PinCodeController::pinCodeChangeFinished);

    controller.onChangePinCodeOldPin(PinTypes::Pin::defaultPinText());
    controller.onChangePinCodeNewPin(newPin);
    controller.onChangePinCodeNewPinConfirm(newPin);

    QVERIFY(!newChecked.isEmpty());
    QCOMPARE(newChecked.at(0).at(0).toBool(), false);
    QVERIFY(!finished.isEmpty());
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(controller.isCurrentPin(PinTypes::Pin::defaultPinText()));
}

void TestPinCodeController::pinChangeConfirmMismatch()
{
    PinCodeController controller;
    QSignalSpy finished(&controller, &PinCodeController::pinCodeChangeFinished);

    controller.onChangePinCodeOldPin(PinTypes::Pin::defaultPinText());
    controller.onChangePinCodeNewPin(QStringLiteral("1234"));
    controller.onChangePinCodeNewPinConfirm(QStringLiteral("1243"));

    QVERIFY(!finished.isEmpty());
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QVERIFY(controller.isCurrentPin(PinTypes::Pin::defaultPinText()));
}

void TestPinCodeController::pinStoredEncipheredAndReadAfterRestart()
{
    {
        PinCodeController controller;
        controller.onChangePinCodeOldPin(PinTypes::Pin::defaultPinText());
        controller.onChangePinCodeNewPin(QStringLiteral("7391"));
        controller.onChangePinCodeNewPinConfirm(QStringLiteral("7391"));
    }

    const QByteArray file = settingsFileContent();
    QVERIFY(file.contains("pin_code_current_encrypted_1="));
    QVERIFY(file.contains("pin_code_current_encrypted_2="));
    QVERIFY2(!file.contains("7391"), file.constData());
    QVERIFY(!file.contains("pin_code_current="));

    restart();
    PinCodeController controller;
    QSignalSpy confirmed(&controller, &PinCodeController::pinCodeConfirmed);
    controller.onConfirmPinCode(QStringLiteral("7391"), QString(), false);
    controller.onConfirmPinCode(PinTypes::Pin::defaultPinText(), QString(), false);
    QVERIFY(!confirmed.isEmpty());
    QCOMPARE(confirmed.at(0).at(1).toBool(), true);
    QVERIFY(confirmed.size() > 1);
    QCOMPARE(confirmed.at(1).at(1).toBool(), false);
}

void TestPinCodeController::corruptStoredPinFallsBackToDefault()
{
    Settings::setValue(storeKey(Settings::pinCodeCurrentEncrypted1Key), 12345u);
    Settings::setValue(storeKey(Settings::pinCodeCurrentEncrypted2Key), 67890u);
    restart();

    PinCodeController controller;
    QVERIFY(controller.isCurrentPin(PinTypes::Pin::defaultPinText()));
}

void TestPinCodeController::plainPinOfOlderVersionMigrated()
{
    Settings::setValue(storeKey(Settings::pinCodeCurrentKey), QStringLiteral("2580"));
    restart();

    {
        PinCodeController controller;
        QVERIFY(controller.isCurrentPin(QStringLiteral("2580")));
    }
    const QByteArray file = settingsFileContent();
    QVERIFY(!file.contains("pin_code_current="));
    QVERIFY(!file.contains("2580"));

    restart();
    PinCodeController controller;
    QVERIFY(controller.isCurrentPin(QStringLiteral("2580")));
}

void TestPinCodeController::toggleStoresAndAnnounces()
{
    PinCodeController controller;
    QSignalSpy toggle(&controller, &PinCodeController::setPinToggle);

    controller.onPinCodeToggleChanged(PinTypes::E_demandPin, true);
    QCOMPARE(toggle.count(), 1);
    QCOMPARE(toggle.at(0).at(1).toBool(), true);
    QVERIFY(controller.isPinActivated());
    QCOMPARE(Settings::boolValue(storeKey(Settings::pinCodeActivatedKey), false), true);

    restart();
    PinCodeController restarted;
    QVERIFY(restarted.isPinActivated());
    restarted.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
    QCOMPARE(Settings::boolValue(storeKey(Settings::pinCodeActivatedKey), true), false);
}

void TestPinCodeController::toggleIgnoresOtherPages()
{
    PinCodeController controller;
    QSignalSpy toggle(&controller, &PinCodeController::setPinToggle);

    controller.onPinCodeToggleChanged(PinTypes::E_changePin, true);
    controller.onPinCodeToggleChanged(static_cast<PinTypes::PinViewTypes>(7), true);
    controller.onPinCodeToggleChanged(static_cast<PinTypes::PinViewTypes>(-1), true);

    QCOMPARE(toggle.count(), 0);
    QVERIFY(!controller.isPinActivated());
    QVERIFY(!Settings::settings()->contains(storeKey(Settings::pinCodeActivatedKey)));
}

void TestPinCodeController::switchingOnWithTheDefaultPinTellsIt_data()
{
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("alreadyOn");
    QTest::addColumn<bool>("told");
    QTest::newRow("default PIN") << QString() << false << true;
    QTest::newRow("PIN changed") << QStringLiteral("1357") << false << false;
    QTest::newRow("already on") << QString() << true << false;
}

// The toggle asks for no PIN: switched on while the PIN is still the default one, the lock tells
// which PIN unlocks the panel. Switching off tells nothing.
void TestPinCodeController::switchingOnWithTheDefaultPinTellsIt()
{
    QFETCH(QString, pin);
    QFETCH(bool, alreadyOn);
    QFETCH(bool, told);
    if (alreadyOn) {
        Settings::setValue(storeKey(Settings::pinCodeActivatedKey), true);
        restart();
    }
    PinCodeController controller;
    if (!pin.isEmpty()) {
        controller.onChangePinCodeOldPin(PinTypes::Pin::defaultPinText());
        controller.onChangePinCodeNewPin(pin);
        controller.onChangePinCodeNewPinConfirm(pin);
        QVERIFY(controller.isCurrentPin(pin));
    }
    QSignalSpy messages(&controller, &PinCodeController::panelUserMessageIssued);

    controller.onPinCodeToggleChanged(PinTypes::E_demandPin, true);
    QVERIFY(controller.isPinActivated());
    QCOMPARE(messages.count(), told ? 1 : 0);
    if (told) {
        const auto message =
            messages.at(0).at(0).value<signalInterface::UserMessageTypes::UserMessage>();
        QCOMPARE(message.id, 0x2050u);
        QCOMPARE(message.type, signalInterface::UserMessageTypes::E_typeOneButton);
        QCOMPARE(message.arguments, QStringList{QStringLiteral("4826")});
        QVERIFY(messages.at(0).at(1).value<signalInterface::UserMessageAction *>() == nullptr);
    }
    controller.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
    QCOMPARE(messages.count(), told ? 1 : 0);
}

namespace {

// The QML pages and the mouse handler as far as the PIN controller listens to them.
class PinPages : public QObject
{
    Q_OBJECT

signals:
    void old_pin_code(QString pin);
    void new_pin_code(QString pin);
    void new_pin_code_confirm(QString pin);
    void confirm_pin_code_login(QString pin, QString request, bool unlock);
    void pinToggleChanged(::signalInterface::PinTypes::PinViewTypes type, bool activated);
    void userMousePressOccurred();
    void userMouseHoldOccurred();
};

} // namespace

void TestPinCodeController::connectOperations()
{
    PinCodeController controller;
    PinPages pages;
    QObject plain;
    QCOMPARE(controller.connectPinChangeView({&pages}), 0);
    QCOMPARE(controller.connectPinLoginView({&pages}), 0);
    QCOMPARE(controller.connectPinToggleRequests({&pages}), 0);
    QCOMPARE(controller.connectUserMouseSignals({&pages}), 0);
    QCOMPARE(controller.connectPinChangeView({&plain}), 3);

    QSignalSpy confirmed(&controller, &PinCodeController::pinCodeConfirmed);
    emit pages.confirm_pin_code_login(PinTypes::Pin::defaultPinText(), QStringLiteral("x"), true);
    QCOMPARE(confirmed.count(), 1);
    emit pages.pinToggleChanged(PinTypes::E_demandPin, true);
    QVERIFY(controller.isPinActivated());
    emit pages.userMousePressOccurred();
    QVERIFY(controller.isLockTimerActive());
}

QTEST_GUILESS_MAIN(TestPinCodeController)
#include "tst_pin_code_controller.moc"
