#include "control/settings.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/instance_settings.h"
#include "qml/scene_test_support.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/frame_wiring.h"
#include "view_cpp/gui_handler.h"
#include "view_cpp/language_support.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/start_up.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The real scene with the program's own objects, started as the panel starts: no text that the
// user sees is ever a translation key ("plural_Mondays", "long_form_January", a keyboard key
// name), in any language, and the on-screen keyboard types what its keys show, as does the PC's
// own keyboard.

using signalInterface::LanguageTypes;

using sceneTest::anyStackBusy;
using sceneTest::findInItemTree;

namespace {

// The stored language at start-up: not English, so that the first showing proves the stored
// language's translator was in place when the texts were built.
constexpr LanguageTypes::Language startLanguage = LanguageTypes::E_german;

// The visible item whose "text" is exactly the given text.
QQuickItem *findVisibleWithText(QQuickItem *parent, const QString &text)
{
    for (QQuickItem *child : parent->childItems()) {
        if (!child->isVisible())
            continue;
        if (child->property("text").toString() == text)
            return child;
        if (QQuickItem *found = findVisibleWithText(child, text))
            return found;
    }
    return nullptr;
}

// The texts of every visible item below parent that has a text property, with the item.
void collectVisibleTexts(QQuickItem *parent, QList<QPair<QString, QQuickItem *>> &texts)
{
    for (QQuickItem *child : parent->childItems()) {
        if (!child->isVisible() || child->opacity() <= 0.0)
            continue;
        const QVariant text = child->property("text");
        if (text.isValid() && text.canConvert<QString>())
            texts.append({text.toString(), child});
        collectVisibleTexts(child, texts);
    }
}

bool isRawKey(const QString &text)
{
    static const QStringList prefixes{QStringLiteral("plural_"), QStringLiteral("long_form_"),
                                      QStringLiteral("short_form_"), QStringLiteral("keyboardRow"),
                                      QStringLiteral("degrees_")};
    for (const QString &prefix : prefixes) {
        if (text.startsWith(prefix))
            return true;
    }
    return false;
}

QString describe(QQuickItem *item)
{
    QStringList path;
    for (QQuickItem *each = item; each; each = each->parentItem()) {
        if (!each->objectName().isEmpty())
            path.prepend(each->objectName());
    }
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(item->metaObject()->className()),
                                         path.join(QLatin1Char('/')));
}

} // namespace

class TestNoRawKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void weekListInStoredLanguageOnFirstShowing();
    void noRawKeyVisibleInAnyLanguage();
    void keyCapsOfEveryLanguage_data();
    void keyCapsOfEveryLanguage();
    void onScreenKeysTypeWhatTheyShow();
    void physicalKeysTypeIntoTheKeyboardField();
    void physicalKeysTypeIntoTheNetworkFields();

private:
    QQuickItem *rootItem() const;
    QQuickItem *item(const char *objectName) const;
    QQuickItem *keyboard() const { return item("onScreenKeyboard"); }
    QQuickItem *key(int row, int position) const;
    void click(QQuickItem *target);
    void switchLanguage(LanguageTypes::Language language);
    void showTab(int tab);
    void showCalendarSection(int section);
    void openNewFavoriteKeyboard();
    // Fails on any visible text that is a translation key; where tells the page.
    void verifyNoRawKeys(const QString &where);

    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;
    std::unique_ptr<details::ConfigureTabObjectsProvider> m_configure;
};

void TestNoRawKeys::initTestCase()
{
    control::Settings(startUp::settingsOrganizationName(control::buildBrand()),
                      pcPanel::InstanceSettings::applicationBaseName());
    control::Settings::setValue(QLatin1String(control::Settings::languageKey),
                                static_cast<int>(startLanguage));
    startUp::registerSignalMetaTypes();
    startUp::registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();

    m_variant = std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
    startUp::FrameOptions options;
    options.qmlDirectory = QStringLiteral(PANEL_QML_VIEW_DIR "/");
    m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, options);
    m_frame->controllerTab.languageController.setTranslationsDirectory(
        QStringLiteral(PANEL_TRANSLATIONS_DIR));
    QCOMPARE(m_frame->controllerTab.languageController.language(), startLanguage);

    QQmlContext *context = m_frame->guiHandler.view()->rootContext();
    if (!context->contextProperty(QStringLiteral("configure_network_controller")).isValid()) {
        m_configure = std::make_unique<details::ConfigureTabObjectsProvider>(nullptr);
        m_configure->publish(context);
    }

    // The panel's own start-up, in its order; the link runs inside the test's private network.
    m_frame->loadScene();
    QVERIFY2(m_frame->guiHandler.rootObject(), "main.qml did not load");
    QCOMPARE(m_frame->wire().total(), 0);
    if (m_configure)
        QCOMPARE(m_configure->connectToViews(m_frame->guiHandler), 0);
    m_frame->start();
    // The favorites and calendar tabs show their lists and buttons while a sauna is connected,
    // and the current settings can be saved as a favorite once the sauna has told them.
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    m_frame->favoriteTab.favoriteOverviewController.onSaunaTargetTemperatureChanged(720);
    m_frame->favoriteTab.favoriteOverviewController.onSaunaBathTimeChanged(60);
    m_frame->prepareWindow();
    m_frame->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));
    m_frame->mainWindow.activateWindow();
    m_frame->guiHandler.view()->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&m_frame->mainWindow));
}

void TestNoRawKeys::cleanupTestCase()
{
    m_frame.reset();
    m_configure.reset();
    m_variant.reset();
}

QQuickItem *TestNoRawKeys::rootItem() const
{
    return qobject_cast<QQuickItem *>(m_frame->guiHandler.rootObject());
}

QQuickItem *TestNoRawKeys::item(const char *objectName) const
{
    return findInItemTree(rootItem(), QString::fromLatin1(objectName));
}

QQuickItem *TestNoRawKeys::key(int row, int position) const
{
    return findInItemTree(keyboard(), QStringLiteral("keyboardKey_%1_%2").arg(row).arg(position));
}

void TestNoRawKeys::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_frame->guiHandler.view(), Qt::LeftButton, {}, centre.toPoint());
}

void TestNoRawKeys::switchLanguage(LanguageTypes::Language language)
{
    control::LanguageController &languages = m_frame->controllerTab.languageController;
    languages.onLanguageChangeRequested(language);
    QCOMPARE(languages.language(), language);
}

void TestNoRawKeys::showTab(int tab)
{
    QVERIFY(rootItem()->setProperty("currentTab", tab));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
}

void TestNoRawKeys::showCalendarSection(int section)
{
    showTab(2);
    // The section buttons are the calendar page's; the page is the one with "section".
    QQuickItem *page = item("calendarWeekDaysSelector");
    while (page && !page->property("section").isValid())
        page = page->parentItem();
    QVERIFY(page);
    QVERIFY(page->setProperty("section", section));
}

void TestNoRawKeys::openNewFavoriteKeyboard()
{
    showTab(1);
    QQuickItem *save = findVisibleWithText(
        rootItem(),
        QCoreApplication::translate("FavoritesPage", "Save current settings as favorite"));
    click(save);
    QTRY_VERIFY(keyboard()->isVisible());
}

void TestNoRawKeys::verifyNoRawKeys(const QString &where)
{
    QList<QPair<QString, QQuickItem *>> texts;
    collectVisibleTexts(rootItem(), texts);
    QVERIFY2(!texts.isEmpty(), qPrintable(where));
    QStringList raw;
    for (const auto &[text, shown] : std::as_const(texts)) {
        if (isRawKey(text))
            raw << QStringLiteral("\"%1\" in %2").arg(text, describe(shown));
    }
    QVERIFY2(raw.isEmpty(),
             qPrintable(where + QStringLiteral(": ") + raw.join(QLatin1String(", "))));
}

void TestNoRawKeys::weekListInStoredLanguageOnFirstShowing()
{
    using signalInterface::CalendarTypes;
    showCalendarSection(0);
    verifyNoRawKeys(QStringLiteral("week list at start"));
    for (const char *day :
         {"Montags", "Dienstags", "Mittwochs", "Donnerstags", "Freitags", "Samstags", "Sonntags"})
        QVERIFY2(findVisibleWithText(rootItem(), QString::fromUtf8(day)), day);

    // The next language shows at once, without toggling the weekly schedule.
    // The list view re-creates its delegates when the model is rebuilt, after its next polish.
    switchLanguage(LanguageTypes::E_finnish);
    QTRY_VERIFY(findVisibleWithText(rootItem(), QStringLiteral("Maanantaisin")));
    QTRY_VERIFY(!findVisibleWithText(rootItem(), QStringLiteral("Montags")));
    showTab(0);
}

void TestNoRawKeys::noRawKeyVisibleInAnyLanguage()
{
    QObject *pad = keyboard();
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        const auto language = static_cast<LanguageTypes::Language>(value);
        switchLanguage(language);
        const QString name = LanguageTypes::toText(language);

        for (int tab = 0; tab < 4; ++tab) {
            showTab(tab);
            verifyNoRawKeys(QStringLiteral("%1, tab %2").arg(name).arg(tab));
        }
        for (int section = 0; section < 3; ++section) {
            showCalendarSection(section);
            verifyNoRawKeys(QStringLiteral("%1, calendar section %2").arg(name).arg(section));
        }

        openNewFavoriteKeyboard();
        for (int mode = 0; mode < 4; ++mode) {
            pad->setProperty("caps", bool(mode & 2));
            pad->setProperty("symbol", bool(mode & 1));
            const QString where = QStringLiteral("%1, keyboard mode %2").arg(name).arg(mode);
            verifyNoRawKeys(where);
            // Every key shows a character of the language; "_" marks a key without one.
            // The rows hold 10, 18, 10, 9 and 7 keys.
            const int positions[] = {10, 18, 10, 9, 7};
            for (int row = 1; row <= 5; ++row) {
                for (int position = 0; position < positions[row - 1]; ++position) {
                    QQuickItem *shown = key(row, position);
                    QVERIFY2(shown && shown->isVisible(), qPrintable(where));
                    const QString cap = shown->property("cap").toString();
                    QVERIFY2(!cap.isEmpty() && cap != QLatin1String("_") && !isRawKey(cap),
                             qPrintable(QStringLiteral("%1: key %2/%3 shows \"%4\"")
                                            .arg(where)
                                            .arg(row)
                                            .arg(position)
                                            .arg(cap)));
                }
            }
        }
        click(pad->findChild<QQuickItem *>(QStringLiteral("keyboardCancelButton")));
        QTRY_VERIFY(!keyboard()->isVisible());
    }
    switchLanguage(LanguageTypes::E_english);
    showTab(0);
}

void TestNoRawKeys::keyCapsOfEveryLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("topLeft");    // row 3, position 0, letters
    QTest::addColumn<QString>("ownLetter");  // row 2, position 0, letters
    QTest::addColumn<QString>("ownCapital"); // the same with shift

    QTest::newRow("Czech") << int(LanguageTypes::E_czech) << "q"
                           << "ě"
                           << "Ě";
    QTest::newRow("Dutch") << int(LanguageTypes::E_dutch) << "q"
                           << "é"
                           << "É";
    QTest::newRow("English") << int(LanguageTypes::E_english) << "q"
                             << "-"
                             << "-";
    QTest::newRow("Finnish") << int(LanguageTypes::E_finnish) << "q"
                             << "å"
                             << "Å";
    QTest::newRow("French") << int(LanguageTypes::E_french) << "a"
                            << "é"
                            << "É";
    QTest::newRow("German") << int(LanguageTypes::E_german) << "q"
                            << "ü"
                            << "Ü";
    QTest::newRow("Polish") << int(LanguageTypes::E_polish) << "q"
                            << "ą"
                            << "Ą";
    QTest::newRow("Russian") << int(LanguageTypes::E_russian) << "й"
                             << "х"
                             << "Х";
    QTest::newRow("Slovak") << int(LanguageTypes::E_slovak) << "q"
                            << "ľ"
                            << "Ľ";
    QTest::newRow("Spanish") << int(LanguageTypes::E_spanish) << "q"
                             << "ñ"
                             << "Ñ";
    QTest::newRow("Swedish") << int(LanguageTypes::E_swedish) << "q"
                             << "å"
                             << "Å";
    QTest::newRow("Danish") << int(LanguageTypes::E_danish) << "q"
                            << "å"
                            << "Å";
    QTest::newRow("Norwegian") << int(LanguageTypes::E_norwegian) << "q"
                               << "å"
                               << "Å";
    QTest::newRow("Portuguese") << int(LanguageTypes::E_portuguese) << "q"
                                << "ç"
                                << "Ç";
}

void TestNoRawKeys::keyCapsOfEveryLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, topLeft);
    QFETCH(QString, ownLetter);
    QFETCH(QString, ownCapital);
    switchLanguage(static_cast<LanguageTypes::Language>(language));
    openNewFavoriteKeyboard();
    QObject *pad = keyboard();

    QCOMPARE(key(3, 0)->property("cap").toString(), topLeft);
    QCOMPARE(key(2, 0)->property("cap").toString(), ownLetter);
    QCOMPARE(key(1, 0)->property("cap").toString(), QStringLiteral("1"));
    pad->setProperty("caps", true);
    QCOMPARE(key(3, 0)->property("cap").toString(), topLeft.toUpper());
    QCOMPARE(key(2, 0)->property("cap").toString(), ownCapital);
    pad->setProperty("symbol", true);
    QCOMPARE(key(1, 0)->property("cap").toString(), QStringLiteral("!"));
    pad->setProperty("caps", false);
    QCOMPARE(key(1, 9)->property("cap").toString(), QStringLiteral("0"));
    QCOMPARE(key(3, 0)->property("cap").toString(), QStringLiteral("-"));

    click(pad->findChild<QQuickItem *>(QStringLiteral("keyboardCancelButton")));
    QTRY_VERIFY(!keyboard()->isVisible());
    switchLanguage(LanguageTypes::E_english);
}

void TestNoRawKeys::onScreenKeysTypeWhatTheyShow()
{
    switchLanguage(LanguageTypes::E_finnish);
    openNewFavoriteKeyboard();
    QObject *pad = keyboard();
    QCOMPARE(pad->property("text").toString(), QString());
    QVERIFY(!pad->property("caps").toBool());
    QVERIFY(!pad->property("symbol").toBool());

    auto *shift = pad->findChild<QQuickItem *>(QStringLiteral("keyboardShiftKey"));
    auto *numbers = pad->findChild<QQuickItem *>(QStringLiteral("keyboardSymbolKey"));
    auto *space = pad->findChild<QQuickItem *>(QStringLiteral("keyboardSpaceKey"));
    auto *backspace = pad->findChild<QQuickItem *>(QStringLiteral("keyboardBackspaceKey"));

    // Each tap types the character its key shows at that moment.
    QString expected;
    const auto tap = [&](int row, int position) {
        QQuickItem *pressed = key(row, position);
        QVERIFY(pressed);
        expected += pressed->property("cap").toString();
        click(pressed);
        QCOMPARE(pad->property("text").toString(), expected);
    };

    // One tap of shift capitalises the next character only.
    const QString shiftCap = shift->property("text").toString();
    click(shift);
    QVERIFY(pad->property("caps").toBool());
    QVERIFY(!pad->property("capsLocked").toBool());
    QVERIFY(shift->property("highlighted").toBool());
    tap(4, 1); // S
    QVERIFY(!pad->property("caps").toBool());
    QVERIFY(!shift->property("highlighted").toBool());
    tap(3, 4); // t
    tap(2, 2); // ä
    click(space);
    expected += QLatin1Char(' ');
    click(numbers);
    QVERIFY(pad->property("symbol").toBool());
    tap(1, 1); // 2
    tap(3, 0); // -
    click(shift);
    tap(1, 0); // !
    QVERIFY(!pad->property("caps").toBool());
    click(numbers);
    tap(5, 6); // m
    QCOMPARE(pad->property("text").toString(), QStringLiteral("Stä 2-!m"));

    // A second tap locks the capitals, and the key shows it; a third releases them.
    click(shift);
    click(shift);
    QVERIFY(pad->property("capsLocked").toBool());
    QVERIFY(shift->property("highlighted").toBool());
    QVERIFY(shift->property("text").toString() != shiftCap);
    tap(5, 6); // M
    tap(4, 1); // S
    QVERIFY(pad->property("caps").toBool());
    click(shift);
    QVERIFY(!pad->property("caps").toBool());
    QVERIFY(!pad->property("capsLocked").toBool());
    QCOMPARE(shift->property("text").toString(), shiftCap);
    tap(5, 6); // m
    QCOMPARE(pad->property("text").toString(), QStringLiteral("Stä 2-!mMSm"));

    click(backspace);
    expected.chop(1);
    QCOMPARE(pad->property("text").toString(), expected);

    // Saving hands the typed name to the list's controller, which asks the sauna to store it.
    QSignalSpy requested(&m_frame->favoriteTab.favoriteOverviewController,
                         &control::FavoriteOverviewController::favoriteUpdateRequested);
    click(pad->findChild<QQuickItem *>(QStringLiteral("keyboardSaveButton")));
    QTRY_VERIFY(!keyboard()->isVisible());
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).value<signalInterface::FavoritesTypes::FavoritesPost>().name,
             QStringLiteral("Stä 2-!mMS"));
    switchLanguage(LanguageTypes::E_english);
    showTab(0);
}

void TestNoRawKeys::physicalKeysTypeIntoTheKeyboardField()
{
    openNewFavoriteKeyboard();
    QObject *pad = keyboard();
    QWidget *view = m_frame->guiHandler.view();

    QTest::keyClicks(view, QStringLiteral("Evening"));
    QCOMPARE(pad->property("text").toString(), QStringLiteral("Evening"));
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClicks(view, QStringLiteral("X"));
    QCOMPARE(pad->property("text").toString(), QStringLiteral("EveniXn"));
    // An on-screen key types at the cursor as well.
    QQuickItem *y = key(3, 5);
    QCOMPARE(y->property("cap").toString(), QStringLiteral("y"));
    click(y);
    QCOMPARE(pad->property("text").toString(), QStringLiteral("EveniXyn"));

    // Names hold at most 20 characters; more are not taken, and the keyboard says so.
    auto *length = pad->findChild<QQuickItem *>(QStringLiteral("keyboardLength"));
    auto *limitNote = pad->findChild<QQuickItem *>(QStringLiteral("keyboardLimitNote"));
    QVERIFY(length && limitNote);
    QCOMPARE(length->property("text").toString(), QStringLiteral("8/20"));
    QCOMPARE(limitNote->opacity(), 0.0);
    QTest::keyClicks(view, QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(pad->property("text").toString().size(), 20);
    QCOMPARE(length->property("text").toString(), QStringLiteral("20/20"));
    QVERIFY(limitNote->isVisible() && limitNote->opacity() > 0);
    QCOMPARE(limitNote->property("text").toString(), QStringLiteral("At most 20 characters"));
    QTest::keyClick(view, Qt::Key_Backspace);
    QCOMPARE(limitNote->opacity(), 0.0);

    // Escape cancels; Return saves.
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!keyboard()->isVisible());

    openNewFavoriteKeyboard();
    QSignalSpy requested(&m_frame->favoriteTab.favoriteOverviewController,
                         &control::FavoriteOverviewController::favoriteUpdateRequested);
    QTest::keyClicks(view, QStringLiteral("Late sauna"));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!keyboard()->isVisible());
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).value<signalInterface::FavoritesTypes::FavoritesPost>().name,
             QStringLiteral("Late sauna"));
    showTab(0);
}

void TestNoRawKeys::physicalKeysTypeIntoTheNetworkFields()
{
    showTab(3);
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem(), QStringLiteral("settingsArea_network"))));
    click(area);
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = findInItemTree(rootItem(), QStringLiteral("networkListPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QQuickItem *ipDetect = findInItemTree(list, QStringLiteral("networkIpDetectList"));
    QVERIFY(ipDetect);
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = findInItemTree(ipDetect, QStringLiteral("menuRow"))));
    click(row);
    QQuickItem *address = nullptr;
    QTRY_VERIFY((address = findInItemTree(rootItem(), QStringLiteral("networkIpAddressField"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));

    auto *input = address->property("inputItem").value<QQuickItem *>();
    QVERIFY(input);
    click(input);
    QTRY_VERIFY(input->hasActiveFocus());
    input->setProperty("text", QString());
    QTest::keyClicks(m_frame->guiHandler.view(), QStringLiteral("127.0.0.1"));
    QCOMPARE(address->property("text").toString(), QStringLiteral("127.0.0.1"));

    QQuickItem *port = findInItemTree(rootItem(), QStringLiteral("networkPortField"));
    QVERIFY(port);
    auto *portInput = port->property("inputItem").value<QQuickItem *>();
    click(portInput);
    QTRY_VERIFY(portInput->hasActiveFocus());
    portInput->setProperty("text", QString());
    QTest::keyClicks(m_frame->guiHandler.view(), QStringLiteral("4321"));
    QCOMPARE(port->property("text").toString(), QStringLiteral("4321"));
    QTest::keyClick(m_frame->guiHandler.view(), Qt::Key_Escape);
    showTab(0);
}

QTEST_MAIN(TestNoRawKeys)
#include "tst_no_raw_keys.moc"
