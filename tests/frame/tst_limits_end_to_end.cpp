#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/configure/configure_limits_view_manager.h"

#include <QQuickItem>
#include <QTest>

namespace {

// A temperature in ninths of a degree as a stepper shows it in Celsius.
QString celsius(int ninths)
{
    return QString::number(ninths / 9) + QStringLiteral(" °C");
}

} // namespace

// The whole panel connected to the simulated sauna on loopback. The user goes to the settings
// tab, opens Limits and each of its editors by taps, changes one value on each and saves it; the
// test checks the request the sauna receives and the value the screen shows after the sauna's
// report.
class TestLimitsEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // The requests the sauna received since the last call, as "integer id value" lines.
    QStringList takeRequests()
    {
        QStringList taken;
        taken.swap(m_requests);
        return taken;
    }

    QString shownText(const QString &stepperName, const char *textName = "valueText")
    {
        QQuickItem *stepper = waitForItem(stepperName);
        if (stepper == nullptr)
            return QString();
        auto *text = stepper->findChild<QQuickItem *>(QString::fromLatin1(textName));
        return text ? text->property("text").toString() : QString();
    }

    // The round button of a stepper, by its place among the stepper's buttons.
    QQuickItem *stepButton(const QString &stepperName, bool increase, int index = 0)
    {
        QQuickItem *stepper = waitForItem(stepperName);
        if (stepper == nullptr)
            return nullptr;
        int seen = 0;
        return findVisibleItem(stepper, [&](QQuickItem *item) {
            return item->property("increase").isValid() &&
                   item->property("increase").toBool() == increase && seen++ == index;
        });
    }

    void openLimits()
    {
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_limits")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
    }

    // The back arrow of the page on top: the only header shown with one.
    void back()
    {
        // A page that is still leaving shows its header too.
        waitForPagesAtRest();
        QQuickItem *header = findVisibleItem(
            sceneRoot(), [](QQuickItem *item) { return item->property("backVisible").toBool(); });
        QVERIFY(header);
        QQuickItem *arrow = findVisibleItem(
            header, [](QQuickItem *item) { return item->inherits("QQuickMouseArea"); });
        STEP(tap(arrow));
    }

    QStringList m_requests;

private slots:
    void initTestCase()
    {
        tools::SimulatorOptions options = saunaOptions();
        // A manual combi: every Limits row, its water editor named as a combi names it, and a
        // tank that fills in ten minutes.
        options.rcbProduct = 30;
        STEP(startSauna(options));
        connect(m_sauna.get(), &tools::SimulatedSauna::integerRequested, this,
                [this](int id, quint32 value) {
                    m_requests << QStringLiteral("integer %1 %2").arg(id).arg(value);
                });
        connect(m_sauna.get(), &tools::SimulatedSauna::booleanRequested, this,
                [this](int id, bool value) {
                    m_requests << QStringLiteral("boolean %1 %2").arg(id).arg(int(value));
                });
        STEP(startPanel());
        STEP(connectToTheSauna());
        // The full report has arrived once the menu has every row.
        QTRY_COMPARE(
            m_frame->configureTab.manager<view::ConfigureLimitsViewManager>().model()->rowCount(),
            5);
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void bathTemperatureStepIsSentAndShown()
    {
        STEP(openLimits());
        STEP(saveScreenshot(QStringLiteral("limits_menu")));
        takeRequests();
        STEP(tapRow(QStringLiteral("settingsList"), 0));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsBathTemperaturePage")));
        const int before = int(m_sauna->model().integer(tools::IntegerId::UpperTemperatureLimit));
        const QString stepper = QStringLiteral("limitsMaxBathTemperatureStepper");
        QTRY_COMPARE(shownText(stepper), celsius(before));
        // Opening the editor sent nothing.
        QVERIFY(takeRequests().isEmpty());

        STEP(tap(stepButton(stepper, false)));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 13 %1").arg(before - 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::UpperTemperatureLimit),
                     quint32(before - 9));
        QTRY_COMPARE(shownText(stepper), celsius(before - 9));
        STEP(saveScreenshot(QStringLiteral("limits_bath_temperature")));
        STEP(back());
    }

    void waterTemperatureIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsWaterTemperaturePage")));
        // The page carries the title of its row; a combi calls it the water temperature.
        QCOMPARE(findVisibleItem(sceneRoot(), QStringLiteral("limitsWaterTemperaturePage"))
                     ->property("title")
                     .toString(),
                 QStringLiteral("Water temperature"));
        const QString stepper = QStringLiteral("limitsWaterTemperatureStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::WaterTemperatureLimit));
        QTRY_COMPARE(shownText(stepper), celsius(before));
        STEP(tap(stepButton(stepper, true)));
        QTRY_COMPARE(shownText(stepper), celsius(before + 9));
        // A step alone is not sent; "Save" sends the limit.
        QVERIFY(takeRequests().isEmpty());
        STEP(saveScreenshot(QStringLiteral("limits_water_temperature")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 19 %1").arg(before + 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::WaterTemperatureLimit),
                     quint32(before + 9));
        // Opened again, the editor shows the sauna's report.
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QTRY_COMPARE(shownText(stepper), celsius(before + 9));
        STEP(back());

        // A steam product's entry reads "Overheating", and so does the page it opens.
        using signalInterface::MasterFuncDescTypes;
        auto &limits = m_frame->configureTab.manager<view::ConfigureLimitsViewManager>();
        limits.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_private);
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsWaterTemperaturePage")));
        QCOMPARE(findVisibleItem(sceneRoot(), QStringLiteral("limitsWaterTemperaturePage"))
                     ->property("title")
                     .toString(),
                 QStringLiteral("Overheating"));
        STEP(back());
        limits.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_manual);
    }

    void fillTimeIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 5));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsFillTimePage")));
        const QString stepper = QStringLiteral("limitsFillTimeStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::RcbTankFillTime));
        QCOMPARE(before, 600);
        QTRY_VERIFY(findVisibleItem(waitForItem(stepper), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("10 min");
        }));
        // One minute more.
        STEP(tap(stepButton(stepper, true, 0)));
        STEP(saveScreenshot(QStringLiteral("limits_fill_time")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 25 660")});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::RcbTankFillTime), quint32(660));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 5));
        QTRY_VERIFY(findVisibleItem(waitForItem(stepper), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("11 min");
        }));
        STEP(back());
    }

    void overheatLimitIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatPage")));
        const QString stepper = QStringLiteral("limitsPcbOverheatStepper");
        const int before = int(m_sauna->model().integer(tools::IntegerId::PcbOverheatLimit));
        QTRY_COMPARE(shownText(stepper), celsius(before));
        // Not the Solvenno mode: no water editor on this page.
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatWaterStepper")));
        STEP(tap(stepButton(stepper, false)));
        STEP(saveScreenshot(QStringLiteral("limits_overheating")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_COMPARE(m_requests, QStringList{QStringLiteral("integer 20 %1").arg(before - 9)});
        takeRequests();
        QTRY_COMPARE(m_sauna->model().integer(tools::IntegerId::PcbOverheatLimit),
                     quint32(before - 9));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_COMPARE(shownText(stepper), celsius(before - 9));
        STEP(back());
    }

    // A system mode reported before the Limits pages were first opened still decides the
    // overheating page: in the Solvenno mode it carries the water limit's editor.
    void solvennoOverheatPageCarriesTheWaterLimit()
    {
        auto &limits = m_frame->configureTab.manager<view::ConfigureLimitsViewManager>();
        limits.onSaunaSystemModeChanged(signalInterface::MasterFuncDescTypes::E_solvenno);
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatPage")));
        const int water = int(m_sauna->model().integer(tools::IntegerId::WaterTemperatureLimit));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatWaterStepper")));
        QTRY_COMPARE(shownText(QStringLiteral("limitsOverheatWaterStepper")), celsius(water));
        STEP(back());
        limits.onSaunaSystemModeChanged(signalInterface::MasterFuncDescTypes::E_standard);
        STEP(tapRow(QStringLiteral("settingsList"), 6));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatPage")));
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("limitsOverheatWaterStepper")));
        STEP(back());
    }

    void notAllowedStartIsSavedAndShown()
    {
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartPage")));
        const QString list = QStringLiteral("notAllowedStartList");
        const auto rowShows = [this, &list](const QString &text) {
            return findVisibleItem(waitForItem(list), [&text](QQuickItem *item) {
                       return item->property("text").toString() == text;
                   }) != nullptr;
        };
        // The sauna's 22:00-06:00, switched off.
        QTRY_VERIFY(rowShows(QStringLiteral("22:00")));
        QTRY_VERIFY(rowShows(QStringLiteral("06:00")));

        // "From": one hour later, saved into the edit; nothing sent yet.
        STEP(tapRow(list, 4));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartTimePage")));
        STEP(tap(stepButton(QStringLiteral("notAllowedStartTimeStepper"), true, 0)));
        STEP(saveScreenshot(QStringLiteral("limits_not_allowed_start_from")));
        STEP(tap(QStringLiteral("limitsSaveButton")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartPage")));
        QTRY_VERIFY(rowShows(QStringLiteral("23:00")));
        // The switch on, locally.
        QQuickItem *toggle = waitForItem(QStringLiteral("rowToggle"));
        STEP(tap(toggle));
        QTRY_VERIFY(toggle->property("checked").toBool());
        QVERIFY(takeRequests().isEmpty());
        STEP(saveScreenshot(QStringLiteral("limits_not_allowed_start")));

        // "Save": the switch, then both times in minutes of the day.
        STEP(tap(QStringLiteral("notAllowedStartSaveButton")));
        QTRY_COMPARE(m_requests.size(), 3);
        QCOMPARE(takeRequests(),
                 (QStringList{QStringLiteral("boolean 17 1"), QStringLiteral("integer 26 1380"),
                              QStringLiteral("integer 27 360")}));
        QTRY_VERIFY(m_sauna->model().boolean(tools::BooleanId::NotAllowedStartEnable));
        QCOMPARE(m_sauna->model().integer(tools::IntegerId::NotAllowedStartFrom), quint32(1380));
        // Opened again, the page shows the sauna's reports.
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("limitsMenuPage")));
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_VERIFY(rowShows(QStringLiteral("23:00")));
        QTRY_VERIFY(waitForItem(QStringLiteral("rowToggle"))->property("checked").toBool());
    }
};

QTEST_MAIN(TestLimitsEndToEnd)
#include "tst_limits_end_to_end.moc"
