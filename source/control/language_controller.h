#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QTranslator;

namespace control {

// Owns the one translator of the chosen language, installs it in the application and tells the
// screens about the change; keeps the setting "language".
class LanguageController : public QObject
{
    Q_OBJECT

public:
    using Language = signalInterface::LanguageTypes::Language;

    static constexpr Language defaultLanguage = signalInterface::LanguageTypes::E_english;

    // Reads "language"; writes the default when the key is missing. A value it cannot read stays
    // in the file and reads as the default.
    explicit LanguageController(QObject *parent = nullptr);
    ~LanguageController() override;

    // The scene's root object. Whenever a language is installed, the root's engine is
    // retranslated, so that every qsTr binding is evaluated again, and the root's bool property
    // "languageToggle" is flipped: texts the program gives (the on-screen keyboard's key caps)
    // are no qsTr bindings, and are asked for again by the bindings that read it.
    void setRootObject(QObject *root);

    // Returns the number of connections that failed.
    int connectLanguageChangeRequests(const QList<QObject *> &senders);

    // First state: installs the stored language and announces it.
    void applyStoredLanguage();

    Language language() const { return m_language; }
    bool hasTranslator() const { return m_translator != nullptr; }

    // Where the compiled translations lie: "qml/view/languages" beside the program by default.
    QString translationsDirectory() const { return m_translationsDirectory; }
    void setTranslationsDirectory(const QString &directory);

    // Base name of the language's translation file, e.g. "lang_fi_fi"; empty for a value
    // outside the enum.
    static QString translationFileName(Language language);

public slots:
    void onLanguageChangeRequested(::signalInterface::LanguageTypes::Language language);

signals:
    void languageChanged(::signalInterface::LanguageTypes::Language language);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    bool install(Language language);
    void refreshScene();

    Language m_language = defaultLanguage;
    std::unique_ptr<QTranslator> m_translator;
    QPointer<QObject> m_root;
    QString m_translationsDirectory;
};

} // namespace control
