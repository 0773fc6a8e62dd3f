#include "view_cpp/keyboard_language.h"
#include "view_cpp/keyboard_translations.h"
#include "view_cpp/qeyboard.h"

#include "test_translator.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const char *const keyboardContext = "view::details::KeyboardTranslations";

QString keyText(int row, int index, bool caps, bool symbol)
{
    const view::KeyboardLanguage *keyboard = view::KeyboardLanguage::instance();
    switch (row) {
    case 1:
        return keyboard->row1KeyText(index, caps, symbol);
    case 2:
        return keyboard->row2KeyText(index, caps, symbol);
    case 3:
        return keyboard->row3KeyText(index, caps, symbol);
    case 4:
        return keyboard->row4KeyText(index, caps, symbol);
    case 5:
        return keyboard->row5KeyText(index, caps, symbol);
    }
    return {};
}

// A language that gives every key a text naming its row, position and mode.
void addFullLayout(TestTranslator &translator, const QString &language)
{
    for (int row = 1; row <= 5; ++row) {
        for (int position = 0; position < view::KeyboardLanguage::positionCount(row); ++position) {
            for (int mode = 0; mode < 4; ++mode) {
                const bool caps = mode & 2;
                const bool symbol = mode & 1;
                translator.add(
                    keyboardContext,
                    view::details::KeyboardTranslations::keyName(row, position, caps, symbol),
                    QStringLiteral("%1:%2.%3.%4").arg(language).arg(row).arg(position).arg(mode));
            }
        }
    }
}

// A scene in the shape of the main screen: the keyboard item sits somewhere below the root and
// declares the two functions the keyboard object calls.
const char *const sceneWithKeyboard = R"(
import QtQuick
Item {
    Item {
        Item {
            objectName: "onScreenKeyboard"
            property var lastHint: "none"
            property int opened: 0
            property int closed: 0
            function openKeyboard(imHint) { lastHint = imHint; opened++ }
            function closeKeyboard() { closed++ }
        }
    }
}
)";

} // namespace

// Stands in for the controllers and settings screens that ask for the keyboard.
class KeyboardRequester : public QObject
{
    Q_OBJECT

signals:
    void openKeyboard();
    void openKeyboard(QString value);
    void closeKeyboard();
};

class TextOnlyRequester : public QObject
{
    Q_OBJECT

signals:
    void openKeyboard(QString value);
};

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void keyNamesFollowTheScheme_data();
    void keyNamesFollowTheScheme();
    void rowsHaveTheirPositionCounts();
    void untranslatedKeysShowPlaceholder();
    void positionOutsideRowShowsPlaceholder_data();
    void positionOutsideRowShowsPlaceholder();
    void everyKeyOfALanguageIsShown();
    void keysFollowTheInstalledLanguage();
    void translationLookingLikeAKeyShowsPlaceholder();
    void publishesItselfToQml();

    void requestsReachTheQmlKeyboard();
    void missingKeyboardItemLeavesRequestsUnconnected();
    void connectOperationsReportFailures();

private:
    std::unique_ptr<QObject> createScene(QQmlEngine &engine, const char *qml);
};

void TestKeyboard::keyNamesFollowTheScheme_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("caps");
    QTest::addColumn<bool>("symbol");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 1 << 0 << false << false << "keyboardRow1Pos0CapsFalseSymbolFalse";
    QTest::newRow("last") << 5 << 6 << true << true << "keyboardRow5Pos6CapsTrue_SymbolTrue_";
    QTest::newRow("two digits") << 2 << 17 << true << true
                                << "keyboardRow2Pos17CapsTrue_SymbolTrue_";
    QTest::newRow("symbol only") << 3 << 4 << false << true
                                 << "keyboardRow3Pos4CapsFalseSymbolTrue_";
}

void TestKeyboard::keyNamesFollowTheScheme()
{
    QFETCH(int, row);
    QFETCH(int, position);
    QFETCH(bool, caps);
    QFETCH(bool, symbol);
    QFETCH(QString, name);
    QCOMPARE(view::details::KeyboardTranslations::keyName(row, position, caps, symbol), name);

    TestTranslator translator;
    ScopedTranslator installed(&translator);
    keyText(row, position, caps, symbol);
    QVERIFY(translator.wasAskedFor(keyboardContext, name));
}

void TestKeyboard::rowsHaveTheirPositionCounts()
{
    const QList<int> counts{
        view::KeyboardLanguage::positionCount(1), view::KeyboardLanguage::positionCount(2),
        view::KeyboardLanguage::positionCount(3), view::KeyboardLanguage::positionCount(4),
        view::KeyboardLanguage::positionCount(5)};
    QCOMPARE(counts, (QList<int>{10, 18, 10, 9, 7}));
    QCOMPARE(view::KeyboardLanguage::positionCount(0), 0);
    QCOMPARE(view::KeyboardLanguage::positionCount(6), 0);
}

void TestKeyboard::untranslatedKeysShowPlaceholder()
{
    for (int row = 1; row <= 5; ++row) {
        for (int position = 0; position < view::KeyboardLanguage::positionCount(row); ++position)
            QCOMPARE(keyText(row, position, true, false), QStringLiteral("_"));
    }
}

void TestKeyboard::positionOutsideRowShowsPlaceholder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("position");
    QTest::newRow("row 1 past end") << 1 << 10;
    QTest::newRow("row 2 past end") << 2 << 18;
    QTest::newRow("row 5 past end") << 5 << 7;
    QTest::newRow("negative") << 3 << -1;
    QTest::newRow("most negative") << 4 << std::numeric_limits<int>::min();
}

void TestKeyboard::positionOutsideRowShowsPlaceholder()
{
    QFETCH(int, row);
    QFETCH(int, position);
    TestTranslator translator;
    addFullLayout(translator, "fi");
    ScopedTranslator installed(&translator);
    for (int mode = 0; mode < 4; ++mode)
        QCOMPARE(keyText(row, position, mode & 2, mode & 1), QStringLiteral("_"));
}

void TestKeyboard::everyKeyOfALanguageIsShown()
{
    TestTranslator translator;
    addFullLayout(translator, "sv");
    ScopedTranslator installed(&translator);
    int keys = 0;
    for (int row = 1; row <= 5; ++row) {
        for (int position = 0; position < view::KeyboardLanguage::positionCount(row); ++position) {
            for (int mode = 0; mode < 4; ++mode) {
                QCOMPARE(keyText(row, position, mode & 2, mode & 1),
                         QStringLiteral("sv:%1.%2.%3").arg(row).arg(position).arg(mode));
                ++keys;
            }
        }
    }
    QCOMPARE(keys, 216);
}

void TestKeyboard::keysFollowTheInstalledLanguage()
{
    TestTranslator finnish;
    finnish.add(keyboardContext, "keyboardRow5Pos6CapsTrue_SymbolFalse", QStringLiteral("Ä"));
    TestTranslator german;
    german.add(keyboardContext, "keyboardRow5Pos6CapsTrue_SymbolFalse", QStringLiteral("Ü"));
    {
        ScopedTranslator installed(&finnish);
        QCOMPARE(view::KeyboardLanguage::instance()->row5KeyText(6, true, false),
                 QStringLiteral("Ä"));
        // Another mode of the same key has no translation in this language.
        QCOMPARE(view::KeyboardLanguage::instance()->row5KeyText(6, false, false),
                 QStringLiteral("_"));
    }
    ScopedTranslator installed(&german);
    QCOMPARE(view::KeyboardLanguage::instance()->row5KeyText(6, true, false), QStringLiteral("Ü"));
}

void TestKeyboard::translationLookingLikeAKeyShowsPlaceholder()
{
    TestTranslator translator;
    translator.add(keyboardContext, "keyboardRow1Pos0CapsFalseSymbolFalse", "keyboardRowX");
    translator.add(keyboardContext, "keyboardRow1Pos1CapsFalseSymbolFalse", "KeyboardRow");
    ScopedTranslator installed(&translator);
    QCOMPARE(view::KeyboardLanguage::instance()->row1KeyText(0, false, false), QStringLiteral("_"));
    // The check is case-sensitive.
    QCOMPARE(view::KeyboardLanguage::instance()->row1KeyText(1, false, false),
             QStringLiteral("KeyboardRow"));
}

void TestKeyboard::publishesItselfToQml()
{
    QQmlEngine engine;
    view::KeyboardLanguage::publishToQml(engine.rootContext());
    QCOMPARE(engine.rootContext()->contextProperty("keyboard_language").value<QObject *>(),
             view::KeyboardLanguage::instance());

    TestTranslator translator;
    translator.add(keyboardContext, "keyboardRow2Pos3CapsFalseSymbolTrue_", "#");
    ScopedTranslator installed(&translator);
    QQmlComponent component(&engine);
    component.setData("import QtQml\nQtObject { property string key: "
                      "keyboard_language.row2KeyText(3, false, true) }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("key").toString(), QStringLiteral("#"));
}

std::unique_ptr<QObject> TestKeyboard::createScene(QQmlEngine &engine, const char *qml)
{
    QQmlComponent component(&engine);
    component.setData(qml, QUrl());
    std::unique_ptr<QObject> scene(component.create());
    if (!scene)
        qWarning() << component.errorString();
    return scene;
}

void TestKeyboard::requestsReachTheQmlKeyboard()
{
    QQmlEngine engine;
    const std::unique_ptr<QObject> scene = createScene(engine, sceneWithKeyboard);
    QVERIFY(scene);
    QQuickItem *keyboardItem = view::Qeyboard::findKeyboardItem(scene.get());
    QVERIFY(keyboardItem);

    view::Qeyboard keyboard(nullptr, scene.get());
    QVERIFY(keyboard.isConnectedToKeyboardItem());

    KeyboardRequester overview;
    KeyboardRequester favorite;
    QCOMPARE(keyboard.connectKeyboardRequests({&overview}), 0);
    QCOMPARE(keyboard.connectKeyboardTextRequests({&favorite}), 0);

    emit overview.openKeyboard();
    QCOMPARE(keyboardItem->property("opened").toInt(), 1);
    const QVariant plainHint = keyboardItem->property("lastHint");
    QCOMPARE(plainHint.toInt(), 0);
    QVERIFY(plainHint.typeId() != QMetaType::QString);

    emit favorite.openKeyboard(QStringLiteral("abc"));
    QCOMPARE(keyboardItem->property("opened").toInt(), 2);
    QCOMPARE(keyboardItem->property("lastHint").toString(), QStringLiteral("abc"));

    emit favorite.closeKeyboard();
    emit overview.closeKeyboard();
    QCOMPARE(keyboardItem->property("closed").toInt(), 2);

    // A text request on a source connected only for plain requests is not passed on.
    emit overview.openKeyboard(QStringLiteral("ignored"));
    QCOMPARE(keyboardItem->property("opened").toInt(), 2);
}

void TestKeyboard::missingKeyboardItemLeavesRequestsUnconnected()
{
    QQmlEngine engine;
    const std::unique_ptr<QObject> scene =
        createScene(engine, "import QtQuick\nItem { Item { objectName: \"other\" } }");
    QVERIFY(scene);
    view::Qeyboard keyboard(nullptr, scene.get());
    QVERIFY(!keyboard.isConnectedToKeyboardItem());

    view::Qeyboard withoutScene(nullptr);
    QVERIFY(!withoutScene.isConnectedToKeyboardItem());

    KeyboardRequester requester;
    QCOMPARE(keyboard.connectKeyboardRequests({&requester}), 0);
    QSignalSpy opened(&keyboard, qOverload<QVariant>(&view::Qeyboard::openKeyboard));
    emit requester.openKeyboard();
    QCOMPARE(opened.count(), 1);
}

void TestKeyboard::connectOperationsReportFailures()
{
    view::Qeyboard keyboard(nullptr);
    TextOnlyRequester textOnly;
    QObject plain;
    // The text-only source has no closeKeyboard(); the plain object has neither signal.
    QCOMPARE(keyboard.connectKeyboardTextRequests({&textOnly}), 1);
    QCOMPARE(keyboard.connectKeyboardRequests({&textOnly, &plain}), 4);
    QCOMPARE(keyboard.connectKeyboardRequests({}), 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
