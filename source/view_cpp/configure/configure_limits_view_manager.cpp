#include "view_cpp/configure/configure_limits_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;

namespace {

// The fill-time entry's id: the Limits menu reuses the number of the not-allowed-start "Until"
// editor, so QML tells the two apart by the manager that asks.
constexpr int maxWaterFillTimeId = 5;

// Ninths of a degree Celsius.
constexpr int maxBathTemperatureLower = 360;     // 40 °C
constexpr int maxBathTemperatureUpper = 990;     // 110 °C
constexpr int upperWaterTemperatureLower = 900;  // 100 °C
constexpr int upperWaterTemperatureUpper = 1035; // 115 °C
constexpr int pcbOverheatLimitLower = 630;       // 70 °C
constexpr int pcbOverheatLimitUpper = 810;       // 90 °C

// Minutes.
constexpr int combiAutoFillTimeLower = 3;
constexpr int combiAutoFillTimeUpper = 4;
constexpr int fillTimeLower = 6;
constexpr int fillTimeUpper = 20;

} // namespace

ConfigureLimitsViewManager::ConfigureLimitsViewManager(QObject *parent)
    : ConfigureMenuViewManagerBase(parent, isMenuId<ConfigureTypes::ConfigureLimits>)
    , m_maxBathTemperature(this)
    , m_upperWaterTemperature(this)
    , m_tankFillTime(this)
    , m_pcbOverheatLimit(this)
    , m_reportedWaterTempLimit(m_upperWaterTemperature)
    , m_reportedTankFillTime(m_tankFillTime,
                             [](value::DurationManager &editor, const int &seconds) {
                                 editor.setValue(qint64(seconds) *
                                                 value::DurationManager::millisecondsPerSecond);
                             })
    , m_reportedPcbOverheatLimit(m_pcbOverheatLimit)
{
    rebuildMenu();
    m_maxBathTemperature.setLowerLimit(maxBathTemperatureLower);
    m_maxBathTemperature.setUpperLimit(maxBathTemperatureUpper);
    connect(&m_maxBathTemperature, &value::TemperatureValueManager::temperatureValueChanged, this,
            &ConfigureLimitsViewManager::onMaxBathTemperatureValueChanged);
    m_upperWaterTemperature.setLowerLimit(upperWaterTemperatureLower);
    m_upperWaterTemperature.setUpperLimit(upperWaterTemperatureUpper);
    applyTankFillTimeLimits();
    m_pcbOverheatLimit.setLowerLimit(pcbOverheatLimitLower);
    m_pcbOverheatLimit.setUpperLimit(pcbOverheatLimitUpper);
}

int ConfigureLimitsViewManager::connectToView(const QList<QObject *> &senders)
{
    int failed = ConfigureMenuViewManagerBase::connectToView(senders);
    failed += signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(waterTempLimitCommit()), SLOT(onWaterTempLimitCommit())},
         {SIGNAL(tankFillTimeCommit()), SLOT(onTankFillTimeCommit())},
         {SIGNAL(overheatLimitCommit()), SLOT(onOverheatLimitCommit())}});
    // The same items step the maximum bath temperature.
    failed += m_maxBathTemperature.connectChangeRequests(senders);
    return failed;
}

int ConfigureLimitsViewManager::connectToTemperatureController(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += m_maxBathTemperature.connectUnitSources(senders);
    failed += m_upperWaterTemperature.connectUnitSources(senders);
    failed += m_pcbOverheatLimit.connectUnitSources(senders);
    return failed;
}

int ConfigureLimitsViewManager::connectUpperWaterTempManagerToView(const QList<QObject *> &senders)
{
    return m_upperWaterTemperature.connectChangeRequests(senders);
}

int ConfigureLimitsViewManager::connectTankFillTimeManagerToView(const QList<QObject *> &senders)
{
    return m_tankFillTime.connectChangeRequests(senders);
}

int ConfigureLimitsViewManager::connectPcbOverheatLimitManagerToView(
    const QList<QObject *> &senders)
{
    return m_pcbOverheatLimit.connectChangeRequests(senders);
}

int ConfigureLimitsViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaSystemLowerTemperatureLimitChanged(int)),
          SLOT(onSaunaSystemLowerTemperatureLimitChanged(int))},
         {SIGNAL(saunaSystemUpperTemperatureLimitChanged(int)),
          SLOT(onSaunaSystemUpperTemperatureLimitChanged(int))},
         {SIGNAL(saunaLowerTemperatureLimitChanged(int)),
          SLOT(onSaunaLowerTemperatureLimitChanged(int))},
         {SIGNAL(saunaUpperTemperatureLimitChanged(int)),
          SLOT(onSaunaUpperTemperatureLimitChanged(int))},
         masterFuncDescRoute,
         {SIGNAL(saunaWaterTempLimitChanged(int)), SLOT(onSaunaWaterTempLimitChanged(int))},
         {SIGNAL(saunaRcbTankFillTimeChanged(int)), SLOT(onSaunaRcbTankFillTimeChanged(int))},
         {SIGNAL(saunaPcbOverheatLimitChanged(int)), SLOT(onSaunaPcbOverheatLimitChanged(int))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         {SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))}});
}

template<typename Change>
void ConfigureLimitsViewManager::updateMaxBathTemperature(Change change)
{
    m_updatingMaxBathTemperature = true;
    change();
    m_updatingMaxBathTemperature = false;
    m_maxBathTemperatureTold = m_maxBathTemperature.value();
}

void ConfigureLimitsViewManager::onMaxBathTemperatureValueChanged(int)
{
    const std::optional<value::Degrees_9C_T> temperature = m_maxBathTemperature.value();
    // The screen's own changes, and a unit change or an opening that tells the same value again,
    // are no step of the user.
    const bool stepped = !m_updatingMaxBathTemperature && temperature != m_maxBathTemperatureTold;
    m_maxBathTemperatureTold = temperature;
    if (temperature && stepped)
        emit maxBathTemperatureChangeRequested(*temperature);
}

void ConfigureLimitsViewManager::onSaunaLowerTemperatureLimitChanged(int)
{
    // The minimum bath temperature has no editor here.
}

void ConfigureLimitsViewManager::onSaunaUpperTemperatureLimitChanged(int temperature)
{
    m_reportedMaxBathTemperature = temperature;
    updateMaxBathTemperature([this, temperature] { m_maxBathTemperature.setValue(temperature); });
}

void ConfigureLimitsViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post)
{
    m_functions = post;
    rebuildMenu();
}

void ConfigureLimitsViewManager::onSaunaSystemLowerTemperatureLimitChanged(int temperature)
{
    // A value that arrived before its limits was clamped to the old ones: the editor shows what
    // the sauna reported as far as the new limits allow.
    updateMaxBathTemperature([this, temperature] {
        m_maxBathTemperature.setLowerLimit(temperature);
        if (m_reportedMaxBathTemperature)
            m_maxBathTemperature.setValue(*m_reportedMaxBathTemperature);
    });
}

void ConfigureLimitsViewManager::onSaunaSystemUpperTemperatureLimitChanged(int temperature)
{
    updateMaxBathTemperature([this, temperature] {
        m_maxBathTemperature.setUpperLimit(temperature);
        if (m_reportedMaxBathTemperature)
            m_maxBathTemperature.setValue(*m_reportedMaxBathTemperature);
    });
}

void ConfigureLimitsViewManager::onSaunaWaterTempLimitChanged(int temperature)
{
    m_reportedWaterTempLimit.report(temperature);
}

void ConfigureLimitsViewManager::onSaunaRcbTankFillTimeChanged(int seconds)
{
    m_reportedTankFillTime.report(seconds);
}

void ConfigureLimitsViewManager::onSaunaPcbOverheatLimitChanged(int temperature)
{
    m_reportedPcbOverheatLimit.report(temperature);
}

void ConfigureLimitsViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    m_menu.retranslate();
    processEventsAfterRetranslation();
}

void ConfigureLimitsViewManager::onWaterTempLimitCommit()
{
    if (const std::optional<value::Degrees_9C_T> limit = m_upperWaterTemperature.value())
        emit waterTempLimitChangeRequest(*limit);
}

void ConfigureLimitsViewManager::onTankFillTimeCommit()
{
    if (const std::optional<qint64> milliseconds = m_tankFillTime.value())
        emit rcbTankFillTimeChangeRequest(
            int(*milliseconds / value::DurationManager::millisecondsPerSecond));
}

void ConfigureLimitsViewManager::onOverheatLimitCommit()
{
    if (const std::optional<value::Degrees_9C_T> limit = m_pcbOverheatLimit.value())
        emit pcbOverheatLimitChangeRequest(*limit);
    // In the Solvenno mode the overheating page also edits the water temperature limit, which
    // choosing the page loaded; before that the editor has nothing to send.
    if (isSolvenno())
        onWaterTempLimitCommit();
}

void ConfigureLimitsViewManager::onSaunaMasterProductChanged(
    ::signalInterface::MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
    rebuildMenu();
    applyTankFillTimeLimits();
}

void ConfigureLimitsViewManager::onSaunaSystemModeChanged(
    ::signalInterface::MasterFuncDescTypes::SystemMode mode)
{
    m_systemMode = mode;
    rebuildMenu();
    emit saunaSystemModeChangedQml(int(mode));
}

void ConfigureLimitsViewManager::onSaunaReplaced()
{
    m_reportedMaxBathTemperature.reset();
    updateMaxBathTemperature([this] {
        m_maxBathTemperature.clearValue();
        m_maxBathTemperature.setLowerLimit(maxBathTemperatureLower);
        m_maxBathTemperature.setUpperLimit(maxBathTemperatureUpper);
    });
    m_reportedWaterTempLimit.forget();
    m_reportedTankFillTime.forget();
    m_reportedPcbOverheatLimit.forget();
    m_functions = {};
    m_product = MasterFuncDescTypes::E_unknown;
    m_systemMode.reset();
    rebuildMenu();
    applyTankFillTimeLimits();
    emit saunaSystemModeChangedQml(-1);
}

bool ConfigureLimitsViewManager::isSolvenno() const
{
    return m_systemMode == MasterFuncDescTypes::E_solvenno;
}

void ConfigureLimitsViewManager::announce(value::TemperatureValueManager &manager)
{
    manager.emitValueChanged();
    manager.checkLimits();
}

void ConfigureLimitsViewManager::rebuildMenu()
{
    const bool steam = MasterFuncDescTypes::isSteamProduct(m_product);
    std::vector<ConfigureMenuList::Entry> entries;

    entries.push_back({ConfigureTypes::E_maxBathTemp, [] { return tr("Bath temperature"); },
                       [this] {
                           emit editSelected(ConfigureTypes::E_maxBathTemp);
                           announce(m_maxBathTemperature);
                       }});
    if (!isSolvenno() && m_functions.waterTemperature)
        entries.push_back({ConfigureTypes::E_waterTempLimit,
                           [steam] { return steam ? tr("Overheating") : tr("Water temperature"); },
                           [this] {
                               m_reportedWaterTempLimit.open();
                               emit editSelected(ConfigureTypes::E_waterTempLimit);
                               announce(m_upperWaterTemperature);
                           }});
    if (m_functions.notAllowedStart)
        entries.push_back({ConfigureTypes::E_notAllowedStart,
                           [] { return tr("Not allowed start"); },
                           [this] {
                               emit editSelected(ConfigureTypes::E_notAllowedStart);
                           }});
    if (m_functions.waterTemperature || m_product == MasterFuncDescTypes::E_combi_auto)
        entries.push_back({maxWaterFillTimeId, [] { return tr("Max water fill time"); },
                           [this] {
                               m_reportedTankFillTime.open();
                               emit editSelected(maxWaterFillTimeId);
                               m_tankFillTime.announce();
                           }});
    if (m_functions.pcbOverheatLimit && !steam)
        entries.push_back({ConfigureTypes::E_overheating, [] { return tr("Overheating"); },
                           [this] {
                               m_reportedPcbOverheatLimit.open();
                               // The Solvenno overheating page edits the water limit too: it
                               // starts from the sauna's value, never from an unloaded editor.
                               if (isSolvenno())
                                   m_reportedWaterTempLimit.open();
                               emit editSelected(ConfigureTypes::E_overheating);
                               announce(m_pcbOverheatLimit);
                               if (isSolvenno())
                                   announce(m_upperWaterTemperature);
                           }});
    m_menu.rebuild(std::move(entries));
}

void ConfigureLimitsViewManager::applyTankFillTimeLimits()
{
    const bool combiAuto = m_product == MasterFuncDescTypes::E_combi_auto;
    const int lower = combiAuto ? combiAutoFillTimeLower : fillTimeLower;
    const int upper = combiAuto ? combiAutoFillTimeUpper : fillTimeUpper;
    m_reportedTankFillTime.changeLimits([&] {
        m_tankFillTime.setLowerLimitInMinutes(lower);
        m_tankFillTime.setUpperLimitInMinutes(upper);
    });
}

} // namespace view
