#include "control/settings.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/datagram_transport.h"
#include "pc_panel/instance_settings.h"
#include "pc_panel/supported_characters.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "qml/capturing_transport.h"
#include "qml/scene_test_support.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/favorites_types.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/frame_wiring.h"
#include "view_cpp/language_support.h"
#include "view_cpp/line_breaks.h"
#include "view_cpp/list_model.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/start_up.h"

#include "message.pb.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>

#include <functional>
#include <memory>

// The calendar and favorites tabs of the real scene, driven with mouse clicks: what the user sees
// and what reaches the wire. The sender's transport is replaced by one that keeps each datagram;
// the link itself is never started, so no socket is opened.

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using signalInterface::FavoritesTypes::FavoritesPost;

using sceneTest::CapturingTransport;
using sceneTest::previousHandler;
using sceneTest::recordedWarnings;
using sceneTest::recordMessage;

namespace {

QQuickItem *findItem(QQuickItem *parent, const std::function<bool(QQuickItem *)> &matches)
{
    if (!parent)
        return nullptr;
    for (QQuickItem *child : parent->childItems()) {
        if (matches(child))
            return child;
        if (QQuickItem *found = findItem(child, matches))
            return found;
    }
    return nullptr;
}

bool shown(QQuickItem *item)
{
    return item && item->isVisible() && item->opacity() > 0.0;
}

QQuickItem *named(QQuickItem *parent, const QString &objectName)
{
    return findItem(parent, [&](QQuickItem *item) { return item->objectName() == objectName; });
}

// A shown button or text with exactly this text.
QQuickItem *withText(QQuickItem *parent, const QString &text)
{
    return findItem(parent, [&](QQuickItem *item) {
        return shown(item) && item->property("text").toString() == text;
    });
}

// The shown list row whose main text is the text.
QQuickItem *row(QQuickItem *list, const QString &text)
{
    return findItem(list, [&](QQuickItem *item) {
        return item->objectName() == QLatin1String("menuRow") && shown(item) &&
               withText(item, text);
    });
}

// The shown texts of a list row, in order.
QStringList rowTexts(QQuickItem *rowItem)
{
    QStringList texts;
    if (!rowItem)
        return texts;
    std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
        for (QQuickItem *child : item->childItems()) {
            // The arrow and the check mark are decorations, not texts of the row.
            const QString text = child->property("text").toString();
            if (child->inherits("QQuickText") && shown(child) && text != QStringLiteral("›") &&
                text != QStringLiteral("✓"))
                texts << text;
            collect(child);
        }
    };
    collect(rowItem);
    return texts;
}

// The step buttons of a stepper in their order on the screen, increase or decrease.
QList<QQuickItem *> stepButtons(QQuickItem *stepper, bool increase)
{
    QList<QQuickItem *> buttons;
    if (!stepper)
        return buttons;
    std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
        for (QQuickItem *child : item->childItems()) {
            const QVariant kind = child->property("increase");
            if (kind.isValid() && kind.toBool() == increase)
                buttons << child;
            else
                collect(child);
        }
    };
    collect(stepper);
    std::sort(buttons.begin(), buttons.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
    });
    return buttons;
}

vaholumo::Calendar_post onlyCalendarPost(const QList<vaholumo::External_to_sauna> &envelopes)
{
    if (envelopes.size() != 1 || envelopes.first().calendar_post_size() != 1)
        return {};
    return envelopes.first().calendar_post(0);
}

vaholumo::Favorite_post onlyFavoritePost(const QList<vaholumo::External_to_sauna> &envelopes)
{
    if (envelopes.size() != 1 || envelopes.first().favorite_post_size() != 1)
        return {};
    return envelopes.first().favorite_post(0);
}

QString favoriteName(const vaholumo::Favorite_post &post)
{
    QString name;
    for (const quint32 unit : post.name())
        name.append(QChar(static_cast<char16_t>(unit)));
    return name;
}

} // namespace

class TestCalendarScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void monthHeaderStartsAtTheConfiguredFirstWeekday();
    void newWeekdayProgramIsEditedRowByRowAndSaved();
    void dateProgramAsksBeforeItIsSavedOrDeleted();
    void dateProgramInThePastIsRefused();
    void favoritesAreCreatedEditedStartedAndDeleted();
    void favoriteNameWithUnsupportedCharactersIsSavedWithUnderscores();

private:
    QQuickItem *rootItem() const;
    QQuickItem *item(const QString &objectName) const { return named(rootItem(), objectName); }
    void click(QQuickItem *target);
    // Renders a frame, so that layouts and list views have placed their items.
    void settle();
    void showTab(int tab);
    void clickText(const QString &text);
    void openCalendarSection(const QString &section);
    QString popupText() const;
    void answerPopup(const char *buttonName);
    void reportProgram(const CalendarProgram &program);
    void reportFavorite(const FavoritesPost &favorite);

    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;
    std::unique_ptr<details::ConfigureTabObjectsProvider> m_configure;
    CapturingTransport m_transport;
};

void TestCalendarScene::initTestCase()
{
    previousHandler = qInstallMessageHandler(recordMessage);
    control::Settings(startUp::settingsOrganizationName(control::buildBrand()),
                      pcPanel::InstanceSettings::applicationBaseName());
    startUp::registerSignalMetaTypes();
    startUp::registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();

    m_variant = std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
    startUp::FrameOptions options;
    options.qmlDirectory = QStringLiteral(PANEL_QML_VIEW_DIR "/");
    m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, options);
    QQmlContext *context = m_frame->guiHandler.view()->rootContext();
    if (!context->contextProperty(QStringLiteral("configure_network_controller")).isValid()) {
        m_configure = std::make_unique<details::ConfigureTabObjectsProvider>(nullptr);
        m_configure->publish(context);
    }
    m_frame->loadScene();
    QVERIFY2(m_frame->guiHandler.rootObject(), "main.qml did not load");
    QCOMPARE(m_frame->wire().total(), 0);
    if (m_configure)
        QCOMPARE(m_configure->connectToViews(m_frame->guiHandler), 0);
    m_frame->controllerTab.emitInitialStates();
    m_frame->calendarTab.weekdayProgramOverviewController.initWeekDayProgramCounts();
    m_frame->prepareWindow();
    m_frame->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));

    m_frame->saunaCommunication.saunaSystemSender()->setTransport(&m_transport);

    // A sauna is connected: the tabs show its programs and favorites.
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    // The sauna's clock and current settings, as its reports would give them.
    emit m_frame->controllerTab.timeController.systemTimeChanged(
        QDateTime(QDate(2024, 5, 8), QTime(14, 30)));
    pcPanel::SaunaSystemReceiver *receiver = m_frame->saunaCommunication.saunaSystemReceiver();
    // A combi sauna: it controls humidity, so a program has one of its own.
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
    functions.humidityPercent = true;
    emit receiver->saunaMasterFuncDescChanged(functions);
    emit receiver->saunaTargetTemperatureChanged(630);
    emit receiver->saunaTargetHumidityChanged(20);
    emit receiver->saunaBathTimeChanged(90);
}

void TestCalendarScene::init()
{
    recordedWarnings.clear();
    m_transport.envelopes.clear();
}

void TestCalendarScene::cleanup()
{
    QVERIFY2(recordedWarnings.isEmpty(), qPrintable(recordedWarnings.join('\n')));
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

void TestCalendarScene::cleanupTestCase()
{
    m_frame->saunaCommunication.saunaSystemSender()->setTransport(nullptr);
    m_frame.reset();
    m_configure.reset();
    m_variant.reset();
    qInstallMessageHandler(previousHandler);
}

QQuickItem *TestCalendarScene::rootItem() const
{
    return qobject_cast<QQuickItem *>(m_frame->guiHandler.rootObject());
}

void TestCalendarScene::settle()
{
    QCoreApplication::processEvents();
    m_frame->guiHandler.view()->grabFramebuffer();
}

void TestCalendarScene::showTab(int tab)
{
    QVERIFY(rootItem()->setProperty("currentTab", tab));
    settle();
}

void TestCalendarScene::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY2(shown(target), qPrintable(target->objectName()));
    settle();
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_frame->guiHandler.view(), Qt::LeftButton, {}, centre.toPoint());
    settle();
}

void TestCalendarScene::clickText(const QString &text)
{
    QQuickItem *target = withText(rootItem(), text);
    QVERIFY2(target, qPrintable(text));
    click(target);
}

void TestCalendarScene::openCalendarSection(const QString &section)
{
    showTab(2);
    clickText(section);
}

QString TestCalendarScene::popupText() const
{
    QQuickItem *popup = item(QStringLiteral("popup_widget"));
    if (!popup || !popup->property("visible").toBool())
        return {};
    return named(popup, QStringLiteral("popupText"))->property("text").toString();
}

void TestCalendarScene::answerPopup(const char *buttonName)
{
    click(named(item(QStringLiteral("popup_widget")), QString::fromLatin1(buttonName)));
}

void TestCalendarScene::reportProgram(const CalendarProgram &program)
{
    emit m_frame->saunaCommunication.saunaSystemReceiver()->saunaCalendarProgramChanged(program);
    settle();
}

void TestCalendarScene::reportFavorite(const FavoritesPost &favorite)
{
    emit m_frame->saunaCommunication.saunaSystemReceiver()->saunaFavoritesPostChanged(favorite);
    settle();
}

void TestCalendarScene::monthHeaderStartsAtTheConfiguredFirstWeekday()
{
    using view::LanguageSupport;
    control::TimeController &time = m_frame->controllerTab.timeController;
    openCalendarSection(QStringLiteral("Dates"));
    // Back to the sauna's month (May 2024; the 1st is a Wednesday).
    click(withText(item(QStringLiteral("calendarMonthSelector")),
                   m_frame->calendarTab.dateProgramOverviewController.monthTitle()));

    const auto headers = [this] {
        QStringList texts;
        QQuickItem *row = item(QStringLiteral("monthWeekDayHeader"));
        for (QQuickItem *child : row ? row->childItems() : QList<QQuickItem *>()) {
            if (child->inherits("QQuickText"))
                texts << child->property("text").toString();
        }
        return texts;
    };
    const auto initial = [](CalendarTypes::WeekDay day) {
        return LanguageSupport::weekdayText(day).left(1).toUpper();
    };
    const auto firstDayColumn = [this] {
        QQuickItem *first = withText(item(QStringLiteral("calendarMonthSelector")), "1");
        QQuickItem *header = item(QStringLiteral("monthWeekDayHeader"));
        if (!first || !header)
            return -1;
        return int(first->mapToItem(header, QPointF(first->width() / 2, 0)).x() /
                   (header->width() / 7));
    };

    emit time.weekDayStartChanged(CalendarTypes::E_sunday);
    settle();
    QStringList expected;
    for (const auto day :
         {CalendarTypes::E_sunday, CalendarTypes::E_monday, CalendarTypes::E_tuesday,
          CalendarTypes::E_wednesday, CalendarTypes::E_thursday, CalendarTypes::E_friday,
          CalendarTypes::E_saturday})
        expected << initial(day);
    QCOMPARE(headers(), expected);
    QCOMPARE(expected.first(), QStringLiteral("S"));
    QCOMPARE(firstDayColumn(), 3);

    emit time.weekDayStartChanged(CalendarTypes::E_monday);
    settle();
    expected.move(0, 6);
    QCOMPARE(headers(), expected);
    QCOMPARE(expected.first(), QStringLiteral("M"));
    QCOMPARE(firstDayColumn(), 2);

    // A tapped day opens its programs, titled with its date.
    click(withText(item(QStringLiteral("calendarMonthSelector")), "20"));
    QQuickItem *header = item(QStringLiteral("dateProgramsHeader"));
    QVERIFY(shown(header));
    QCOMPARE(header->property("title").toString(),
             LanguageSupport::dateText(QDate(2024, 5, 20),
                                       m_frame->calendarTab.calendarDataProvider.dateFormat()));
    click(named(header, QStringLiteral("pageBackButton")));
    QVERIFY(!shown(header));
}

void TestCalendarScene::newWeekdayProgramIsEditedRowByRowAndSaved()
{
    using view::LanguageSupport;
    openCalendarSection(QStringLiteral("Week"));
    const QString wednesday = LanguageSupport::weekdayText(CalendarTypes::E_wednesday);
    click(row(item(QStringLiteral("weekDaysList")),
              LanguageSupport::weekdayPluralText(CalendarTypes::E_wednesday)));
    QQuickItem *dayHeader = item(QStringLiteral("weekDayProgramsHeader"));
    QVERIFY(shown(dayHeader));
    QCOMPARE(dayHeader->property("title").toString(), wednesday);

    click(row(item(QStringLiteral("weekDayProgramsList")),
              LanguageSupport::weekdayCalendarProgramText()));
    QQuickItem *editor = item(QStringLiteral("calendarWeekdayProgramSettings"));
    QVERIFY(shown(editor));
    QVERIFY(m_frame->calendarTab.weekdayProgramController.newProgram());
    QQuickItem *header = named(editor, QStringLiteral("programSettingsHeader"));
    QVERIFY(header);
    QCOMPARE(header->property("title").toString(), wednesday);

    // A new program starts from the sauna's current settings.
    QQuickItem *rows = named(editor, QStringLiteral("programSettingsList"));
    QCOMPARE(rowTexts(row(rows, LanguageSupport::stopAfterText())),
             QStringList({LanguageSupport::stopAfterText(), LanguageSupport::durationText(90)}));

    // Ready at: the stepper shows the program's time and steps it; the row takes it when set.
    click(row(rows, LanguageSupport::readyAtText()));
    QQuickItem *time = item(QStringLiteral("calendarWeekdayProgramReadyAtSelector"));
    QVERIFY(shown(time));
    QCOMPARE(time->property("hourText").toString(), QStringLiteral("18"));
    QCOMPARE(time->property("minuteText").toString(), QStringLiteral("00"));
    click(stepButtons(time, true).value(0));
    click(stepButtons(time, false).value(1));
    QCOMPARE(time->property("hourText").toString(), QStringLiteral("19"));
    QCOMPARE(time->property("minuteText").toString(), QStringLiteral("59"));
    click(named(editor, QStringLiteral("programSetTimeButton")));
    QVERIFY(shown(rows));
    QCOMPARE(rowTexts(row(rows, LanguageSupport::readyAtText())),
             QStringList({LanguageSupport::readyAtText(), QStringLiteral("19:59")}));

    // Settings: own values; the temperature editor starts from the sauna's 70 degrees (630 ninths
    // of a degree on the wire).
    click(row(rows, LanguageSupport::settingsText()));
    click(row(named(editor, QStringLiteral("programFavoriteList")), LanguageSupport::customText()));
    QQuickItem *custom = named(editor, QStringLiteral("programCustomList"));
    QVERIFY(shown(custom));
    click(row(custom, LanguageSupport::temperatureText()));
    QQuickItem *temperature =
        item(QStringLiteral("calendarWeekdayProgramCustomSettingsTemperature"));
    QVERIFY(shown(temperature));
    QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("70"));
    click(stepButtons(temperature, true).value(0));
    QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("71"));
    click(named(editor, QStringLiteral("programSetTemperatureButton")));
    QVERIFY(shown(custom));
    QVERIFY(rowTexts(row(custom, LanguageSupport::temperatureText())).value(1).startsWith("71"));
    click(row(custom, LanguageSupport::humidityText()));
    QQuickItem *humidity = item(QStringLiteral("calendarWeekdayProgramCustomSettingsHumidity"));
    QVERIFY(shown(humidity));
    QCOMPARE(humidity->property("valueText").toString(), QStringLiteral("20"));
    // A step left by Back without "Set humidity" is dropped: the list shows the program's 20 %,
    // and "Use custom settings" uses it.
    click(stepButtons(humidity, true).value(0));
    QCOMPARE(humidity->property("valueText").toString(), QStringLiteral("21"));
    click(named(header, QStringLiteral("pageBackButton")));
    QVERIFY(shown(custom));
    QCOMPARE(humidity->property("valueText").toString(), QStringLiteral("20"));
    QVERIFY(rowTexts(row(custom, LanguageSupport::humidityText())).value(1).startsWith("20"));
    click(named(editor, QStringLiteral("programUseCustomButton")));

    // Stop after, from the program's 90 minutes.
    click(row(rows, LanguageSupport::stopAfterText()));
    QQuickItem *stopAfter = item(QStringLiteral("calendarWeekdayProgramStopAfterSelector"));
    QVERIFY(shown(stopAfter));
    QCOMPARE(stopAfter->property("hoursText").toString(), QStringLiteral("1"));
    QCOMPARE(stopAfter->property("minutesText").toString(), QStringLiteral("30"));
    click(stepButtons(stopAfter, true).value(0));
    click(named(editor, QStringLiteral("programSetStopTimeButton")));
    QCOMPARE(rowTexts(row(rows, LanguageSupport::stopAfterText())).value(1),
             LanguageSupport::durationText(150));

    // Standby instead of a bath; then the start mode.
    click(row(rows,
              LanguageSupport::standbyKindText(m_frame->calendarTab.calendarDataProvider.brand())));
    click(row(rows, LanguageSupport::readyAtText()));
    click(named(editor, QStringLiteral("programStartAtModeButton")));
    click(named(header, QStringLiteral("pageBackButton")));
    QVERIFY(row(rows, LanguageSupport::startAtText()));

    QVERIFY(m_transport.envelopes.isEmpty());
    click(named(editor, QStringLiteral("programSaveButton")));
    QVERIFY(!shown(editor));
    const vaholumo::Calendar_post post = onlyCalendarPost(m_transport.envelopes);
    QVERIFY(post.has_index());
    QVERIFY(post.in_use());
    QVERIFY(post.weekday_program());
    QCOMPARE(post.start_mode(), vaholumo::Calendar_post::START_AT);
    QVERIFY(post.standby_mode());
    QCOMPARE(post.stop_after(), 150u);
    QCOMPARE(post.temperature(), 639u);
    QCOMPARE(post.humidity(), 20u);
    CalendarProgram sent;
    QVERIFY(!pbSupport::conversion::CalendarConverter::instance().toSiCalendarProgram(post, sent));
    QCOMPARE(sent.start.time(), QTime(19, 59));
    QCOMPARE(sent.start.date().dayOfWeek(), Qt::Wednesday);

    // The day's list follows the sauna's report.
    reportProgram(sent);
    // The row draws the program's times as one piece that no line breaks inside.
    QTRY_VERIFY(row(item(QStringLiteral("weekDayProgramsList")),
                    view::LineBreaks::keptTogetherText(
                        m_frame->calendarTab.calendarDataProvider.programTimeText(sent))));
    click(named(dayHeader, QStringLiteral("pageBackButton")));

    // The queue tells when the program starts, and opens nothing: its row carries no arrow.
    openCalendarSection(QStringLiteral("Queue"));
    QQuickItem *queued = nullptr;
    QTRY_VERIFY((queued = findItem(item(QStringLiteral("calendarQueueList")), [](QQuickItem *it) {
                     return it->objectName() == QLatin1String("menuRow") && shown(it);
                 })));
    QVERIFY(rowTexts(queued).contains(LanguageSupport::weekdayCalendarProgramText()));
    QVERIFY(!withText(queued, QStringLiteral("›")));
    CalendarProgram removed(sent.index);
    removed.weekday = true;
    reportProgram(removed);
}

void TestCalendarScene::dateProgramAsksBeforeItIsSavedOrDeleted()
{
    using view::LanguageSupport;
    pcPanel::SaunaSystemReceiver *receiver = m_frame->saunaCommunication.saunaSystemReceiver();
    CalendarProgram program(5);
    program.inUse = true;
    program.weekday = false;
    program.startMode = CalendarTypes::E_start_at;
    program.start = QDateTime(QDate(2024, 5, 21), QTime(20, 0), Qt::UTC);
    program.duration = 60;
    program.temperature = 800;
    program.humidity = 10;
    reportProgram(program);

    openCalendarSection(QStringLiteral("Dates"));
    click(withText(item(QStringLiteral("calendarMonthSelector")), "21"));
    const QString timeText = view::LineBreaks::keptTogetherText(
        m_frame->calendarTab.calendarDataProvider.programTimeText(program));
    click(row(item(QStringLiteral("dateProgramsList")), timeText));
    QQuickItem *editor = item(QStringLiteral("calendarDateProgramSettings"));
    QVERIFY(shown(editor));
    QQuickItem *header = named(editor, QStringLiteral("programSettingsHeader"));
    QVERIFY(header);
    QCOMPARE(header->property("title").toString(),
             LanguageSupport::dateText(QDate(2024, 5, 21),
                                       m_frame->calendarTab.calendarDataProvider.dateFormat()));
    QQuickItem *rows = named(editor, QStringLiteral("programSettingsList"));
    QCOMPARE(rowTexts(row(rows, LanguageSupport::startAtText())).value(1), QStringLiteral("20:00"));

    // A start inside the not-allowed hours is saved only when the user agrees.
    emit receiver->saunaNotAllowedStartEnableChanged(true);
    emit receiver->saunaNotAllowedStartFromTimeChanged(QTime(19, 0));
    emit receiver->saunaNotAllowedStartUntilTimeChanged(QTime(23, 0));
    click(named(editor, QStringLiteral("programSaveButton")));
    // The message names the not-allowed hours, which the popup keeps on one line.
    QVERIFY(
        popupText().contains(view::LineBreaks::keptTogetherText(QStringLiteral("19:00 - 23:00"))));
    QVERIFY(popupText().contains(QStringLiteral("Save anyway?")));
    answerPopup("popupRightButton");
    QVERIFY(m_transport.envelopes.isEmpty());
    QVERIFY(shown(editor));
    click(named(editor, QStringLiteral("programSaveButton")));
    answerPopup("popupLeftButton");
    QVERIFY(popupText().isEmpty());
    QVERIFY(!shown(editor));
    vaholumo::Calendar_post post = onlyCalendarPost(m_transport.envelopes);
    QCOMPARE(post.index(), 5u);
    QVERIFY(post.in_use());
    QVERIFY(!post.weekday_program());
    QCOMPARE(post.temperature(), 800u);
    emit receiver->saunaNotAllowedStartEnableChanged(false);

    // Back after a change asks whether to save it, naming the program; "No" leaves and sends
    // nothing. Cancel leaves without a question.
    m_transport.envelopes.clear();
    const QString standby =
        LanguageSupport::standbyKindText(m_frame->calendarTab.calendarDataProvider.brand());
    click(row(item(QStringLiteral("dateProgramsList")), timeText));
    QVERIFY(shown(editor));
    click(row(rows, standby));
    click(named(header, QStringLiteral("pageBackButton")));
    QCOMPARE(popupText(),
             view::LineBreaks::keptTogetherText(
                 QStringLiteral("Save the changes to calendar program %1?")
                     .arg(m_frame->calendarTab.calendarDataProvider.programDescription(program))));
    QVERIFY(shown(editor));
    answerPopup("popupRightButton");
    QVERIFY(!shown(editor));
    click(row(item(QStringLiteral("dateProgramsList")), timeText));
    QVERIFY(shown(editor));
    click(row(rows, standby));
    click(named(editor, QStringLiteral("programCancelButton")));
    QVERIFY(popupText().isEmpty());
    QVERIFY(!shown(editor));
    QVERIFY(m_transport.envelopes.isEmpty());

    // A stop time no bath can have reads "--" in the list too, and Save stays dimmed: nothing is
    // sent and the edit stays open.
    CalendarProgram noStop = program;
    noStop.duration = 0;
    reportProgram(noStop);
    click(row(item(QStringLiteral("dateProgramsList")),
              view::LineBreaks::keptTogetherText(QStringLiteral("20:00 - --"))));
    QVERIFY(shown(editor));
    QQuickItem *save = named(editor, QStringLiteral("programSaveButton"));
    QVERIFY(!save->isEnabled());
    click(save);
    QVERIFY(shown(editor));
    QVERIFY(m_transport.envelopes.isEmpty());
    click(named(editor, QStringLiteral("programCancelButton")));
    reportProgram(program);

    // Delete asks with the program's description, and sends the program as not in use.
    click(row(item(QStringLiteral("dateProgramsList")), timeText));
    QVERIFY(shown(editor));
    click(named(editor, QStringLiteral("programDeleteButton")));
    // The popup draws the message's range of times as one piece.
    QCOMPARE(popupText(),
             view::LineBreaks::keptTogetherText(
                 QStringLiteral("Confirm delete of %1?")
                     .arg(m_frame->calendarTab.calendarDataProvider.programDescription(program))));
    answerPopup("popupLeftButton");
    QVERIFY(!shown(editor));
    post = onlyCalendarPost(m_transport.envelopes);
    QCOMPARE(post.index(), 5u);
    QVERIFY(!post.in_use());

    // The date's list follows the sauna's report.
    CalendarProgram removed(5);
    reportProgram(removed);
    QVERIFY(!row(item(QStringLiteral("dateProgramsList")), timeText));
    click(named(item(QStringLiteral("dateProgramsHeader")), QStringLiteral("pageBackButton")));
}

void TestCalendarScene::dateProgramInThePastIsRefused()
{
    using view::LanguageSupport;
    openCalendarSection(QStringLiteral("Dates"));
    click(withText(item(QStringLiteral("calendarMonthSelector")), "8"));
    click(
        row(item(QStringLiteral("dateProgramsList")), LanguageSupport::dateCalendarProgramText()));
    QQuickItem *editor = item(QStringLiteral("calendarDateProgramSettings"));
    QVERIFY(shown(editor));
    QQuickItem *rows = named(editor, QStringLiteral("programSettingsList"));
    // Today at 14:30 a new program starts at 18:00; five hours back is the past.
    QCOMPARE(rowTexts(row(rows, LanguageSupport::readyAtText())).value(1), QStringLiteral("18:00"));
    click(row(rows, LanguageSupport::readyAtText()));
    QQuickItem *time = item(QStringLiteral("calendarDateProgramReadyAtSelector"));
    for (int step = 0; step < 5; ++step)
        click(stepButtons(time, false).value(0));
    QCOMPARE(time->property("hourText").toString(), QStringLiteral("13"));
    click(named(editor, QStringLiteral("programSetTimeButton")));
    click(named(editor, QStringLiteral("programSaveButton")));
    QCOMPARE(popupText(), QStringLiteral("Date and time are not correct, reenter"));
    answerPopup("popupCenterButton");
    QVERIFY(shown(editor));
    QVERIFY(m_transport.envelopes.isEmpty());

    click(named(editor, QStringLiteral("programCancelButton")));
    QVERIFY(!shown(editor));
    QVERIFY(!m_frame->calendarTab.dateProgramController.editing());
    QVERIFY(m_transport.envelopes.isEmpty());
    click(named(item(QStringLiteral("dateProgramsHeader")), QStringLiteral("pageBackButton")));
}

void TestCalendarScene::favoritesAreCreatedEditedStartedAndDeleted()
{
    showTab(1);
    QQuickItem *list = item(QStringLiteral("favoritesList"));
    QQuickItem *keyboard = item(QStringLiteral("onScreenKeyboard"));

    // Create: the typed name and the sauna's current settings go out in the first free slot.
    clickText(QStringLiteral("Save current settings as favorite"));
    QVERIFY(keyboard->property("visible").toBool());
    keyboard->setProperty("text", QStringLiteral("Evening"));
    click(named(keyboard, QStringLiteral("keyboardSaveButton")));
    QVERIFY(!keyboard->property("visible").toBool());
    QVERIFY(popupText().isEmpty());
    vaholumo::Favorite_post post = onlyFavoritePost(m_transport.envelopes);
    QCOMPARE(post.index(), 0u);
    QVERIFY(post.in_use());
    QCOMPARE(favoriteName(post), QStringLiteral("Evening"));
    QCOMPARE(post.temperature(), 630u);
    QCOMPARE(post.humidity(), 20u);
    QCOMPARE(post.bath_time(), 90u);
    QVERIFY(!row(list, QStringLiteral("Evening")));

    FavoritesPost evening;
    evening.index = 0;
    evening.inUse = true;
    evening.name = QStringLiteral("Evening");
    evening.temperature = 630;
    evening.humidity = 20;
    evening.bathTime = 90;
    reportFavorite(evening);
    QVERIFY(row(list, QStringLiteral("Evening")));

    // The same name again: overwrite only on "Yes".
    m_transport.envelopes.clear();
    clickText(QStringLiteral("Save current settings as favorite"));
    keyboard->setProperty("text", QStringLiteral("Evening"));
    click(named(keyboard, QStringLiteral("keyboardSaveButton")));
    QCOMPARE(popupText(),
             QStringLiteral("A favorite post named Evening already exists. Overwrite?"));
    answerPopup("popupLeftButton");
    post = onlyFavoritePost(m_transport.envelopes);
    QCOMPARE(post.index(), 0u);

    // Edit: a stepped temperature is saved.
    m_transport.envelopes.clear();
    click(row(list, QStringLiteral("Evening")));
    QVERIFY(m_frame->favoriteTab.favoriteController.editing());
    QQuickItem *start = item(QStringLiteral("favoriteStartButton"));
    QVERIFY(shown(start));
    QVERIFY(start->parentItem() && start->parentItem()->parentItem());
    QQuickItem *editor = start->parentItem()->parentItem();
    QCOMPARE(editor->property("favoriteName").toString(), QStringLiteral("Evening"));
    QQuickItem *temperature = findItem(editor, [](QQuickItem *item) {
        return item->property("label").toString() == QLatin1String("Temperature");
    });
    QVERIFY(temperature);
    QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("70"));
    click(stepButtons(temperature, false).value(0));
    QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("69"));
    // A program that uses the favorite starts in the not-allowed hours: Save asks first, and "No"
    // sends nothing and keeps the editor with its step.
    pcPanel::SaunaSystemReceiver *receiver = m_frame->saunaCommunication.saunaSystemReceiver();
    CalendarProgram noon(7);
    noon.inUse = true;
    noon.weekday = true;
    noon.startMode = CalendarTypes::E_start_at;
    noon.start = QDateTime(QDate(2024, 5, 7), QTime(12, 0), Qt::UTC);
    noon.duration = 60;
    noon.favorite = 0;
    reportProgram(noon);
    emit receiver->saunaNotAllowedStartEnableChanged(true);
    emit receiver->saunaNotAllowedStartFromTimeChanged(QTime(10, 0));
    emit receiver->saunaNotAllowedStartUntilTimeChanged(QTime(18, 0));
    clickText(QStringLiteral("Save"));
    QVERIFY(popupText().contains(QStringLiteral("Save anyway?")));
    answerPopup("popupRightButton");
    QVERIFY(shown(start));
    QVERIFY(m_transport.envelopes.isEmpty());
    QCOMPARE(temperature->property("valueText").toString(), QStringLiteral("69"));
    clickText(QStringLiteral("Save"));
    answerPopup("popupLeftButton");
    QCOMPARE(popupText(), QStringLiteral("Calendar programs affected by favorite change: 1"));
    answerPopup("popupCenterButton");
    emit receiver->saunaNotAllowedStartEnableChanged(false);
    reportProgram(CalendarProgram(7));
    QVERIFY(!shown(start));
    post = onlyFavoritePost(m_transport.envelopes);
    QCOMPARE(post.index(), 0u);
    QCOMPARE(post.temperature(), 621u);
    evening.temperature = 621;
    reportFavorite(evening);

    // Start: the differing temperature, then the start command.
    m_transport.envelopes.clear();
    click(row(list, QStringLiteral("Evening")));
    click(start);
    QVERIFY(!m_transport.envelopes.isEmpty());
    const vaholumo::External_to_sauna &last = m_transport.envelopes.last();
    QCOMPARE(last.general_command_size(), 1);
    QCOMPARE(last.general_command(0).command(), vaholumo::General_command_command_t_START_FAVORITE);
    QCOMPARE(last.general_command(0).argument(), 0u);
    QVERIFY(m_transport.envelopes.first().integer_value_change_request_size() > 0);

    // Delete: asked first; the list empties when the sauna reports it.
    m_transport.envelopes.clear();
    if (!m_frame->favoriteTab.favoriteController.editing())
        click(row(list, QStringLiteral("Evening")));
    clickText(QStringLiteral("Delete"));
    QCOMPARE(popupText(), QStringLiteral("Confirm favorite delete?"));
    answerPopup("popupLeftButton");
    QVERIFY(!shown(start));
    post = onlyFavoritePost(m_transport.envelopes);
    QCOMPARE(post.index(), 0u);
    QVERIFY(!post.in_use());
    FavoritesPost deleted;
    deleted.index = 0;
    reportFavorite(deleted);
    QVERIFY(!row(list, QStringLiteral("Evening")));
}

void TestCalendarScene::favoriteNameWithUnsupportedCharactersIsSavedWithUnderscores()
{
    showTab(1);
    QQuickItem *keyboard = item(QStringLiteral("onScreenKeyboard"));
    pcPanel::SupportedCharacters &supported = pcPanel::SupportedCharacters::instance();
    pcPanel::SupportedCharacters::CharacterSet characters;
    for (const QChar c : QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ "))
        characters.insert(c.unicode());
    supported.setCharacters(characters);

    m_transport.envelopes.clear();
    clickText(QStringLiteral("Save current settings as favorite"));
    keyboard->setProperty("text", QStringLiteral("Hot #1"));
    click(named(keyboard, QStringLiteral("keyboardSaveButton")));
    QCOMPARE(popupText(), QStringLiteral("Favorite name contains unsupported characters: #1"));
    answerPopup("popupCenterButton");
    const vaholumo::Favorite_post post = onlyFavoritePost(m_transport.envelopes);
    QVERIFY(post.in_use());
    QCOMPARE(favoriteName(post), QStringLiteral("Hot __"));
    supported.setCharacters({});
}

QTEST_MAIN(TestCalendarScene)
#include "tst_calendar_scene.moc"
