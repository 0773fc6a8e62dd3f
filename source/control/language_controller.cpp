#include "control/language_controller.h"

#include "control/details/stored_enum_setting.h"
#include "control/settings.h"
#include "signal_interface/sender_connections.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QTranslator>

#include <array>

namespace control {

namespace {

using signalInterface::LanguageTypes;

// Indexed by LanguageTypes::Language.
constexpr std::array<const char *, 14> translationFileNames{
    "lang_cs_cs", "lang_nl_nl", "lang_en_en", "lang_fi_fi", "lang_fr_fr",
    "lang_de_de", "lang_pl_pl", "lang_ru_ru", "lang_sk_sk", "lang_es_es",
    "lang_sv_sv", "lang_da_da", "lang_nb_nb", "lang_pt_pt",
};

constexpr quint32 languageSwitchFailedMessage = 0x2019;

} // namespace

LanguageController::LanguageController(QObject *parent)
    : QObject(parent)
    , m_translationsDirectory(QCoreApplication::applicationDirPath() +
                              QStringLiteral("/qml/view/languages"))
{
    m_language =
        details::readEnumSetting(Settings::languageKey, &LanguageTypes::fromInt, defaultLanguage);
}

LanguageController::~LanguageController()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
}

void LanguageController::setRootObject(QObject *root)
{
    m_root = root;
}

int LanguageController::connectLanguageChangeRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChangeRequested(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChangeRequested(::signalInterface::LanguageTypes::Language))}});
}

void LanguageController::applyStoredLanguage()
{
    // A stored language whose file is missing falls back to English, so that the texts stay
    // readable; the stored choice is kept for a later start.
    if (!install(m_language) && m_language != defaultLanguage && install(defaultLanguage))
        m_language = defaultLanguage;
    refreshScene();
    emit languageChanged(m_language);
}

void LanguageController::setTranslationsDirectory(const QString &directory)
{
    m_translationsDirectory = directory;
}

QString LanguageController::translationFileName(Language language)
{
    const int index = static_cast<int>(language);
    if (index < 0 || index >= static_cast<int>(translationFileNames.size())) {
        return {};
    }
    return QString::fromLatin1(translationFileNames[static_cast<std::size_t>(index)]);
}

void LanguageController::onLanguageChangeRequested(
    ::signalInterface::LanguageTypes::Language language)
{
    Language checked{};
    if (!LanguageTypes::fromInt(static_cast<int>(language), checked)) {
        return;
    }
    if (!install(checked)) {
        signalInterface::UserMessageTypes::UserMessage message(languageSwitchFailedMessage);
        message.type = signalInterface::UserMessageTypes::E_typeOneButtonAlt;
        emit panelUserMessageIssued(message, nullptr);
        return;
    }
    m_language = checked;
    Settings::setValue(QLatin1String(Settings::languageKey), static_cast<int>(checked));
    refreshScene();
    emit languageChanged(checked);
}

bool LanguageController::install(Language language)
{
    // English is loaded like any other language: its file supplies the words behind the text
    // keys such as "plural_Mondays" and the keyboard's key caps.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(translationFileName(language), m_translationsDirectory)) {
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
    m_translator = std::move(translator);
    QCoreApplication::installTranslator(m_translator.get());
    return true;
}

void LanguageController::refreshScene()
{
    if (!m_root) {
        return;
    }
    m_root->setProperty("languageToggle", !m_root->property("languageToggle").toBool());
    // A qsTr binding is evaluated again only when its engine is told to retranslate.
    if (QQmlEngine *engine = qmlEngine(m_root)) {
        engine->retranslate();
    }
}

} // namespace control
