#include "control/details/stored_enum_setting.h"
#include "control/haptic_sensor_controller.h"
#include "control/humidity_controller.h"
#include "control/language_controller.h"
#include "control/settings.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using control::Settings;
using namespace signalInterface;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// The raw text of a plain key in the file; a null string when the line is missing.
QString fileValue(const QString &path, const char *key)
{
    const QByteArray prefix = QByteArray(key) + '=';
    const QList<QByteArray> lines = readFile(path).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size()).trimmed());
    }
    return QString();
}

// A file as a user or a newer panel may leave it: every enum setting of the panel holds a value
// this program cannot read, and other keys stand between them.
const QByteArray handEditedFile = "[General]\n"
                                  "language=42\n"
                                  "temperature_unit=7\n"
                                  "temperature_presentation=-1\n"
                                  "humidity_presentation=2\n"
                                  "time_format=kitchen clock\n"
                                  "date_format=9\n"
                                  "start_of_week=7\n"
                                  "key_haptic_sensor_activated=5\n"
                                  "pin_code_activated=true\n";

} // namespace

// The enum settings that the controllers read at start-up: what they hold in memory and what
// they leave in the file.
class TestStoredEnumSetting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    }

    void init()
    {
        Settings::resetForTesting();
        QDir(m_configHome.path()).removeRecursively();
        QDir().mkpath(m_configHome.path());
        Settings::resetForTesting();
    }

    void cleanup() { Settings::resetForTesting(); }

    // The reader alone: an unreadable value reads as the default and is left as it is; a
    // missing key gets the default written.
    void readerKeepsUnreadableValueAndWritesMissingKey()
    {
        QVERIFY(writeFile(path(), "[General]\ndate_format=9\n"));
        Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
        QCOMPARE(control::details::readEnumSetting(Settings::dateFormatKey, &DateTimeTypes::fromInt,
                                                   DateTimeTypes::E_ddmmyy),
                 DateTimeTypes::E_ddmmyy);
        QCOMPARE(fileValue(path(), Settings::dateFormatKey), QStringLiteral("9"));

        QCOMPARE(control::details::readEnumSetting(Settings::timeFormatKey, &DateTimeTypes::fromInt,
                                                   DateTimeTypes::E_am_pm),
                 DateTimeTypes::E_am_pm);
        QCOMPARE(fileValue(path(), Settings::timeFormatKey),
                 QString::number(DateTimeTypes::E_am_pm));
        QCOMPARE(fileValue(path(), Settings::dateFormatKey), QStringLiteral("9"));
    }

    // Start-up with a hand-edited file: defaults in memory, the file untouched to the byte.
    void startUpLeavesHandEditedFileAlone()
    {
        QVERIFY(writeFile(path(), handEditedFile));
        {
            Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
            control::LanguageController language;
            control::TemperatureController temperature;
            control::HumidityController humidity;
            control::TimeController time;
            control::HapticSensorController haptic;

            QCOMPARE(language.language(), LanguageTypes::E_english);
            QCOMPARE(temperature.temperatureUnit(), TemperatureTypes::E_celsius);
            QCOMPARE(temperature.temperaturePresentation(), TemperatureTypes::E_smooth);
            QCOMPARE(humidity.humidityPresentation(), HumidityTypes::E_smooth);
            QCOMPARE(time.timeFormat(), DateTimeTypes::E_0_24);
            QCOMPARE(time.dateFormat(), DateTimeTypes::E_ddmmyy);
            QCOMPARE(time.weekDayStart(), CalendarTypes::E_monday);
            QCOMPARE(haptic.feedback(), HapticFeedbackTypes::E_activated);

            QCOMPARE(readFile(path()), handEditedFile);
        }
        // Nor is anything written when the store goes away.
        Settings::resetForTesting();
        QCOMPARE(readFile(path()), handEditedFile);
    }

    // A user's change writes that one setting; the other unreadable values stay.
    void userChangeWrites()
    {
        QVERIFY(writeFile(path(), handEditedFile));
        Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
        control::TemperatureController temperature;
        control::HumidityController humidity;
        control::TimeController time;
        control::HapticSensorController haptic;
        QCOMPARE(readFile(path()), handEditedFile);

        // The default chosen again is a choice as well.
        time.onDateFormatSelected(DateTimeTypes::E_ddmmyy);
        QCOMPARE(fileValue(path(), Settings::dateFormatKey),
                 QString::number(DateTimeTypes::E_ddmmyy));
        temperature.onTemperatureUnitChangeRequested(TemperatureTypes::E_fahrenheit);
        QCOMPARE(fileValue(path(), Settings::temperatureUnitKey),
                 QString::number(TemperatureTypes::E_fahrenheit));
        humidity.onHumidityPresentationChangeRequested(HumidityTypes::E_direct);
        QCOMPARE(fileValue(path(), Settings::humidityPresentationKey),
                 QString::number(HumidityTypes::E_direct));
        haptic.onHapticFeedbackChangeRequested(HapticFeedbackTypes::E_deactivated);
        QCOMPARE(fileValue(path(), Settings::keyHapticSensorActivatedKey),
                 QString::number(HapticFeedbackTypes::E_deactivated));

        QCOMPARE(fileValue(path(), Settings::timeFormatKey), QStringLiteral("kitchen clock"));
        QCOMPARE(fileValue(path(), Settings::startOfWeekKey), QStringLiteral("7"));
        QCOMPARE(fileValue(path(), Settings::temperaturePresentationKey), QStringLiteral("-1"));
        QCOMPARE(fileValue(path(), Settings::languageKey), QStringLiteral("42"));

        // The next start reads the user's choices.
        Settings::resetForTesting();
        Settings again(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
        control::TemperatureController restartedTemperature;
        control::TimeController restartedTime;
        QCOMPARE(restartedTemperature.temperatureUnit(), TemperatureTypes::E_fahrenheit);
        QCOMPARE(restartedTime.dateFormat(), DateTimeTypes::E_ddmmyy);
        QCOMPARE(fileValue(path(), Settings::timeFormatKey), QStringLiteral("kitchen clock"));
    }

    // A file without the keys gets every default at start-up, as before.
    void missingKeysWritten()
    {
        QVERIFY(writeFile(path(), "[General]\npin_code_activated=true\n"));
        Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
        control::TemperatureController temperature;
        control::HumidityController humidity;
        control::TimeController time;
        control::HapticSensorController haptic;
        for (const char *key :
             {Settings::temperatureUnitKey, Settings::temperaturePresentationKey,
              Settings::humidityPresentationKey, Settings::timeFormatKey, Settings::dateFormatKey,
              Settings::startOfWeekKey, Settings::keyHapticSensorActivatedKey})
            QVERIFY2(!fileValue(path(), key).isEmpty(), key);
        QCOMPARE(fileValue(path(), Settings::dateFormatKey),
                 QString::number(DateTimeTypes::E_ddmmyy));
        QCOMPARE(fileValue(path(), "pin_code_activated"), QStringLiteral("true"));
    }

private:
    QString path() const { return m_configHome.path() + QStringLiteral("/Vaho/PC_Panel.ini"); }

    QTemporaryDir m_configHome;
};

QTEST_GUILESS_MAIN(TestStoredEnumSetting)
#include "tst_stored_enum_setting.moc"
