#include "control/language_controller.h"
#include "control/settings.h"
#include "view_cpp/language_support.h"
#include "view_cpp/user_message_provider.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using control::LanguageController;
using control::Settings;
using signalInterface::LanguageTypes;

namespace {

// The compiled translations of this build, beside the program as the build lays them out.
const QString builtTranslations = QStringLiteral(PANEL_TRANSLATIONS_DIR);

// The scene's root item as far as the language controller touches it.
class Root : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool languageToggle MEMBER m_languageToggle NOTIFY languageToggleChanged)

signals:
    void languageToggleChanged();

private:
    bool m_languageToggle = false;
};

// The language screen as far as the language controller listens to it.
class LanguageScreen : public QObject
{
    Q_OBJECT

signals:
    void languageChangeRequested(::signalInterface::LanguageTypes::Language language);
};

QString storedLanguage()
{
    return Settings::settings()->value(QLatin1String(Settings::languageKey)).toString();
}

} // namespace

// Checks the language controller: the stored language, the translator it installs and the
// refresh of the scene.
class TestLanguageController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void englishWrittenWhenMissing();
    void finnishTranslatorInstalled();
    void qmlTranslationsFollowTheLanguage();
    void swedishAndGermanTranslated();
    void storedLanguageAppliedAfterRestart();
    void missingTranslationKeepsLanguage();
    void outOfRangeLanguageIgnored();
    void englishFileLoadedLikeAnyOther();
    void missingStoredLanguageFallsBackToEnglish();
    void corruptStoredLanguageKept();
    void translationFileNames();
    void connectOperation();

private:
    QTemporaryDir m_configHome;
};

void TestLanguageController::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    qRegisterMetaType<LanguageTypes::Language>();
    qRegisterMetaType<signalInterface::UserMessageTypes::UserMessage>();
    qRegisterMetaType<signalInterface::UserMessageAction *>();
    QVERIFY2(QFile::exists(builtTranslations + QStringLiteral("/lang_fi_fi.qm")),
             qPrintable(builtTranslations));
}

void TestLanguageController::init()
{
    Settings::resetForTesting();
    QFile::remove(Settings::settings()->fileName());
    Settings::resetForTesting();
}

void TestLanguageController::englishWrittenWhenMissing()
{
    LanguageController controller;
    QCOMPARE(controller.language(), LanguageTypes::E_english);
    QCOMPARE(storedLanguage(), QStringLiteral("2"));
    QCOMPARE(controller.translationsDirectory(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/qml/view/languages"));
}

void TestLanguageController::finnishTranslatorInstalled()
{
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    Root root;
    controller.setRootObject(&root);
    QSignalSpy changed(&controller, &LanguageController::languageChanged);
    QSignalSpy refreshed(&root, &Root::languageToggleChanged);

    controller.onLanguageChangeRequested(LanguageTypes::E_finnish);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<LanguageTypes::Language>(), LanguageTypes::E_finnish);
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(root.property("languageToggle").toBool(), true);
    QCOMPARE(storedLanguage(), QStringLiteral("3"));
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x2022),
             QStringLiteral("Palautetaanko tehdasasetukset?"));
    QCOMPARE(view::LanguageSupport::yesText(), QStringLiteral("Kyllä"));

    // Back to English: the Finnish translator is gone.
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
    QCOMPARE(root.property("languageToggle").toBool(), false);
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x2022),
             QStringLiteral("Confirm factory reset?"));
    QCOMPARE(view::LanguageSupport::yesText(), QStringLiteral("Yes"));
}

void TestLanguageController::qmlTranslationsFollowTheLanguage()
{
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);

    // A root named like the main scene, so that its qsTr texts use the scene's translations.
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(
        "import QtQml\n"
        "QtObject {\n"
        "    property bool languageToggle: false\n"
        "    property string tabTitle: qsTr(\"Favorites\")\n"
        "}\n",
        QUrl::fromLocalFile(QDir::temp().absoluteFilePath(QStringLiteral("main.qml"))));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    controller.setRootObject(root.get());
    QCOMPARE(root->property("tabTitle").toString(), QStringLiteral("Favorites"));

    controller.onLanguageChangeRequested(LanguageTypes::E_finnish);
    QCOMPARE(root->property("tabTitle").toString(), QStringLiteral("Suosikit"));
    QCOMPARE(root->property("languageToggle").toBool(), true);

    controller.onLanguageChangeRequested(LanguageTypes::E_english);
    QCOMPARE(root->property("tabTitle").toString(), QStringLiteral("Favorites"));

    // A root that is no QML object is only toggled.
    Root plain;
    controller.setRootObject(&plain);
    controller.onLanguageChangeRequested(LanguageTypes::E_finnish);
    QCOMPARE(plain.property("languageToggle").toBool(), true);
    QCOMPARE(root->property("tabTitle").toString(), QStringLiteral("Favorites"));
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
}

void TestLanguageController::swedishAndGermanTranslated()
{
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);

    controller.onLanguageChangeRequested(LanguageTypes::E_swedish);
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x1009),
             QStringLiteral("Avkalkningen är klar"));
    controller.onLanguageChangeRequested(LanguageTypes::E_german);
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x1009),
             QStringLiteral("Entkalkung abgeschlossen"));
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
}

void TestLanguageController::storedLanguageAppliedAfterRestart()
{
    {
        LanguageController controller;
        controller.setTranslationsDirectory(builtTranslations);
        controller.onLanguageChangeRequested(LanguageTypes::E_finnish);
    }
    // The controller's translator went with it.
    QCOMPARE(view::LanguageSupport::noText(), QStringLiteral("No"));

    Settings::resetForTesting();
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    QCOMPARE(controller.language(), LanguageTypes::E_finnish);
    QSignalSpy changed(&controller, &LanguageController::languageChanged);
    controller.applyStoredLanguage();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(view::LanguageSupport::noText(), QStringLiteral("Ei"));
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
}

void TestLanguageController::missingTranslationKeepsLanguage()
{
    QTemporaryDir empty;
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    controller.onLanguageChangeRequested(LanguageTypes::E_finnish);
    controller.setTranslationsDirectory(empty.path());
    QSignalSpy changed(&controller, &LanguageController::languageChanged);
    QSignalSpy messages(&controller, &LanguageController::panelUserMessageIssued);

    controller.onLanguageChangeRequested(LanguageTypes::E_polish);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).value<signalInterface::UserMessageTypes::UserMessage>().id,
             0x2019u);
    QCOMPARE(controller.language(), LanguageTypes::E_finnish);
    QCOMPARE(storedLanguage(), QStringLiteral("3"));
    // The old translation still works.
    QCOMPARE(view::LanguageSupport::yesText(), QStringLiteral("Kyllä"));
    controller.setTranslationsDirectory(builtTranslations);
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
}

void TestLanguageController::outOfRangeLanguageIgnored()
{
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    Root root;
    controller.setRootObject(&root);
    QSignalSpy changed(&controller, &LanguageController::languageChanged);
    QSignalSpy messages(&controller, &LanguageController::panelUserMessageIssued);

    controller.onLanguageChangeRequested(static_cast<LanguageTypes::Language>(14));
    controller.onLanguageChangeRequested(static_cast<LanguageTypes::Language>(-1));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(root.property("languageToggle").toBool(), false);
    QCOMPARE(storedLanguage(), QStringLiteral("2"));
}

void TestLanguageController::englishFileLoadedLikeAnyOther()
{
    using signalInterface::CalendarTypes;
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
    QVERIFY(controller.hasTranslator());
    // The English file supplies the words behind the text keys.
    QCOMPARE(view::LanguageSupport::weekdayPluralText(CalendarTypes::E_monday),
             QStringLiteral("Mondays"));
    QCOMPARE(view::LanguageSupport::monthLongText(CalendarTypes::E_january),
             QStringLiteral("January"));

    // Without its file, English is refused like any other language: the texts stay readable.
    controller.onLanguageChangeRequested(LanguageTypes::E_finnish);
    QTemporaryDir empty;
    controller.setTranslationsDirectory(empty.path());
    QSignalSpy changed(&controller, &LanguageController::languageChanged);
    QSignalSpy messages(&controller, &LanguageController::panelUserMessageIssued);

    controller.onLanguageChangeRequested(LanguageTypes::E_english);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(controller.language(), LanguageTypes::E_finnish);
    QCOMPARE(view::LanguageSupport::weekdayPluralText(CalendarTypes::E_monday),
             QStringLiteral("Maanantaisin"));
    controller.setTranslationsDirectory(builtTranslations);
    controller.onLanguageChangeRequested(LanguageTypes::E_english);
}

void TestLanguageController::missingStoredLanguageFallsBackToEnglish()
{
    using signalInterface::CalendarTypes;
    // Only the English file is there.
    QTemporaryDir onlyEnglish;
    QVERIFY(QFile::copy(builtTranslations + QStringLiteral("/lang_en_en.qm"),
                        onlyEnglish.filePath(QStringLiteral("lang_en_en.qm"))));
    Settings::setValue(QLatin1String(Settings::languageKey), int(LanguageTypes::E_polish));
    Settings::resetForTesting();
    LanguageController controller;
    controller.setTranslationsDirectory(onlyEnglish.path());
    QSignalSpy changed(&controller, &LanguageController::languageChanged);

    controller.applyStoredLanguage();

    QVERIFY(controller.hasTranslator());
    QCOMPARE(controller.language(), LanguageTypes::E_english);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<LanguageTypes::Language>(), LanguageTypes::E_english);
    QCOMPARE(view::LanguageSupport::weekdayPluralText(CalendarTypes::E_sunday),
             QStringLiteral("Sundays"));
    // The choice stays stored for a start with the file in place.
    QCOMPARE(storedLanguage(), QString::number(int(LanguageTypes::E_polish)));
    Settings::setValue(QLatin1String(Settings::languageKey), int(LanguageTypes::E_english));
}

void TestLanguageController::corruptStoredLanguageKept()
{
    Settings::setValue(QLatin1String(Settings::languageKey), QStringLiteral("finnish"));
    Settings::resetForTesting();
    LanguageController controller;
    QCOMPARE(controller.language(), LanguageTypes::E_english);
    QCOMPARE(storedLanguage(), QStringLiteral("finnish"));
}

void TestLanguageController::translationFileNames()
{
    QCOMPARE(LanguageController::translationFileName(LanguageTypes::E_english),
             QStringLiteral("lang_en_en"));
    QCOMPARE(LanguageController::translationFileName(LanguageTypes::E_finnish),
             QStringLiteral("lang_fi_fi"));
    QCOMPARE(LanguageController::translationFileName(LanguageTypes::E_swedish),
             QStringLiteral("lang_sv_sv"));
    QCOMPARE(LanguageController::translationFileName(static_cast<LanguageTypes::Language>(14)),
             QString());
    // Every language has its compiled file beside the program.
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        const QString name =
            LanguageController::translationFileName(static_cast<LanguageTypes::Language>(value));
        QVERIFY2(QFile::exists(builtTranslations + QLatin1Char('/') + name + QLatin1String(".qm")),
                 qPrintable(name));
    }
}

void TestLanguageController::connectOperation()
{
    LanguageController controller;
    controller.setTranslationsDirectory(builtTranslations);
    LanguageScreen screen;
    QObject plain;
    QCOMPARE(controller.connectLanguageChangeRequests({&screen}), 0);
    QCOMPARE(controller.connectLanguageChangeRequests({&plain}), 1);

    emit screen.languageChangeRequested(LanguageTypes::E_german);
    QCOMPARE(controller.language(), LanguageTypes::E_german);
    emit screen.languageChangeRequested(LanguageTypes::E_english);
}

QTEST_GUILESS_MAIN(TestLanguageController)
#include "tst_language_controller.moc"
