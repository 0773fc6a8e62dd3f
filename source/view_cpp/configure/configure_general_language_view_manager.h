#pragma once

#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

namespace view {

// The language screen: the panel's languages as a check-mark list. A tap only moves the check
// mark; saving asks the language controller for the marked language, and the controller's report
// rebuilds the list in the new language.
class ConfigureGeneralLanguageViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    using Language = ::signalInterface::LanguageTypes::Language;

    explicit ConfigureGeneralLanguageViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    // Empties the list.
    void clear();

    // The QML items' langaugeViewVisibleChanged(bool), languageSelected(int),
    // languageSaveSelected() and languageInitialSetupSelected().
    int connectToView(const QList<QObject *> &senders);

    Language currentLanguage() const { return m_currentLanguage; }
    Language selectedLanguage() const { return m_selectedLanguage; }

public slots:
    // Spelled so: the QML side names its signal the same way.
    void onLangaugeViewVisibleChanged(bool visible);
    void onLanguageSelected(int id);
    void onLanguageSaveSelected();
    void onLanguageInitialSetupSelected();
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

signals:
    void languageChangeRequested(::signalInterface::LanguageTypes::Language language);

private:
    ListModel m_model;
    ConfigureChoiceList m_choices;
    Language m_currentLanguage = ::signalInterface::LanguageTypes::E_english;
    Language m_selectedLanguage = ::signalInterface::LanguageTypes::E_english;
};

} // namespace view
