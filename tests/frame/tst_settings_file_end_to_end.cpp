#include "panel_under_test.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/temperature_types.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQuickItem>
#include <QSettings>
#include <QTest>

// The settings file as the whole panel meets it at a start: a damaged file is kept aside, repaired
// from its intact lines and the user is told once where the copy is, a file that cannot be written
// is told once, and in both cases the panel runs on.
class TestSettingsFileEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void damagedFileIsKeptAsideAndToldOnce();
    void unwritableFileIsToldOnce();

private:
    // The program started anew on the file as it lies now: the store opened first, as the entry
    // does, then the panel shown.
    void startAgain();

    QString m_path;
};

namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestSettingsFileEndToEnd::initTestCase()
{
    prepareProcess();
    m_path = control::Settings::settings()->fileName();
}

void TestSettingsFileEndToEnd::cleanup()
{
    shutDown();
    if (QFileInfo(m_path).isDir())
        QVERIFY(QDir(m_path).removeRecursively());
    QFile::remove(m_path + QLatin1String(".damaged"));
}

void TestSettingsFileEndToEnd::startAgain()
{
    shutDown();
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings(startUp::settingsOrganizationName(control::buildBrand()),
                      pcPanel::InstanceSettings::applicationBaseName());
    STEP(showPanelWithoutLink());
}

void TestSettingsFileEndToEnd::damagedFileIsKeptAsideAndToldOnce()
{
    const QByteArray damaged = "[General]\n"
                               "pc_panel_auto_connect=false\n"
                               "[" +
                               QByteArray(298, 'x') + "\ntime_format=1\n";
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(damaged), damaged.size());
    file.close();

    STEP(startAgain());
    const QString copyPath = QDir::toNativeSeparators(m_path + QLatin1String(".damaged"));
    QCOMPARE(dismissPopups(),
             QStringList(QStringLiteral("The settings file was damaged and has been repaired; "
                                        "settings on damaged lines may be lost. The damaged file "
                                        "was copied to %1")
                             .arg(copyPath)));
    QCOMPARE(fileContent(m_path + QLatin1String(".damaged")), damaged);
    // The line after the damaged one holds.
    QCOMPARE(m_frame->controllerTab.timeController.timeFormat(),
             signalInterface::DateTimeTypes::E_am_pm);

    // The start-up has written the file anew; the next start finds nothing to tell.
    STEP(startAgain());
    QCOMPARE(dismissPopups(), QStringList());
    QCOMPARE(fileContent(m_path + QLatin1String(".damaged")), damaged);
}

void TestSettingsFileEndToEnd::unwritableFileIsToldOnce()
{
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QDir().mkpath(m_path));

    STEP(startAgain());
    QCOMPARE(
        dismissPopups(),
        QStringList(QStringLiteral(
            "The settings cannot be saved. Changes will not be kept when the program closes.")));

    // A change the user makes does not reach the file either, and is not told again.
    m_frame->controllerTab.temperatureController.onTemperatureUnitChangeRequested(
        signalInterface::TemperatureTypes::E_fahrenheit);
    QCoreApplication::sendPostedEvents();
    auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    QVERIFY(QFileInfo(m_path).isDir());
}

QTEST_MAIN(TestSettingsFileEndToEnd)

#include "tst_settings_file_end_to_end.moc"
