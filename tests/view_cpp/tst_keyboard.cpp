#include "view_cpp/keyboard_language.h"
#include "view_cpp/keyboard_translations.h"
#include "view_cpp/qeyboard.h"

#include "support/member_detection.h"
#include "test_translator.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char *const keyboardContext = "view::details::KeyboardTranslations";

PANEL_DETECT_MEMBER(HasPositionCount, T::positionCount(1));
PANEL_DETECT_MEMBER(HasKeyboardItemFinder, T::findKeyboardItem(nullptr));
PANEL_DETECT_MEMBER(HasConnectionAccessor, std::declval<const T &>().isConnectedToKeyboardItem());

// Key positions of rows 1 to 5: 54 keys.
int positionCount(int row)
{
    const QList<int> counts{10, 18, 10, 9, 7};
    return counts.value(row - 1);
}

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
        for (int position = 0; position < positionCount(row); ++position) {
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
    // A view showing the scene, as the GUI handler's view shows the main screen.
    std::unique_ptr<QQuickView> showScene(const char *qml);

    QTemporaryDir m_sceneDirectory;
    int m_scenes = 0;
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
    TestTranslator translator;
    addFullLayout(translator, "fi");
    ScopedTranslator installed(&translator);
    for (int row = 1; row <= 5; ++row) {
        const int last = positionCount(row) - 1;
        QCOMPARE(keyText(row, last, false, false), QStringLiteral("fi:%1.%2.0").arg(row).arg(last));
        QCOMPARE(keyText(row, last + 1, false, false), QStringLiteral("_"));
    }
    // The rows are known by their slots alone.
    QVERIFY(!HasPositionCount<view::KeyboardLanguage>::value);
}

void TestKeyboard::untranslatedKeysShowPlaceholder()
{
    for (int row = 1; row <= 5; ++row) {
        for (int position = 0; position < positionCount(row); ++position)
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
        for (int position = 0; position < positionCount(row); ++position) {
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

std::unique_ptr<QQuickView> TestKeyboard::showScene(const char *qml)
{
    QFile file(m_sceneDirectory.filePath(QStringLiteral("scene%1.qml").arg(++m_scenes)));
    if (!file.open(QIODevice::WriteOnly) || file.write(qml) < 0)
        return nullptr;
    file.close();
    auto view = std::make_unique<QQuickView>();
    view->setSource(QUrl::fromLocalFile(file.fileName()));
    if (view->status() != QQuickView::Ready) {
        qWarning() << view->errors();
        return nullptr;
    }
    return view;
}

void TestKeyboard::requestsReachTheQmlKeyboard()
{
    const std::unique_ptr<QQuickView> view = showScene(sceneWithKeyboard);
    QVERIFY(view);
    auto *keyboardItem = view->rootObject()->findChild<QQuickItem *>("onScreenKeyboard");
    QVERIFY(keyboardItem);

    // A child of the view, as the GUI handler makes it; it goes with the view.
    auto *keyboard = new view::Qeyboard(view.get());

    KeyboardRequester overview;
    KeyboardRequester favorite;
    QCOMPARE(keyboard->connectKeyboardRequests({&overview}), 0);
    QCOMPARE(keyboard->connectKeyboardTextRequests({&favorite}), 0);

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
    const std::unique_ptr<QQuickView> view =
        showScene("import QtQuick\nItem { Item { objectName: \"other\" } }");
    QVERIFY(view);
    view::Qeyboard keyboard(view.get());
    view::Qeyboard withoutView(nullptr);
    // Only a view's scene is searched: another parent holding a keyboard item is no view.
    const std::unique_ptr<QQuickView> withKeyboard = showScene(sceneWithKeyboard);
    QVERIFY(withKeyboard);
    auto *keyboardItem = withKeyboard->rootObject()->findChild<QQuickItem *>("onScreenKeyboard");
    QVERIFY(keyboardItem);
    view::Qeyboard underItem(withKeyboard->rootObject());

    KeyboardRequester requester;
    QCOMPARE(keyboard.connectKeyboardRequests({&requester}), 0);
    QCOMPARE(withoutView.connectKeyboardRequests({&requester}), 0);
    QCOMPARE(underItem.connectKeyboardRequests({&requester}), 0);
    QSignalSpy opened(&keyboard, qOverload<QVariant>(&view::Qeyboard::openKeyboard));
    emit requester.openKeyboard();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(keyboardItem->property("opened").toInt(), 0);

    QVERIFY(!HasKeyboardItemFinder<view::Qeyboard>::value);
    QVERIFY(!HasConnectionAccessor<view::Qeyboard>::value);
    QVERIFY((!std::is_constructible_v<view::Qeyboard, QObject *, QObject *>));
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
