#include "panel_under_test.h"
#include "support/translation_files.h"

#include "control/language_controller.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"

#include <QColor>
#include <QHash>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <memory>

// The whole panel against the simulated sauna on loopback, switched by taps on its Language
// screen through all fourteen languages. In each one the Language screen, the General menu, the
// list of settings areas and the main screen show no text that is still English where the
// language's file translates it, and no text that is cut off, runs out of its box or the window,
// or lies over another text or under a button. Then the pages a user walks to (the settings
// areas and their menus, the error log, the heater's settings, a favorite and its editor, the
// weekdays, a weekday program's editor and the queue) are each shown in all fourteen languages,
// and their texts held to the same fit.

using signalInterface::LanguageTypes;
using translationFiles::File;
using translationFiles::Message;

namespace {

// Half a pixel for the rounding of text metrics.
constexpr qreal slack = 0.5;

QString languageCode(LanguageTypes::Language language)
{
    // "lang_fi_fi" -> "fi"
    return control::LanguageController::translationFileName(language).mid(5, 2);
}

// A text with placeholders as a pattern that matches the text with any values filled in; none
// for a text without placeholders, or one that is little more than its placeholders ("%1 - %2"
// matches nearly anything).
QRegularExpression filledInPattern(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?[1-9][0-9]?|n)"));
    if (translationFiles::placeholders(text).isEmpty())
        return {};
    QString literal = text;
    literal.remove(placeholder);
    if (std::count_if(literal.begin(), literal.end(), [](QChar c) { return c.isLetter(); }) < 3)
        return {};
    QString pattern;
    qsizetype from = 0;
    for (auto match = placeholder.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch each = match.next();
        pattern += QRegularExpression::escape(text.mid(from, each.capturedStart() - from));
        pattern += QStringLiteral(".+");
        from = each.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

// Which shown texts are English that the language translates. A text is still English when it
// is the English text of a message (the source, or for a key such as "plural_Mondays" the
// English file's words), filled in or not, whose translation in the language differs from it,
// and no translation of the language reads the same: "Sauna" is Finnish as well, and a brand
// name or "X3-X4" is translated to itself on purpose.
class EnglishTexts
{
public:
    EnglishTexts(const File &english, const File &language)
    {
        QHash<QString, QString> translated; // key -> the language's text, as the program gets it
        for (const Message &message : language.messages) {
            if (message.obsolete || message.translation().isEmpty())
                continue;
            translated.insert(message.key(), message.translation());
            addTo(m_translations, m_translationPatterns, message.translation());
        }
        const auto addEnglish = [&](const Message &message) {
            if (message.obsolete)
                return;
            const Message *inEnglish = english.find(message.key());
            const QString text = inEnglish && !inEnglish->translation().isEmpty()
                                     ? inEnglish->translation()
                                     : message.source;
            if (translated.value(message.key()) != text)
                addTo(m_untranslated, m_untranslatedPatterns, text);
        };
        for (const Message &message : english.messages)
            addEnglish(message);
        for (const Message &message : language.messages)
            addEnglish(message);
    }

    bool isStillEnglish(const QString &shown) const
    {
        return matches(m_untranslated, m_untranslatedPatterns, shown) &&
               !matches(m_translations, m_translationPatterns, shown);
    }

private:
    static void addTo(QSet<QString> &texts, QList<QRegularExpression> &patterns,
                      const QString &text)
    {
        texts.insert(text);
        const QRegularExpression pattern = filledInPattern(text);
        if (!pattern.pattern().isEmpty())
            patterns << pattern;
    }

    static bool matches(const QSet<QString> &texts, const QList<QRegularExpression> &patterns,
                        const QString &shown)
    {
        if (texts.contains(shown))
            return true;
        return std::any_of(patterns.begin(), patterns.end(), [&shown](const QRegularExpression &p) {
            return p.match(shown).hasMatch();
        });
    }

    QSet<QString> m_untranslated;
    QList<QRegularExpression> m_untranslatedPatterns;
    QSet<QString> m_translations;
    QList<QRegularExpression> m_translationPatterns;
};

// The item's QML type, without the engine's suffixes: "TabBarButton", "QQuickText".
QString typeName(const QQuickItem *item)
{
    static const QRegularExpression suffix(QStringLiteral("(_QML(TYPE)?_[0-9]+)+$"));
    return QString::fromLatin1(item->metaObject()->className()).remove(suffix);
}

// The item's path by the object names, or else the QML types, of the items above it, and its
// place in the window.
QString objectPath(const QQuickItem *item)
{
    QStringList path;
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        const QString type = typeName(each);
        if (!each->objectName().isEmpty())
            path.prepend(each->objectName());
        else if (each == item || !type.startsWith(QLatin1String("QQuick")))
            path.prepend(type);
    }
    const QPointF at = item->mapToScene(QPointF());
    return QStringLiteral("%1 at %2,%3")
        .arg(path.join(QLatin1Char('/')))
        .arg(at.x(), 0, 'f', 0)
        .arg(at.y(), 0, 'f', 0);
}

// The place of the item's rectangle in the scene that its clipping ancestors leave visible.
QRectF visiblePart(const QQuickItem *item, const QRectF &window)
{
    QRectF shown = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    for (const QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            shown &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    return shown & window;
}

// Where the text is painted in its own item, by its alignment.
QRectF paintedRect(const QQuickItem *text)
{
    const qreal paintedWidth = text->property("paintedWidth").toReal();
    const qreal paintedHeight = text->property("paintedHeight").toReal();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (horizontal & Qt::AlignRight)
        x = text->width() - paintedWidth;
    else if (horizontal & Qt::AlignHCenter)
        x = (text->width() - paintedWidth) / 2;
    qreal y = 0;
    if (vertical & Qt::AlignBottom)
        y = text->height() - paintedHeight;
    else if (vertical & Qt::AlignVCenter)
        y = (text->height() - paintedHeight) / 2;
    return QRectF(x, y, paintedWidth, paintedHeight);
}

// The item's children in the order they are drawn: by z, and in their order where z is equal.
QList<QQuickItem *> childrenInDrawOrder(const QQuickItem *item)
{
    QList<QQuickItem *> children = item->childItems();
    std::stable_sort(children.begin(), children.end(),
                     [](const QQuickItem *a, const QQuickItem *b) { return a->z() < b->z(); });
    return children;
}

// Every text item the user sees (visible all the way up, not transparent, and not wholly
// clipped away), and the items a text can hide under, in the order they are drawn: opaque
// rectangles and buttons.
struct ShownItems
{
    QList<QQuickItem *> texts;
    QList<QQuickItem *> covers;
    QHash<const QQuickItem *, int> drawOrder;
};

bool isOpaque(const QQuickItem *item)
{
    if (!item->inherits("QQuickRectangle"))
        return false;
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        if (each->opacity() < 1.0)
            return false;
    }
    return item->property("color").value<QColor>().alpha() == 255;
}

void collectShownItems(QQuickItem *item, const QRectF &window, ShownItems &shown)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    shown.drawOrder.insert(item, int(shown.drawOrder.size()));
    if (!visiblePart(item, window).isEmpty()) {
        if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty())
            shown.texts << item;
        else if (typeName(item) == QLatin1String("PanelButton") || isOpaque(item))
            shown.covers << item;
    }
    for (QQuickItem *child : childrenInDrawOrder(item))
        collectShownItems(child, window, shown);
}

bool isInside(const QQuickItem *item, const QQuickItem *ancestor)
{
    for (const QQuickItem *each = item; each; each = each->parentItem()) {
        if (each == ancestor)
            return true;
    }
    return false;
}

QRectF sceneRect(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

bool overlaps(const QRectF &a, const QRectF &b)
{
    const QRectF common = a & b;
    return common.width() > slack && common.height() > slack;
}

// Why the text does not fit; empty when it does.
QString fitProblem(QQuickItem *text, const QRectF &window)
{
    if (text->property("truncated").toBool())
        return QStringLiteral("cut off (%1 px wide, room for %2)")
            .arg(text->implicitWidth(), 0, 'f', 1)
            .arg(text->width(), 0, 'f', 1);
    const QRectF painted = paintedRect(text);
    const bool elides = text->property("elide").toInt() != 0;
    if (!elides && painted.width() > text->width() + slack)
        return QStringLiteral("wider than its box (%1 > %2 px)")
            .arg(painted.width(), 0, 'f', 1)
            .arg(text->width(), 0, 'f', 1);
    if (painted.height() > text->height() + slack && text->property("wrapMode").toInt() != 0)
        return QStringLiteral("taller than its box (%1 > %2 px)")
            .arg(painted.height(), 0, 'f', 1)
            .arg(text->height(), 0, 'f', 1);
    const QRectF inScene = text->mapRectToScene(painted);
    // A clipping box cuts the text; a list that scrolls may show a row in part, on purpose.
    for (const QQuickItem *above = text->parentItem(); above; above = above->parentItem()) {
        if (!above->clip() || above->inherits("QQuickFlickable"))
            continue;
        const QRectF box = above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
        if (!box.adjusted(-slack, -slack, slack, slack).contains(inScene))
            return QStringLiteral("cut by the box of %1").arg(typeName(above));
    }
    if (!window.adjusted(-slack, -slack, slack, slack).contains(inScene))
        return QStringLiteral("outside the window (x %1 to %2 of %3 px)")
            .arg(inScene.left(), 0, 'f', 1)
            .arg(inScene.right(), 0, 'f', 1)
            .arg(window.width(), 0, 'f', 1);
    return QString();
}

// Whether the text lies wholly under an opaque box drawn after it (a page opened over another):
// the user does not see it.
bool isCovered(const QQuickItem *text, const ShownItems &shown, const QRectF &window)
{
    const int order = shown.drawOrder.value(text);
    const QRectF painted = text->mapRectToScene(paintedRect(text)) & visiblePart(text, window);
    return std::any_of(shown.covers.begin(), shown.covers.end(), [&](const QQuickItem *cover) {
        return shown.drawOrder.value(cover) > order && !isInside(text, cover) && isOpaque(cover) &&
               sceneRect(cover).contains(painted);
    });
}

// What the text lies under or over, in the scene as it is drawn; empty when nothing. A text that
// may use its whole box (a title that shrinks or wraps) must keep the box clear of the buttons
// drawn over it; other texts keep their painted part clear of the buttons and of each other.
QString overlapProblem(const QQuickItem *text, const ShownItems &shown, const QRectF &window)
{
    const int order = shown.drawOrder.value(text);
    const QRectF painted = text->mapRectToScene(paintedRect(text)) & visiblePart(text, window);
    if (painted.isEmpty())
        return QString();
    const bool usesItsBox =
        text->property("elide").toInt() != 0 || text->property("wrapMode").toInt() != 0;
    const QRectF box = usesItsBox ? sceneRect(text) & visiblePart(text, window) : painted;
    for (const QQuickItem *cover : shown.covers) {
        if (typeName(cover) == QLatin1String("PanelButton") &&
            shown.drawOrder.value(cover) > order && !isInside(text, cover) &&
            overlaps(box, sceneRect(cover)))
            return QStringLiteral("under the button %1").arg(objectPath(cover));
    }
    for (const QQuickItem *other : shown.texts) {
        if (other == text || shown.drawOrder.value(other) < order ||
            isCovered(other, shown, window))
            continue;
        const QRectF otherPainted =
            other->mapRectToScene(paintedRect(other)) & visiblePart(other, window);
        if (overlaps(painted, otherPainted))
            return QStringLiteral("overlaps \"%1\" (%2)")
                .arg(other->property("text").toString(), objectPath(other));
    }
    return QString();
}

} // namespace

class TestLanguagesEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // Checks the texts shown now; each offender is added to problems with the language and the
    // screen.
    void checkShownTexts(LanguageTypes::Language language, const QString &screen,
                         const EnglishTexts *english)
    {
        waitForPagesAtRest();
        QVERIFY(QQuickTest::qWaitForPolish(m_frame->guiHandler.view()->quickWindow(), waitMs));
        const QRectF window(0, 0, sceneRoot()->width(), sceneRoot()->height());
        ShownItems items;
        collectShownItems(sceneRoot(), window, items);
        QVERIFY2(!items.texts.isEmpty(), qPrintable(screen));
        const QString where = QStringLiteral("%1, %2").arg(languageCode(language), screen);
        for (QQuickItem *text : std::as_const(items.texts)) {
            if (isCovered(text, items, window))
                continue;
            const QString shown = text->property("text").toString();
            if (english && english->isStillEnglish(shown))
                m_problems << QStringLiteral("%1: \"%2\" still English: %3")
                                  .arg(where, shown, objectPath(text));
            QString fit = fitProblem(text, window);
            if (fit.isEmpty())
                fit = overlapProblem(text, items, window);
            if (!fit.isEmpty())
                m_problems
                    << QStringLiteral("%1: \"%2\" %3: %4").arg(where, shown, fit, objectPath(text));
        }
        ++m_screensChecked;
    }

    // The page shown now, in each of the fourteen languages, then in English again: its texts fit
    // and lie over nothing.
    void checkPageInEveryLanguage(const QString &screen)
    {
        control::LanguageController &languages = m_frame->controllerTab.languageController;
        for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
            const auto language = LanguageTypes::Language(value);
            languages.onLanguageChangeRequested(language);
            QCOMPARE(languages.language(), language);
            STEP(checkShownTexts(language, screen, nullptr));
        }
        languages.onLanguageChangeRequested(LanguageTypes::E_english);
        QCOMPARE(languages.language(), LanguageTypes::E_english);
    }

    void failOnProblems()
    {
        if (!m_problems.isEmpty()) {
            QTest::qFail(
                qPrintable(QStringLiteral("%1 texts not translated or not fitting:\n    %2")
                               .arg(m_problems.size())
                               .arg(m_problems.join(QLatin1String("\n    ")))),
                __FILE__, __LINE__);
        }
    }

    // The visible row of the list whose main text is that.
    QQuickItem *rowWithText(const QString &listName, const QString &text)
    {
        QQuickItem *list = waitForItem(listName);
        if (list == nullptr)
            return nullptr;
        return waitForItem(
            list,
            [&text](QQuickItem *item) {
                return item->property("mainText").toString() == text &&
                       item->property("applId").isValid() && item->height() > 0;
            },
            QStringLiteral("row \"%1\" of %2").arg(text, listName));
    }

    void tapRowWithText(const QString &listName, const QString &text)
    {
        QQuickItem *row = rowWithText(listName, text);
        QVERIFY2(row, qPrintable(text));
        STEP(tap(row));
    }

    // The visible button or tab that reads the text.
    void tapButton(const QString &text)
    {
        QQuickItem *button = waitForItem(
            sceneRoot(),
            [&text](QQuickItem *item) {
                return typeName(item) == QLatin1String("PanelButton") &&
                       item->property("text").toString() == text;
            },
            QStringLiteral("button \"%1\"").arg(text));
        QVERIFY2(button, qPrintable(text));
        STEP(tap(button));
    }

    QList<File> m_files; // indexed by LanguageTypes::Language
    QStringList m_problems;
    int m_screensChecked = 0;
    bool m_tappedOnce = false;

private slots:
    void initTestCase()
    {
        const QString languagesDirectory = QString::fromLocal8Bit(qgetenv("PANEL_SOURCE_DIR")) +
                                           QStringLiteral("/qml/view/languages/");
        for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
            const auto language = LanguageTypes::Language(value);
            File file = translationFiles::readFile(
                languagesDirectory + control::LanguageController::translationFileName(language) +
                QStringLiteral(".ts"));
            QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
            m_files << file;
        }

        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"));
        // Every kind of error, with the longest names, for the error log.
        options.errorLogEntries = 32;
        STEP(startSauna(options));
        STEP(startPanel());
        QCOMPARE(m_frame->controllerTab.languageController.language(), LanguageTypes::E_english);
        STEP(connectToTheSauna());
        // The main screen then shows its values.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->configureTab.generalViewManager.model()->rowCount() > 0,
                                 waitMs);
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void everyLanguageFitsAndIsTranslated_data()
    {
        QTest::addColumn<int>("value");
        // English last, so that the first switch leaves the language the panel starts in.
        for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
            if (value != LanguageTypes::E_english)
                QTest::newRow(qPrintable(languageCode(LanguageTypes::Language(value)))) << value;
        }
        QTest::newRow("en") << int(LanguageTypes::E_english);
    }

    // The first language by taps: Settings, General, Language, the language marked and saved;
    // the others by the language controller, as the Save button asks it. In each one the main
    // screen and the General menu are checked, and the Language screen in the first.
    void everyLanguageFitsAndIsTranslated()
    {
        QFETCH(int, value);
        const auto language = LanguageTypes::Language(value);
        control::LanguageController &languages = m_frame->controllerTab.languageController;
        m_problems.clear();
        m_screensChecked = 0;

        // English has nothing to translate; the other languages are held against their file.
        std::unique_ptr<EnglishTexts> english;
        if (language != LanguageTypes::E_english)
            english = std::make_unique<EnglishTexts>(m_files.at(LanguageTypes::E_english),
                                                     m_files.at(language));
        const QString code = languageCode(language);
        const bool screenshots = code == QLatin1String("fi") || code == QLatin1String("pl") ||
                                 code == QLatin1String("ru");

        int screens = 2;
        if (!m_tappedOnce) {
            m_tappedOnce = true;
            STEP(tap(tabButton(settingsTabIndex)));
            STEP(backToSettingsAreas());
            STEP(tap(QStringLiteral("settingsArea_general")));
            STEP(tapPageRow(QStringLiteral("generalMenuPage"),
                            signalInterface::ConfigureTypes::E_language));
            QVERIFY(waitForItem(QStringLiteral("generalLanguagePage")));
            STEP(tapPageRow(QStringLiteral("generalLanguagePage"), value));
            QCOMPARE(languages.language(), LanguageTypes::E_english);
            STEP(tap(QStringLiteral("languageSaveButton")));
            QTRY_COMPARE(languages.language(), language);
            STEP(checkShownTexts(language, QStringLiteral("Language screen"), english.get()));
            STEP(tap(QStringLiteral("pageBackButton")));
            QVERIFY(waitForItem(QStringLiteral("generalMenuPage")));
            STEP(tap(tabButton(saunaTabIndex)));
            ++screens;
        } else {
            languages.onLanguageChangeRequested(language);
            QCOMPARE(languages.language(), language);
        }

        QVERIFY(waitForItem(QStringLiteral("targetTemperatureText")));
        STEP(checkShownTexts(language, QStringLiteral("main screen"), english.get()));
        if (screenshots)
            STEP(saveScreenshot(QStringLiteral("languages_%1_main_screen").arg(code)));

        // The settings tab opens where it was left: on the General menu.
        STEP(tap(tabButton(settingsTabIndex)));
        QVERIFY(waitForItem(QStringLiteral("generalMenuPage")));
        STEP(checkShownTexts(language, QStringLiteral("General menu"), english.get()));
        if (screenshots)
            STEP(saveScreenshot(QStringLiteral("languages_%1_general_menu").arg(code)));
        STEP(tap(tabButton(saunaTabIndex)));

        QCOMPARE(m_screensChecked, screens);
        STEP(failOnProblems());
    }

    // The settings areas and their menus, and the error log.
    void settingsPagesFitInEveryLanguage()
    {
        m_problems.clear();
        STEP(tap(tabButton(settingsTabIndex)));
        STEP(backToSettingsAreas());
        STEP(checkPageInEveryLanguage(QStringLiteral("settings areas")));
        const QStringList areas{QStringLiteral("system"), QStringLiteral("limits"),
                                QStringLiteral("general"), QStringLiteral("dateTime"),
                                QStringLiteral("advanced")};
        for (const QString &area : areas) {
            STEP(tap(QStringLiteral("settingsArea_") + area));
            QVERIFY(waitForItem(QStringLiteral("settingsList")));
            STEP(checkPageInEveryLanguage(area + QStringLiteral(" menu")));
            STEP(backToSettingsAreas());
        }
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), signalInterface::ConfigureTypes::E_errorLog));
        QVERIFY(waitForItem(QStringLiteral("errorLogPage")));
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.systemErrorLogViewManager.model()->rowCount(), 32, waitMs);
        STEP(checkPageInEveryLanguage(QStringLiteral("error log")));
        STEP(backToSettingsAreas());
        STEP(tap(tabButton(saunaTabIndex)));
        STEP(failOnProblems());
    }

    // The heater's settings, over the main screen.
    void heaterSettingsFitInEveryLanguage()
    {
        m_problems.clear();
        STEP(tap(QStringLiteral("bathTimeTile")));
        QVERIFY(waitForItem(QStringLiteral("heaterSettingsModel")));
        STEP(checkPageInEveryLanguage(QStringLiteral("heater settings")));
        STEP(tap(QStringLiteral("pageBackButton")));
        STEP(failOnProblems());
    }

    // A favorite saved and opened, a weekday program with it opened, its start time, the
    // program saved, and the queue that shows it with its favorite.
    void favoriteAndCalendarPagesFitInEveryLanguage()
    {
        m_problems.clear();
        const QString favorite = QStringLiteral("Evening");
        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(waitForItem(QStringLiteral("favoritesList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("favorites")));
        STEP(tapButton(QStringLiteral("Save current settings as favorite")));
        STEP(typeOnKeyboard(favorite));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        STEP(tapRowWithText(QStringLiteral("favoritesList"), favorite));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        STEP(checkPageInEveryLanguage(QStringLiteral("favorite editor")));
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());

        QObject &program = m_frame->calendarTab.weekdayProgramController;
        STEP(tapTab(QStringLiteral("Calendar")));
        QVERIFY(waitForItem(QStringLiteral("weekDaysList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekdays")));
        STEP(tapRowWithText(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRowWithText(QStringLiteral("weekDayProgramsList"),
                            QStringLiteral("weekday calendar program")));
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(checkPageInEveryLanguage(QStringLiteral("program editor")));
        // Its start time, then its favorite.
        STEP(tapRow(QStringLiteral("programSettingsList"), 0));
        QVERIFY(waitForItem(QStringLiteral("programSetTimeButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program start time")));
        STEP(tap(QStringLiteral("programSetTimeButton")));
        STEP(tapRow(QStringLiteral("programSettingsList"), 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), favorite));
        QVERIFY(waitForItem(QStringLiteral("programSaveButton")));
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!program.property("editing").toBool());
        QVERIFY(
            rowWithText(QStringLiteral("weekDayProgramsList"), QStringLiteral("18:00 - 22:00")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekday programs")));

        // The queue row names the program's kind and its favorite.
        STEP(tapButton(QStringLiteral("Queue")));
        QQuickItem *queue = waitForItem(m_frame->calendarTabObjectIdProvider.queueViewName());
        QVERIFY(queue);
        QVERIFY(waitForItem(
            queue,
            [](QQuickItem *item) {
                return item->property("mainText").isValid() &&
                       !item->property("value1Text").toString().isEmpty();
            },
            QStringLiteral("the program in the queue")));
        const bool favoriteShown = findVisibleItem(queue, [&favorite](QQuickItem *item) {
                                       return item->inherits("QQuickText") &&
                                              item->property("text").toString() == favorite;
                                   }) != nullptr;
        if (!favoriteShown)
            m_problems << QStringLiteral("queue: the program's favorite is not shown");
        STEP(checkPageInEveryLanguage(QStringLiteral("queue")));
        STEP(tapButton(QStringLiteral("Week")));
        STEP(tap(tabButton(saunaTabIndex)));
        STEP(failOnProblems());
    }
};

QTEST_MAIN(TestLanguagesEndToEnd)
#include "tst_languages_end_to_end.moc"
