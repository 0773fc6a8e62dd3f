#include "text_fit.h"

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"

#include <QQuickItem>
#include <QTest>

#include <functional>

using signalInterface::AuxiliaryRelayTypes;
using signalInterface::ConfigureTypes;

// The whole panel against the simulated sauna on loopback, with a sauna name as long as a user
// gives one, on a 12-hour clock. The screens of a relay and of its fragrance and descaling
// functions, each opened by taps from the list of settings areas, show their texts whole in all
// fourteen languages, each page opened again after each switch:
// none cut off, out of its box or the window, broken inside a number and its unit or a word, or
// over another text or under a button.
class TestFitAuxRelayPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    // The relay of the simulated sauna that gets the fragrance function.
    static constexpr int fragranceRelay = 2;

    // Each page opened from the settings areas, and again after each change of language: the
    // relay options write their texts as a page opens, so a new language shows at the next
    // opening, as the user comes back from the Language screen.
    void checkOpenedPage(const QString &pageName, const std::function<void()> &open)
    {
        const auto openFromTheAreas = [&] {
            STEP(backToSettingsAreas());
            STEP(open());
            QVERIFY2(waitForItem(pageName), qPrintable(pageName));
        };
        STEP(openFromTheAreas());
        STEP(checkPageInEveryLanguage(pageName, openFromTheAreas));
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        STEP(startConnected(longNamedSaunaOptions()));
        STEP(waitForDescalingRelay());
        STEP(dismissPopups());
        useWidestUnits();
        STEP(tapTab(settingsTabIndex));
    }

    void cleanupTestCase()
    {
        useDefaultUnits();
        shutDown();
    }

    void cleanup() { STEP(failOnProblems()); }

    void relaysFragranceAndDescaling()
    {
        STEP(
            checkOpenedPage(QStringLiteral("auxRelayPage"), [this] { openRelay(fragranceRelay); }));
        STEP(checkOpenedPage(QStringLiteral("auxFragrancePage"), [this] {
            STEP(openRelay(fragranceRelay));
            STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
        }));
        const std::pair<int, const char *> fragrancePages[] = {
            {AuxiliaryRelayTypes::E_pump, "fragrancePumpEditorPage"},
            {AuxiliaryRelayTypes::E_stop, "fragranceStopEditorPage"}};
        for (const auto &[applId, name] : fragrancePages) {
            STEP(checkOpenedPage(QString::fromLatin1(name), [&, applId = applId] {
                STEP(openRelay(fragranceRelay));
                STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
                QVERIFY(waitForItem(QStringLiteral("auxFragrancePage")));
                STEP(tapRow(QStringLiteral("settingsList"), applId));
            }));
        }
        STEP(checkOpenedPage(QStringLiteral("auxDescalingPage"), [this] { openDescalingPage(); }));
        const std::pair<int, const char *> descalingPages[] = {
            {AuxiliaryRelayTypes::E_startTime, "descalingStartTimePage"},
            {AuxiliaryRelayTypes::E_duration, "descalingDurationPage"},
            {AuxiliaryRelayTypes::E_dosage, "descalingDosagePage"},
            {AuxiliaryRelayTypes::E_weekday, "descalingWeekdayPage"}};
        for (const auto &[applId, name] : descalingPages) {
            STEP(checkOpenedPage(QString::fromLatin1(name), [&, applId = applId] {
                STEP(openDescalingPage());
                STEP(tapRow(QStringLiteral("settingsList"), applId));
            }));
        }
        STEP(checkOpenedPage(QStringLiteral("descalingRepeatPage"), [this] {
            STEP(openDescalingPage());
            STEP(tapRow(QStringLiteral("settingsList"), AuxiliaryRelayTypes::E_weekday));
            QVERIFY(waitForItem(QStringLiteral("descalingWeekdayPage")));
            STEP(tapPageRow(QStringLiteral("descalingWeekdayPage"),
                            view::ConfigureSystemAuxDescalingViewManager::repeatRowId));
        }));
    }
};

QTEST_MAIN(TestFitAuxRelayPages)
#include "tst_fit_aux_relay_pages.moc"
