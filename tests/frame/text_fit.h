#pragma once

#include "panel_under_test.h"
#include "quicker_animations.h"

#include "signal_interface/language_types.h"

#include <QQuickItem>
#include <QString>
#include <QStringList>

#include <QHash>

#include <functional>
#include <memory>

// Whether the texts the user sees fit: none cut off, running out of its box or the window, broken
// inside a time, a number with its unit or a word, or lying over another text or under a button.
namespace textFit {

// The item's QML type, without the engine's suffixes: "TabBarButton", "QQuickText".
QString typeName(const QQuickItem *item);

// The item's path by the object names, or else the QML types, of the items above it, and its
// place in the window.
QString objectPath(const QQuickItem *item);

// A text the user sees now, and why it does not fit; empty when it does.
struct ShownText
{
    QQuickItem *item = nullptr;
    QString problem;
};

// Every text of the scene below the root that the user sees: visible all the way up, not
// transparent, not wholly clipped away and not under a page drawn over it.
QList<ShownText> shownTexts(QQuickItem *root);

// Which shown texts are still English where a language's file translates them.
class EnglishTexts;

// "fi" for lang_fi_fi.
QString languageCode(signalInterface::LanguageTypes::Language language);

} // namespace textFit

// The whole panel, whose pages a test shows in every language, holding their texts to the fit.
// A test collects the problems of all its pages and fails once at the end with all of them.
class PageFitTest : public PanelUnderTest
{
protected:
    using Language = signalInterface::LanguageTypes::Language;
    // Another check of a shown text, beside the fit (the language test's "still English"); what
    // is wrong, or empty.
    using TextCheck = std::function<QString(const QString &shown)>;
    // A check of the whole page as it is shown in a language (that it needs no scrolling); what
    // is wrong, or empty.
    using PageCheck = std::function<QString()>;

    // Reads the fourteen translation files from the source tree, for the check that a shown
    // text is in the language.
    void readTranslationFiles();
    // Why the shown text is not in the language: "still English" where the language's file
    // translates it; empty when it is, or before the files are read.
    QString notInLanguage(Language language, const QString &shown) const;

    // Checks the texts shown now, with the page's scrolling lists and pages moved through to
    // their end; each offender is added to the problems with the language and the screen.
    void checkShownTexts(Language language, const QString &screen,
                         const TextCheck &check = TextCheck());
    // The page shown now, in each of the fourteen languages, then in English again: its texts
    // fit, and each is in the language. A page that writes its texts as it opens, and so shows
    // a new language only when opened again (as the user does, coming from the Language
    // screen), is opened again by the steps given. A page check given runs in each language.
    void checkPageInEveryLanguage(const QString &screen,
                                  const std::function<void()> &openAgain = {},
                                  const PageCheck &pageCheck = {});
    // The message the popup shows now, in each of the fourteen languages, then in English again:
    // its own texts fit, and each is in the language. The page under its shade is dimmed on
    // purpose and is left out.
    void checkMessageInEveryLanguage(const QString &screen);
    // Answers the message the popup shows with its button that reads the text ("Yes", "No").
    void answerMessage(const QString &answer);
    // A page check: the page (a Flickable, by its object name) holds all of its content, with
    // nothing to scroll to.
    PageCheck fitsWithoutScrolling(const QString &flickableName);
    // The sauna the walks connect to, under a name as long as a sauna's name on screen gets.
    static tools::SimulatorOptions longNamedSaunaOptions();
    // Fahrenheit and the 12-hour clock: the widest forms of temperatures and times. The panel's
    // store keeps them, so a walk that uses them puts Celsius and the 24-hour clock back at its
    // end, for the tests after it.
    void useWidestUnits();
    void useDefaultUnits();

    // Fails with every problem collected, and forgets them.
    void failOnProblems();

    // The visible row of the list whose main text is that.
    QQuickItem *rowWithText(const QString &listName, const QString &text);
    void tapRowWithText(const QString &listName, const QString &text);
    // The visible button or tab that reads the text.
    void tapButton(const QString &text);
    // Taps the calendar's Queue tab: the queue's view, or null when it does not show.
    QQuickItem *openQueue();
    // From the settings areas, the steps open the named page; it is checked in every language.
    void checkPage(const QString &pageName, const std::function<void()> &open);

    QStringList m_problems;
    int m_screensChecked = 0;

private:
    // The walks look at each page at rest only, after its transition.
    QuickerAnimations m_quickerAnimations{8};

    // Whether a text shown now is still English, or still in the language the walk came from.
    bool showsEnglish(Language language);

    QHash<int, std::shared_ptr<const textFit::EnglishTexts>> m_english; // by language
    // Texts of the language before it in the walk that the language translates otherwise.
    QHash<int, std::shared_ptr<const textFit::EnglishTexts>> m_previous; // by language
    void checkShownTextsNow(const QString &where, const TextCheck &check);
};
