#include "control/details/calendar_program_settings_controller_base.h"

#include "control/details/calendar_data_provider.h"
#include "control/details/calendar_program_settings_favorite_model.h"
#include "control/details/panel_questions.h"
#include "control/details/stored_number.h"
#include "control/details/temperature_humidity_pair.h"
#include "control/details/temperature_humidity_rules.h"
#include "signal_interface/sender_connections.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_tables.h"

namespace control::details {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using signalInterface::UserMessageTypes::UserMessage;
using view::LanguageSupport;

namespace {

// Programs carry the sauna's wall-clock time in a UTC date-time, as the link reads and writes it.
QDateTime wallClock(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

view::RowItem2 *makeRow(const QString &text, int applId, const QString &value, int kind)
{
    auto *row = new view::RowItem2(text, applId);
    row->setData(value, view::RowItemBase::TextValue1Role);
    row->setTypeOfItem(kind);
    return row;
}

QString temperatureText(quint32 temperature,
                        signalInterface::TemperatureTypes::TemperatureUnit unit)
{
    return QString::number(value::shownTemperature(storedNumber(temperature), unit)) +
           LanguageSupport::temperatureUnitText(unit);
}

QString humidityText(quint32 encoded)
{
    const value::HumidityValue_T humidity = value::decodeHumidity(storedNumber(encoded));
    return QString::number(humidity.value) + LanguageSupport::humidityUnitText(humidity.unit);
}

// Whether two programs are the same but for their flag (wire field 11), which an open edit keeps as
// it has it: a report that differs only there is no change of the program.
bool sameButTheFlag(CalendarProgram first, const CalendarProgram &second)
{
    first.option11 = second.option11;
    return first == second;
}

// A stop time that no bath can have reads "--" until the user sets one.
QString stopAfterValueText(quint32 minutes)
{
    return CalendarDataProvider::isBathStopTime(minutes) ? LanguageSupport::durationText(minutes)
                                                         : QStringLiteral("--");
}

} // namespace

CalendarProgramSettingsControllerBase::CalendarProgramSettingsControllerBase(
    QObject *parent, CalendarDataProvider *dataProvider,
    CalendarProgramSettingsFavoriteModel *favoriteModel, bool weekdayPrograms)
    : QObject(parent)
    , m_dataProvider(dataProvider)
    , m_favoriteModel(favoriteModel)
    , m_weekdayPrograms(weekdayPrograms)
    , m_settingsModel(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_customStopAfterModel(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_readyAtManager(new value::TimeValueManager(this))
    , m_customTemperatureManager(new value::TemperatureValueManager(this))
    , m_customHumidityManager(new value::HumidityValueManager(this))
    , m_customPair(new TemperatureHumidityPair(
          *m_customTemperatureManager, *m_customHumidityManager,
          [this] { return controlsHumidity(); }, this))
    , m_customStopAfterManager(new value::DurationManagerMostSignificantComponentHour(this))
    , m_deleteCallback(this, &CalendarProgramSettingsControllerBase::onDeleteAnswered,
                       &CalendarProgramSettingsControllerBase::holds)
    , m_saveCallback(this, &CalendarProgramSettingsControllerBase::onSaveAnswered,
                     &CalendarProgramSettingsControllerBase::holds)
    , m_saveChangesCallback(this, &CalendarProgramSettingsControllerBase::onSaveChangesAnswered,
                            &CalendarProgramSettingsControllerBase::holds)
{
    m_readyAtManager->setComponentWrap(true);
    m_customStopAfterManager->setLowerLimitInMinutes(1);
    m_customStopAfterManager->setUpperLimitInMinutes(m_dataProvider->bathTimeLimit());
    m_readyAtManager->onTimeFormatChanged(m_dataProvider->timeFormat());
    m_customHumidityManager->onSaunaMasterFuncDescChanged(m_dataProvider->functions());

    connect(m_dataProvider, &CalendarDataProvider::saunaDataCleared, this,
            &CalendarProgramSettingsControllerBase::forgetSauna);
    connect(m_dataProvider, &CalendarDataProvider::timeFormatChanged, m_readyAtManager,
            &value::TimeValueManager::onTimeFormatChanged);
    connect(m_dataProvider, &CalendarDataProvider::timeFormatChanged, this,
            &CalendarProgramSettingsControllerBase::refreshRows);
    connect(m_dataProvider, &CalendarDataProvider::functionsChanged, m_customHumidityManager,
            &value::HumidityValueManager::onSaunaMasterFuncDescChanged);
    connect(m_dataProvider, &CalendarDataProvider::functionsChanged, m_customPair,
            &TemperatureHumidityPair::update);
    connect(m_dataProvider, &CalendarDataProvider::functionsChanged, this,
            &CalendarProgramSettingsControllerBase::refreshRows);
    connect(m_dataProvider, &CalendarDataProvider::favoritesChanged, this,
            &CalendarProgramSettingsControllerBase::onFavoritesChanged);
    // Each editor acts for the programs of its kind that this panel requested.
    connect(m_dataProvider, &CalendarDataProvider::createdProgramDisplaced, this,
            [this](const CalendarProgram &program) {
                if (program.weekday == m_weekdayPrograms)
                    createAgain(program);
            });
    connect(m_dataProvider, &CalendarDataProvider::programChangedElsewhere, this,
            [this](const CalendarProgram &program) {
                if (program.weekday == m_weekdayPrograms)
                    tellEditedElsewhere();
            });
    refreshRows();
}

CalendarProgramSettingsControllerBase::~CalendarProgramSettingsControllerBase() = default;

int CalendarProgramSettingsControllerBase::connectProgramSettingsView(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(rowItemSelected(int)), SLOT(onRowItemSelected(int))},
         {SIGNAL(rowItemBtnSelected(int)), SLOT(onRowItemBtnSelected(int))},
         {SIGNAL(calendarProgramSettingsEditCancelRequested()),
          SLOT(onCalendarProgramSettingsEditCancelRequested())},
         {SIGNAL(calendarProgramSettingsEditBackRequested()),
          SLOT(onCalendarProgramSettingsEditBackRequested())},
         {SIGNAL(calendarProgramSettingsEditDeleteRequested()),
          SLOT(onCalendarProgramSettingsEditDeleteRequested())},
         {SIGNAL(calendarProgramSettingsEditSaveRequested()),
          SLOT(onCalendarProgramSettingsEditSaveRequested())},
         {SIGNAL(calendarFavoriteSelected(int)), SLOT(onCalendarFavoriteSelected(int))},
         {SIGNAL(calendarProgramSettingsCustomCommit()),
          SLOT(onCalendarProgramSettingsCustomCommit())},
         {SIGNAL(customRowItemSelected(int)), SLOT(onCustomRowItemSelected(int))}});
}

int CalendarProgramSettingsControllerBase::connectActivationTimeView(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(activationTimeCommit()), SLOT(onActivationTimeCommit())}});
}

int CalendarProgramSettingsControllerBase::connectCustomTemperatureView(
    const QList<QObject *> &senders)
{
    return m_customTemperatureManager->connectChangeRequests(senders);
}

int CalendarProgramSettingsControllerBase::connectCustomHumidityView(
    const QList<QObject *> &senders)
{
    return m_customHumidityManager->connectChangeRequests(senders);
}

int CalendarProgramSettingsControllerBase::connectStopAfterView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(stopAfterCommit()), SLOT(onStopAfterCommit())}});
}

int CalendarProgramSettingsControllerBase::connectTimeFormatChanged(const QList<QObject *> &senders)
{
    return m_readyAtManager->connectFormatSources(senders);
}

int CalendarProgramSettingsControllerBase::connectProgramEditSignals(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(calendarProgramCancelled()), SLOT(onCalendarProgramCancelled())},
         {SIGNAL(calendarProgramEditActivated(::signalInterface::CalendarProgram)),
          SLOT(onCalendarProgramEditActivated(::signalInterface::CalendarProgram))}});
}

int CalendarProgramSettingsControllerBase::connectTemperatureUnitChanged(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

int CalendarProgramSettingsControllerBase::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaCalendarProgramChanged(::signalInterface::CalendarProgram)),
          SLOT(onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram))},
         {SIGNAL(saunaEnableStandbyChanged(bool)), SLOT(onSaunaEnableStandbyChanged(bool))},
         {SIGNAL(saunaLowerTemperatureLimitChanged(int)),
          SLOT(onSaunaLowerTemperatureLimitChanged(int))},
         {SIGNAL(saunaUpperTemperatureLimitChanged(int)),
          SLOT(onSaunaUpperTemperatureLimitChanged(int))},
         {SIGNAL(saunaHumiditySensorStatusChanged(bool)),
          SLOT(onSaunaHumiditySensorStatusChanged(bool))}});
}

int CalendarProgramSettingsControllerBase::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

QString CalendarProgramSettingsControllerBase::programTitle() const
{
    if (!m_editing)
        return {};
    const QDate date = m_edited.start.date();
    return m_weekdayPrograms ? LanguageSupport::weekdayText(CalendarDataProvider::weekDayOf(date))
                             : LanguageSupport::dateText(date, m_dataProvider->dateFormat());
}

bool CalendarProgramSettingsControllerBase::savable() const
{
    return CalendarDataProvider::isBathStopTime(m_edited.duration);
}

void CalendarProgramSettingsControllerBase::onRowItemSelected(int row)
{
    if (!m_editing)
        return;
    switch (m_settingsModel->getApplId(row)) {
    case E_startRow:
        // The time page opens on the program's time; steps not committed earlier are dropped.
        m_readyAtManager->setValue(m_edited.start);
        break;
    case E_settingsRow:
        m_favoriteModel->setSelectedFavorite(m_edited.favorite);
        break;
    case E_stopAfterRow:
        openStopAfterEditor();
        break;
    case E_bathModeRow:
        m_edited.standby = false;
        break;
    case E_standbyModeRow:
        if (m_standbyEnabled)
            m_edited.standby = true;
        break;
    default:
        return;
    }
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onRowItemBtnSelected(int row)
{
    if (!m_editing)
        return;
    if (m_settingsModel->getApplId(row) != E_startRow) {
        onRowItemSelected(row);
        return;
    }
    m_edited.startMode = m_edited.startMode == CalendarTypes::E_ready_at
                             ? CalendarTypes::E_start_at
                             : CalendarTypes::E_ready_at;
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onCalendarProgramSettingsEditCancelRequested()
{
    if (m_editing)
        endEdit();
}

void CalendarProgramSettingsControllerBase::onCalendarProgramSettingsEditBackRequested()
{
    if (!m_editing)
        return;
    if (m_edited == m_unchanged) {
        endEdit();
        return;
    }
    if (!m_saveChangesCallback.ask(m_edited, askedAbout()))
        return;
    issueMessage(questionMessage(panelMessageId::saveChangedProgram,
                                 {m_dataProvider->programDescription(m_edited)}),
                 &m_saveChangesCallback);
}

void CalendarProgramSettingsControllerBase::onCalendarProgramSettingsEditDeleteRequested()
{
    if (!m_editing)
        return;
    if (m_newProgram) {
        // Never saved: there is nothing on the sauna to delete.
        endEdit();
        emit calendarProgramEditCompleted();
        return;
    }
    CalendarProgram deletion(m_edited.index);
    deletion.inUse = false;
    deletion.weekday = m_edited.weekday;
    if (!m_deleteCallback.ask(deletion, askedAbout()))
        return;
    issueMessage(questionMessage(panelMessageId::confirmDelete,
                                 {m_dataProvider->programDescription(m_original)}),
                 &m_deleteCallback);
}

void CalendarProgramSettingsControllerBase::onCalendarProgramSettingsEditSaveRequested()
{
    // A stop time that reads "--" is none the sauna takes: the edit stays open until one is set.
    if (!m_editing || !savable())
        return;
    const CalendarProgram program = m_edited;
    const QDateTime now = m_dataProvider->now();
    if (!program.start.isValid() ||
        (!program.weekday && nextStart(program) < wallClock(now.date(), now.time()))) {
        issueMessage(infoMessage(panelMessageId::dateTimeIncorrect));
        return;
    }
    UserMessage question;
    if (saveQuestion(program, question)) {
        if (!m_saveCallback.ask(program, askedAbout()))
            return;
        issueMessage(question, &m_saveCallback);
        return;
    }
    requestSave(program);
}

void CalendarProgramSettingsControllerBase::onCalendarFavoriteSelected(int row)
{
    if (!m_editing)
        return;
    const std::optional<int> favorite = m_favoriteModel->favoriteAtRow(row);
    if (!favorite)
        return;
    if (*favorite != CalendarProgramSettingsFavoriteModel::customChoice &&
        !m_dataProvider->favorite(*favorite))
        return;
    m_edited.setFavoriteIndex(
        {*favorite != CalendarProgramSettingsFavoriteModel::customChoice, *favorite});
    m_favoriteModel->setSelectedFavorite(m_edited.favorite);
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onCalendarProgramSettingsCustomCommit()
{
    if (!m_editing)
        return;
    if (const std::optional<int> temperature = m_customTemperatureManager->value();
        temperature && *temperature >= 0)
        m_edited.temperature = static_cast<quint32>(*temperature);
    // A humidity the custom settings do not offer stays as the program has it.
    if (const value::HumidityValue_T humidity = m_customHumidityManager->value();
        controlsHumidity() && humidity.value >= 0)
        m_edited.humidity = static_cast<quint32>(value::encodeHumidity(humidity));
    m_edited.favorite = CalendarProgram::noFavorite;
    m_favoriteModel->setSelectedFavorite(m_edited.favorite);
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onCustomRowItemSelected(int row)
{
    if (!m_editing)
        return;
    // The editor opens on the program's value; steps not committed earlier are dropped.
    switch (m_customStopAfterModel->getApplId(row)) {
    case E_customTemperatureRow:
        m_customPair->setTemperature(storedNumber(m_edited.temperature));
        break;
    case E_customHumidityRow:
        m_customPair->setHumidityFromInt(storedNumber(m_edited.humidity));
        break;
    case E_customStopAfterRow:
        openStopAfterEditor();
        break;
    default:
        break;
    }
}

void CalendarProgramSettingsControllerBase::onActivationTimeCommit()
{
    if (!m_editing)
        return;
    const QDateTime chosen = m_readyAtManager->value();
    if (!chosen.isValid())
        return;
    const QDateTime start =
        wallClock(m_edited.start.date(), QTime(chosen.time().hour(), chosen.time().minute()));
    if (!start.isValid())
        return;
    m_edited.start = start;
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onStopAfterCommit()
{
    if (!m_editing || !m_customStopAfterManager->value())
        return;
    const int minutes = m_customStopAfterManager->valueInMinutes();
    if (minutes <= 0)
        return;
    m_edited.duration = static_cast<quint32>(minutes);
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onCalendarProgramCancelled()
{
    if (!m_editing)
        return;
    endEdit();
    emit calendarProgramEditCompleted();
}

void CalendarProgramSettingsControllerBase::onCalendarProgramEditActivated(
    ::signalInterface::CalendarProgram program)
{
    if (program.weekday != m_weekdayPrograms ||
        program.index >= static_cast<quint32>(CalendarDataProvider::programCount))
        return;
    m_original = program;
    CalendarProgram edited = program;
    m_newProgram = !program.inUse;
    if (m_newProgram) {
        edited.inUse = true;
        edited.startMode = CalendarTypes::E_ready_at;
        edited.favorite = CalendarProgram::noFavorite;
        edited.duration = static_cast<quint32>(m_dataProvider->bathTime());
        edited.temperature = static_cast<quint32>(m_dataProvider->targetTemperature());
        edited.humidity = static_cast<quint32>(m_dataProvider->targetHumidity());
        edited.standby = false;
    }
    beginEdit(edited);
}

void CalendarProgramSettingsControllerBase::onTemperatureUnitChanged(
    ::signalInterface::TemperatureTypes::TemperatureUnit unit)
{
    signalInterface::TemperatureTypes::TemperatureUnit checked = unit;
    if (!signalInterface::TemperatureTypes::fromInt(unit, checked))
        return;
    m_customTemperatureManager->onTemperatureUnitChanged(checked);
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onSaunaCalendarProgramChanged(
    ::signalInterface::CalendarProgram program)
{
    m_dataProvider->storeProgram(program);
    if (!m_editing || program.index != m_edited.index)
        return;
    if (m_newProgram) {
        // Another panel has taken the slot this new program was to use.
        if (program.inUse)
            moveNewProgram();
        return;
    }
    // The program's flag stays as this edit has it, so its own echo is no news.
    CalendarProgram reported = program;
    reported.option11 = m_edited.option11;
    const bool changed = !sameButTheFlag(program, m_original);
    m_original = program;
    if (!changed)
        return;
    tellEditedElsewhere();
    if (!program.inUse) {
        endEdit();
        emit calendarProgramEditCompleted();
        return;
    }
    beginEdit(reported);
}

void CalendarProgramSettingsControllerBase::onSaunaEnableStandbyChanged(bool enabled)
{
    m_standbyEnabled = enabled;
    refreshRows();
}

void CalendarProgramSettingsControllerBase::onSaunaLowerTemperatureLimitChanged(int temperature)
{
    m_customTemperatureManager->setLowerLimit(temperature);
}

void CalendarProgramSettingsControllerBase::onSaunaUpperTemperatureLimitChanged(int temperature)
{
    m_customPair->setTemperatureUpperLimit(temperature);
}

void CalendarProgramSettingsControllerBase::onSaunaHumiditySensorStatusChanged(bool working)
{
    m_customHumidityManager->onSaunaHumiditySensorStatusChanged(working);
}

void CalendarProgramSettingsControllerBase::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language language)
{
    signalInterface::LanguageTypes::Language checked = language;
    if (!signalInterface::LanguageTypes::fromInt(language, checked))
        return;
    m_favoriteModel->rebuild();
    refreshRows();
    emit editStateChanged();
}

void CalendarProgramSettingsControllerBase::onDeleteAnswered(const Answer &answer,
                                                             const CalendarProgram &program)
{
    if (answer != signalInterface::UserMessageTypes::E_answerYes)
        return;
    if (m_editing && m_edited.index == program.index) {
        endEdit();
        emit calendarProgramEditCompleted();
    }
    m_dataProvider->watchRequest(program);
    emit calendarProgramChangeRequested(program);
}

void CalendarProgramSettingsControllerBase::onSaveAnswered(const Answer &answer,
                                                           const CalendarProgram &program)
{
    if (answer != signalInterface::UserMessageTypes::E_answerYes)
        return;
    requestSave(answeredProgram(program));
}

void CalendarProgramSettingsControllerBase::onSaveChangesAnswered(const Answer &answer,
                                                                  const CalendarProgram &program)
{
    const CalendarProgram asked = answeredProgram(program);
    // An edit that ended meanwhile (the program deleted elsewhere, the sauna replaced) stays
    // ended: the answer brings nothing back.
    if (!m_editing || m_edited.index != asked.index)
        return;
    if (answer != signalInterface::UserMessageTypes::E_answerYes) {
        endEdit();
        return;
    }
    // The changes as they stood when asked, saved as Save saves them: checked, and asked about
    // first where Save asks.
    if (m_edited != asked) {
        m_edited = asked;
        refreshRows();
    }
    onCalendarProgramSettingsEditSaveRequested();
}

std::optional<CalendarProgram> CalendarProgramSettingsControllerBase::askedAbout() const
{
    if (m_newProgram)
        return std::nullopt;
    return m_dataProvider->program(static_cast<int>(m_edited.index));
}

bool CalendarProgramSettingsControllerBase::holds(const CalendarProgram &program) const
{
    const std::optional<CalendarProgram> held =
        m_dataProvider->program(static_cast<int>(program.index));
    return held && sameButTheFlag(*held, program);
}

CalendarProgram
CalendarProgramSettingsControllerBase::answeredProgram(const CalendarProgram &asked) const
{
    CalendarProgram program = asked;
    // Another panel took the new program's slot while the question waited: the edit has moved to
    // a free slot, and is saved there.
    if (m_editing && m_newProgram)
        program.index = m_edited.index;
    // The favorite may have been deleted while the question waited.
    takeShownSettings(program);
    return program;
}

void CalendarProgramSettingsControllerBase::beginEdit(const CalendarProgram &program)
{
    m_edited = program;
    // A program without a start time is edited from today at 18:00: the time editor needs a time
    // of day on a day to step, and Save needs a start to send.
    if (!m_edited.start.isValid())
        m_edited.start = wallClock(m_dataProvider->today(), QTime(18, 0));
    takeShownSettings(m_edited);
    m_unchanged = m_edited;
    m_editing = true;
    loadEditors();
    refreshRows();
    emit editStateChanged();
}

void CalendarProgramSettingsControllerBase::loadEditors()
{
    const QDate day = m_edited.start.date();
    m_readyAtManager->setLowerLimit(wallClock(day, QTime(0, 0)));
    m_readyAtManager->setUpperLimit(wallClock(day, QTime(23, 59)));
    m_readyAtManager->setValue(m_edited.start);
    m_customPair->setTemperature(storedNumber(m_edited.temperature));
    m_customPair->setHumidityFromInt(storedNumber(m_edited.humidity));
    // A program's own longer stop time stays reachable; one that no bath can have does not raise
    // the limit.
    const int storedStopAfter = CalendarDataProvider::isBathStopTime(m_edited.duration)
                                    ? static_cast<int>(m_edited.duration)
                                    : 0;
    m_customStopAfterManager->setUpperLimitInMinutes(
        std::max(m_dataProvider->bathTimeLimit(), storedStopAfter));
    openStopAfterEditor();
    m_favoriteModel->setSelectedFavorite(m_edited.favorite);
}

void CalendarProgramSettingsControllerBase::openStopAfterEditor()
{
    // The row goes on reading "--" until Set stop time keeps the editor's value.
    m_customStopAfterManager->setValueInMinutes(
        CalendarDataProvider::isBathStopTime(m_edited.duration)
            ? static_cast<int>(m_edited.duration)
            : m_dataProvider->bathTime());
}

void CalendarProgramSettingsControllerBase::takeShownSettings(CalendarProgram &program) const
{
    if (const auto [valid, index] = program.favoriteIndex();
        valid && !m_dataProvider->favorite(index))
        program.favorite = CalendarProgram::noFavorite;
}

void CalendarProgramSettingsControllerBase::onFavoritesChanged()
{
    if (m_editing) {
        takeShownSettings(m_edited);
        takeShownSettings(m_unchanged);
        m_favoriteModel->setSelectedFavorite(m_edited.favorite);
    }
    refreshRows();
}

void CalendarProgramSettingsControllerBase::refreshRows()
{
    const bool readyAt = m_edited.startMode == CalendarTypes::E_ready_at;
    const QString startText =
        m_edited.start.isValid()
            ? LanguageSupport::timeText(m_edited.start.time(), m_dataProvider->timeFormat())
            : QString();
    m_settingsModel->clear();
    m_settingsModel->appendItem(
        makeRow(readyAt ? LanguageSupport::readyAtText() : LanguageSupport::startAtText(),
                E_startRow, startText, view::rowType::onlySubmenu));
    m_settingsModel->appendItem(makeRow(LanguageSupport::settingsText(), E_settingsRow,
                                        settingsText(), view::rowType::onlySubmenu));
    m_settingsModel->appendItem(makeRow(LanguageSupport::stopAfterText(), E_stopAfterRow,
                                        stopAfterValueText(m_edited.duration),
                                        view::rowType::onlySubmenu));
    // Bath and standby are one choice, under its heading.
    m_settingsModel->appendItem(
        makeRow(LanguageSupport::modeText(), E_modeHeadingRow, {}, view::rowType::rawRow));
    auto *bath =
        makeRow(LanguageSupport::bathText(), E_bathModeRow, {}, view::rowType::onlyCheckmark);
    bath->setCheckmarkChecked(!m_edited.standby);
    m_settingsModel->appendItem(bath);
    auto *standby = makeRow(LanguageSupport::standbyKindText(m_dataProvider->brand()),
                            E_standbyModeRow, {}, view::rowType::onlyCheckmark);
    standby->setCheckmarkChecked(m_edited.standby);
    standby->setEnabled(m_standbyEnabled);
    standby->setOpacity(LanguageSupport::opacityFor(!m_standbyEnabled));
    m_settingsModel->appendItem(standby);
    m_settingsModel->updateLayoutOrder();

    const auto unit = m_customTemperatureManager->temperatureUnit();
    m_customStopAfterModel->clear();
    m_customStopAfterModel->appendItem(
        makeRow(LanguageSupport::temperatureText(), E_customTemperatureRow,
                temperatureText(m_edited.temperature, unit), view::rowType::onlySubmenu));
    if (controlsHumidity())
        m_customStopAfterModel->appendItem(
            makeRow(LanguageSupport::humidityText(), E_customHumidityRow,
                    humidityText(m_edited.humidity), view::rowType::onlySubmenu));
    m_customStopAfterModel->appendItem(
        makeRow(LanguageSupport::stopAfterText(), E_customStopAfterRow,
                stopAfterValueText(m_edited.duration), view::rowType::onlySubmenu));
    m_customStopAfterModel->updateLayoutOrder();
    emit editedProgramChanged();
}

void CalendarProgramSettingsControllerBase::forgetSauna()
{
    m_standbyEnabled = true;
    if (!m_editing)
        return;
    m_edited = CalendarProgram();
    m_original = CalendarProgram();
    endEdit();
    emit calendarProgramEditCompleted();
}

void CalendarProgramSettingsControllerBase::endEdit()
{
    m_editing = false;
    m_newProgram = false;
    emit editStateChanged();
}

bool CalendarProgramSettingsControllerBase::moveNewProgram()
{
    if (const std::optional<quint32> free = m_dataProvider->freeProgramIndex()) {
        m_edited.index = *free;
        m_original.index = *free;
        m_unchanged.index = *free;
        return true;
    }
    endEdit();
    emit calendarProgramEditCompleted();
    tellNoFreeSlot();
    return false;
}

void CalendarProgramSettingsControllerBase::requestSave(const CalendarProgram &asked)
{
    if (!asked.start.isValid())
        return;
    CalendarProgram program = asked;
    // A program of this panel's saved again may have gone into the new program's slot meanwhile:
    // the slot is taken, as when another panel's program takes it.
    if (m_editing && m_newProgram && m_edited.index == program.index &&
        m_dataProvider->awaitsNewProgram(program.index)) {
        if (!moveNewProgram())
            return;
        program.index = m_edited.index;
    }
    if (m_editing && m_edited.index == program.index) {
        endEdit();
        emit calendarProgramEditCompleted();
    }
    m_dataProvider->watchRequest(program);
    emit calendarProgramChangeRequested(program);
}

void CalendarProgramSettingsControllerBase::createAgain(CalendarProgram program)
{
    if (const std::optional<quint32> free = m_dataProvider->freeProgramIndex()) {
        program.index = *free;
        m_dataProvider->watchRequest(program);
        emit calendarProgramChangeRequested(program);
        return;
    }
    tellNoFreeSlot();
}

void CalendarProgramSettingsControllerBase::tellEditedElsewhere()
{
    issueMessage(infoMessage(m_weekdayPrograms ? panelMessageId::weekdayProgramEditedElsewhere
                                               : panelMessageId::dateProgramEditedElsewhere));
}

void CalendarProgramSettingsControllerBase::tellNoFreeSlot()
{
    issueMessage(infoMessage(panelMessageId::noFree,
                             {m_weekdayPrograms ? LanguageSupport::weekdayCalendarProgramText()
                                                : LanguageSupport::dateCalendarProgramText()}));
}

bool CalendarProgramSettingsControllerBase::saveQuestion(const CalendarProgram &program,
                                                         UserMessage &question) const
{
    if (auto conflict =
            m_dataProvider->notAllowedStartQuestion(program, effectiveTemperature(program))) {
        question = *conflict;
        return true;
    }
    if (program.startMode == CalendarTypes::E_ready_at) {
        // A program due within its heating time starts from the sauna as it is now.
        const int heating = m_dataProvider->estimatedHeatingMinutes(effectiveTemperature(program));
        const QDateTime now = m_dataProvider->now();
        const qint64 minutesLeft =
            wallClock(now.date(), now.time()).secsTo(nextStart(program)) / 60;
        if (heating > 0 && minutesLeft < heating) {
            // Until the sauna has measured its own heating, its rate is the factory one.
            const bool calibrated = m_dataProvider->smartStart().flag != 0;
            question = questionMessage(calibrated ? panelMessageId::readyAtBeforeHeatingTime
                                                  : panelMessageId::readyAtBeforeFactoryHeatingTime,
                                       {QString::number(heating)});
            return true;
        }
    }
    return false;
}

QDateTime CalendarProgramSettingsControllerBase::nextStart(const CalendarProgram &program) const
{
    if (!program.weekday)
        return wallClock(program.start.date(), program.start.time());
    const QDateTime now = m_dataProvider->now();
    const QDateTime nowWall = wallClock(now.date(), now.time());
    const int dayOffset = (CalendarDataProvider::weekDayOf(program.start.date()) -
                           CalendarDataProvider::weekDayOf(now.date()) + 7) %
                          7;
    QDateTime next = wallClock(now.date().addDays(dayOffset), program.start.time());
    if (next < nowWall)
        next = next.addDays(7);
    return next;
}

quint32
CalendarProgramSettingsControllerBase::effectiveTemperature(const CalendarProgram &program) const
{
    if (const auto [valid, index] = program.favoriteIndex(); valid) {
        if (const auto favorite = m_dataProvider->favorite(index))
            return favorite->temperature;
    }
    return program.temperature;
}

bool CalendarProgramSettingsControllerBase::controlsHumidity() const
{
    return details::controlsHumidity(m_dataProvider->functions());
}

QString CalendarProgramSettingsControllerBase::settingsText() const
{
    if (const auto [valid, index] = m_edited.favoriteIndex(); valid) {
        if (const auto favorite = m_dataProvider->favorite(index))
            return favorite->name;
    }
    return LanguageSupport::customText();
}

void CalendarProgramSettingsControllerBase::issueMessage(const UserMessage &message,
                                                         signalInterface::UserMessageAction *action)
{
    emit panelUserMessageIssued(message, action);
}

} // namespace control::details
