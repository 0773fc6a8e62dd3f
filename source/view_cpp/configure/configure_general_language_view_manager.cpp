#include "view_cpp/configure/configure_general_language_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item.h"

#include <vector>

namespace view {

using ::signalInterface::LanguageTypes;

namespace {

std::vector<ConfigureChoiceList::Choice> languageChoices()
{
    // The order of the list, each language under its own name.
    const LanguageTypes::Language order[] = {
        LanguageTypes::E_czech,      LanguageTypes::E_danish,    LanguageTypes::E_german,
        LanguageTypes::E_english,    LanguageTypes::E_spanish,   LanguageTypes::E_french,
        LanguageTypes::E_dutch,      LanguageTypes::E_norwegian, LanguageTypes::E_polish,
        LanguageTypes::E_portuguese, LanguageTypes::E_russian,   LanguageTypes::E_slovak,
        LanguageTypes::E_finnish,    LanguageTypes::E_swedish,
    };
    std::vector<ConfigureChoiceList::Choice> choices;
    for (LanguageTypes::Language language : order)
        choices.push_back({language, [language] {
                               return LanguageSupport::languageText(language);
                           }});
    return choices;
}

} // namespace

ConfigureGeneralLanguageViewManager::ConfigureGeneralLanguageViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_choices(m_model, languageChoices())
{}

void ConfigureGeneralLanguageViewManager::clear()
{
    m_choices.clear();
}

int ConfigureGeneralLanguageViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(langaugeViewVisibleChanged(bool)), SLOT(onLangaugeViewVisibleChanged(bool))},
         {SIGNAL(languageSelected(int)), SLOT(onLanguageSelected(int))},
         {SIGNAL(languageSaveSelected()), SLOT(onLanguageSaveSelected())},
         {SIGNAL(languageInitialSetupSelected()), SLOT(onLanguageInitialSetupSelected())}});
}

void ConfigureGeneralLanguageViewManager::onLangaugeViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_choices.clear();
        return;
    }
    // Every opening starts on the language in use; a choice left unsaved is forgotten.
    m_selectedLanguage = m_currentLanguage;
    m_choices.build(m_selectedLanguage);
}

void ConfigureGeneralLanguageViewManager::onLanguageSelected(int id)
{
    Language language{};
    if (!LanguageTypes::fromInt(id, language))
        return;
    m_selectedLanguage = language;
    m_choices.refresh(m_selectedLanguage);
}

void ConfigureGeneralLanguageViewManager::onLanguageSaveSelected()
{
    emit languageChangeRequested(m_selectedLanguage);
}

void ConfigureGeneralLanguageViewManager::onLanguageInitialSetupSelected()
{
    m_choices.refresh(m_selectedLanguage);
}

void ConfigureGeneralLanguageViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language language)
{
    // The rows are built anew in the new language, shown or not; the mark stays where it was.
    m_currentLanguage = language;
    m_choices.build(m_selectedLanguage);
}

} // namespace view
