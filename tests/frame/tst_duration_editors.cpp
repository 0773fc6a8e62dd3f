#include "frame_test_support.h"

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/time_edit_types.h"
#include "value/duration_manager.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/panel_frame.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using signalInterface::TimeEditTypes;

namespace {

constexpr qint64 minuteMs = 60000;
// A bath-time limit as a sauna reports it, for the editors whose upper limit comes from the
// sauna.
constexpr qint64 saunaBathTimeLimitMs = 720 * minuteMs;
constexpr qint64 fromOwner = -1;

} // namespace

// Every duration editor of the program: the program's own duration manager, as its owner set it
// up, behind the duration stepper with the components its page names. A user steps the top
// component down to the lower limit and once more round to the upper one, then takes one step of
// the finest component; the editor shows each limit as it is and the manager holds the value its
// owner sends.
class TestDurationEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
        m_variant =
            std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, options);
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
    }

    void eachEditorReachesAndShowsBothLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("lower");
        QTest::addColumn<qint64>("upper");
        QTest::addColumn<QString>("lowerText");
        QTest::addColumn<QString>("upperText");
        QTest::addColumn<QString>("belowUpperText");
        QTest::addColumn<QList<int>>("components");

        const qint64 sauna = saunaBathTimeLimitMs;
        const QList<int> hourAndMinutes{TimeEditTypes::E_hour, TimeEditTypes::E_minute};
        QTest::newRow("bath time")
            << "sauna_state_bath_time_manager" << fromOwner << sauna << "0 h|1 min"
            << "12 h|00 min"
            << "11 h|59 min" << hourAndMinutes;
        QTest::newRow("favorite bath time")
            << "favorites_bath_time_manager" << fromOwner << sauna << "0 h|0 min"
            << "12 h|00 min"
            << "11 h|59 min" << hourAndMinutes;
        QTest::newRow("date program stop after")
            << "date_calendar_custom_stop_after_manager" << fromOwner << sauna << "0 h|1 min"
            << "12 h|00 min"
            << "11 h|59 min" << hourAndMinutes;
        QTest::newRow("weekday program stop after")
            << "week_day_calendar_custom_stop_after_manager" << fromOwner << sauna << "0 h|1 min"
            << "12 h|00 min"
            << "11 h|59 min" << hourAndMinutes;
        QTest::newRow("fan run time")
            << "fan_runtime_time_manager" << fromOwner << fromOwner << "0 h|1 min"
            << "3 h|00 min"
            << "2 h|59 min" << hourAndMinutes;
        QTest::newRow("external switch bath time")
            << "external_switch_bathtime_time_manager" << fromOwner << sauna << "0 h|1 min"
            << "12 h|00 min"
            << "11 h|59 min" << hourAndMinutes;
        QTest::newRow("tank auto-emptying")
            << "tank_auto_emptying_time_manager" << fromOwner << fromOwner << "1 h|00 min"
            << "8 h|00 min"
            << "7 h|59 min" << hourAndMinutes;
        // Ten hours a step, and no minutes to step.
        QTest::newRow("cleanup") << "cleanup_time_manager" << fromOwner << fromOwner << "10 h"
                                 << "1500 h"
                                 << "1490 h" << QList<int>{TimeEditTypes::E_hour};
        QTest::newRow("descaling duration") << "configure_system_aux_descaling_duration_manager"
                                            << fromOwner << fromOwner << "0 h|1 min"
                                            << "24 h|00 min"
                                            << "23 h|59 min" << hourAndMinutes;
        QTest::newRow("fragrance pump")
            << "fragrance_pump_manager" << fromOwner << fromOwner << "0 min|0 s|100 ms"
            << "2 min|00 s|000 ms"
            << "1 min|59 s|900 ms"
            << QList<int>{TimeEditTypes::E_minute, TimeEditTypes::E_second,
                          TimeEditTypes::E_milliSecond};
        QTest::newRow("fragrance stop")
            << "fragrance_stop_manager" << fromOwner << fromOwner << "0 h|0 min|1 s"
            << "2 h|00 min|00 s"
            << "1 h|59 min|59 s"
            << QList<int>{TimeEditTypes::E_hour, TimeEditTypes::E_minute, TimeEditTypes::E_second};
        QTest::newRow("tank fill time")
            << "configure_limits_tank_fill_time_manager" << fromOwner << fromOwner << "6 min|00 s"
            << "20 min|00 s"
            << "19 min|59 s" << QList<int>{TimeEditTypes::E_minute, TimeEditTypes::E_second};
    }

    void eachEditorReachesAndShowsBothLimits()
    {
        QFETCH(QString, name);
        QFETCH(qint64, lower);
        QFETCH(qint64, upper);
        QFETCH(QString, lowerText);
        QFETCH(QString, upperText);
        QFETCH(QString, belowUpperText);
        QFETCH(QList<int>, components);
        auto *manager = qobject_cast<value::DurationManager *>(
            m_frame->guiHandler.view()->rootContext()->contextProperty(name).value<QObject *>());
        QVERIFY2(manager, qPrintable(name));
        QVERIFY(showEditor(manager, components));
        // What the sauna would have reported: its limit, and a value between the limits.
        if (lower != fromOwner)
            manager->setLowerLimit(lower);
        if (upper != fromOwner)
            manager->setUpperLimit(upper);
        lower = manager->lowerLimit();
        upper = manager->upperLimit();
        // Before its owner has a value, the editor reads "--" and no step button can be pressed.
        QVERIFY(!manager->hasValue());
        QVERIFY(shownText().startsWith(QStringLiteral("-- ")));
        for (int component : components) {
            for (bool increase : {false, true})
                QVERIFY(stepButton(component, increase)->property("blocked").toBool());
        }
        manager->setValue(lower + (upper - lower) / 2 / 1000 * 1000);

        const int top = components.first();
        const int finest = components.last();

        // Down to the lower limit: a step past it ends on it.
        for (int tap = 0; tap < 200 && manager->value() != lower; ++tap)
            QVERIFY(tapStep(top, false));
        QCOMPARE(manager->value(), std::optional<qint64>(lower));
        QCOMPARE(shownText(), lowerText);
        // Below the top component a step past a limit is blocked; the top one goes round.
        QVERIFY(stepButton(finest, true));
        QCOMPARE(stepButton(finest, false)->property("blocked").toBool(), finest != top);
        QVERIFY(!stepButton(finest, true)->property("blocked").toBool());

        // Once more goes round to the upper limit.
        QVERIFY(tapStep(top, false));
        QCOMPARE(manager->value(), std::optional<qint64>(upper));
        QCOMPARE(shownText(), upperText);
        QCOMPARE(stepButton(finest, true)->property("blocked").toBool(), finest != top);
        QVERIFY(!stepButton(finest, false)->property("blocked").toBool());

        // The finest component steps too.
        QVERIFY(tapStep(finest, false));
        QCOMPARE(shownText(), belowUpperText);
        QVERIFY(tapStep(finest, true));
        QCOMPARE(manager->value(), std::optional<qint64>(upper));
    }

    // The pump's time travels in tenths of a second, the stop's in seconds: the editors' limits
    // are sent as they are.
    void theFragranceTimesSendTheirLimits()
    {
        auto &relays = m_frame->configureTab.manager<view::ConfigureSystemAuxViewManager>();
        view::ConfigureSystemAuxFragranceViewManager &fragrance = relays.fragranceManager();
        value::DurationManager *pump = fragrance.pumpManager();
        QSignalSpy sent(&fragrance,
                        &view::ConfigureSystemAuxFragranceViewManager::auxRelayUpdateRequested);
        QVERIFY(showEditor(pump, {TimeEditTypes::E_minute, TimeEditTypes::E_second,
                                  TimeEditTypes::E_milliSecond}));
        pump->setValue(5000);
        for (int tap = 0; tap < 5 && pump->value() != pump->lowerLimit(); ++tap)
            QVERIFY(tapStep(TimeEditTypes::E_minute, false));
        fragrance.onAuxPumpDurationCommit();
        QVERIFY(tapStep(TimeEditTypes::E_minute, false));
        fragrance.onAuxPumpDurationCommit();
        QCOMPARE(sent.count(), 2);
        using Post = signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost;
        QCOMPARE(sent.at(0).at(0).value<Post>().onTimeValue, 1u);
        QCOMPARE(sent.at(1).at(0).value<Post>().onTimeValue, 1200u);

        value::DurationManager *stop = fragrance.stopManager();
        QVERIFY(showEditor(
            stop, {TimeEditTypes::E_hour, TimeEditTypes::E_minute, TimeEditTypes::E_second}));
        stop->setValue(30000);
        for (int tap = 0; tap < 5 && stop->value() != stop->lowerLimit(); ++tap)
            QVERIFY(tapStep(TimeEditTypes::E_hour, false));
        fragrance.onAuxStopDurationCommit();
        QVERIFY(tapStep(TimeEditTypes::E_hour, false));
        fragrance.onAuxStopDurationCommit();
        QCOMPARE(sent.count(), 4);
        QCOMPARE(sent.at(2).at(0).value<Post>().offTimeValue, 1u);
        QCOMPARE(sent.at(3).at(0).value<Post>().offTimeValue, 7200u);
    }

private:
    // The editor is there before the manager tells anything, as a page's editor is.
    bool showEditor(value::DurationManager *manager, const QList<int> &components)
    {
        m_components = components;
        m_view = std::make_unique<QQuickView>();
        m_view->resize(340, 300);
        m_view->rootContext()->setContextProperty(QStringLiteral("durationManager"), manager);
        m_view->setSource(QUrl::fromLocalFile(QStringLiteral(PANEL_QML_DIRECTORY) +
                                              QStringLiteral("components/DurationStepper.qml")));
        QQuickItem *editor = m_view->rootObject();
        if (!editor)
            return false;
        editor->setProperty("manager", QVariant::fromValue<QObject *>(manager));
        editor->setProperty("components", QVariant::fromValue(components));
        editor->setWidth(340);
        // The editor asks; the owner's wiring hands the request to the manager.
        QObject::connect(editor, SIGNAL(durationChangeRequested(int, int)), manager,
                         SLOT(onDurationChangeRequested(int, int)));
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            return false;
        return true;
    }

    // The component's stepper button of that direction: the page names the components, and the
    // editor draws one column of them each, left to right.
    QQuickItem *stepButton(int component, bool increase)
    {
        const int column = int(m_components.indexOf(component));
        QList<QQuickItem *> buttons;
        collect(
            m_view->rootObject(),
            [&](QQuickItem *item) {
                return item->isVisible() && item->property("increase").isValid() &&
                       item->property("blocked").isValid() &&
                       item->property("increase").toBool() == increase;
            },
            buttons);
        std::sort(buttons.begin(), buttons.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
        });
        return column >= 0 && column < buttons.size() ? buttons.at(column) : nullptr;
    }

    bool tapStep(int component, bool increase)
    {
        QQuickItem *button = stepButton(component, increase);
        if (!button)
            return false;
        const QPointF centre =
            button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, centre.toPoint());
        return true;
    }

    // The component texts the editor shows, left to right, joined by "|".
    QString shownText()
    {
        QList<QQuickItem *> texts;
        collect(
            m_view->rootObject(),
            [](QQuickItem *item) {
                return item->isVisible() &&
                       QByteArray(item->metaObject()->className()).startsWith("QQuickText");
            },
            texts);
        std::sort(texts.begin(), texts.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
        });
        QStringList shown;
        for (QQuickItem *text : texts)
            shown << text->property("text").toString();
        return shown.join(QLatin1Char('|'));
    }

    template<typename Test>
    static void collect(QQuickItem *item, const Test &test, QList<QQuickItem *> &found)
    {
        if (test(item))
            found << item;
        for (QQuickItem *child : item->childItems())
            collect(child, test, found);
    }

    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;
    std::unique_ptr<QQuickView> m_view;
    QList<int> m_components;
};

QTEST_MAIN(TestDurationEditors)
#include "tst_duration_editors.moc"
