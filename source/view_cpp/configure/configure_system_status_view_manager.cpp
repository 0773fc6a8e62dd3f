#include "view_cpp/configure/configure_system_status_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/rcb_master_slave_mode_text.h"
#include "view_cpp/tank_texts.h"
#include "view_cpp/value_role_names.h"

#include <QCoreApplication>

#include <limits>

namespace view {

using ::signalInterface::HumidityTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::NodeInformationTypes;
using ::signalInterface::RelayStatusTypes;
using ::signalInterface::TankStatusTypes;
using ::signalInterface::TemperatureTypes;

namespace {

// A reading as shown: its number, or "--" while it is unknown.
QString numberOrUnknown(std::optional<int> number)
{
    return number ? QString::number(*number) : QStringLiteral("--");
}

constexpr int lastRelayType = RelayStatusTypes::E_x29x30;

bool isBoard(int board)
{
    return board >= 0 && board < ConfigureSystemStatusViewManager::boardCount;
}

} // namespace

ConfigureSystemStatusViewManager::ConfigureSystemStatusViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(TextRowItem::roleNames(), this)
{
    for (int board = 0; board < boardCount; ++board)
        RelayStatusTypes::appendAllRelays(m_relays[std::size_t(board)], unsigned(board));
}

int ConfigureSystemStatusViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(statusViewVisibleChanged(bool)), SLOT(onStatusViewVisibleChanged(bool))}});
}

int ConfigureSystemStatusViewManager::connectToSaunaStateController(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaRcbNumbersChanged(int)), SLOT(onSaunaRcbNumbersChanged(int))}});
}

int ConfigureSystemStatusViewManager::connectToTemperaturePresentationManager(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(
              temperatureValueChanged2(int, ::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureValueChanged2(int,
                                          ::signalInterface::TemperatureTypes::TemperatureUnit))},
         {SIGNAL(temperatureValueUnknown()), SLOT(onTemperatureValueUnknown())}});
}

int ConfigureSystemStatusViewManager::connectToTemperatureController(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

int ConfigureSystemStatusViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)),
          SLOT(onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode))},
         masterFuncDescRoute,
         {SIGNAL(saunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit)),
          SLOT(onSaunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit))},
         {SIGNAL(saunaRunTimeChanged(int)), SLOT(onSaunaRunTimeChanged(int))},
         {SIGNAL(saunaTankWaterLevelChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,
              ::signalInterface::TankStatusTypes::TankWaterLevel)),
          SLOT(onSaunaTankWaterLevelChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,
              ::signalInterface::TankStatusTypes::TankWaterLevel))},
         {SIGNAL(saunaTankTemperatureChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode, int)),
          SLOT(onSaunaTankTemperatureChanged(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode, int))},
         {SIGNAL(saunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus)),
          SLOT(onSaunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus))},
         {SIGNAL(saunaCleanupTotalChanged(int)), SLOT(onSaunaCleanupTotalChanged(int))},
         {SIGNAL(saunaHumiditySensorStatusChanged(bool)),
          SLOT(onSaunaHumiditySensorStatusChanged(bool))},
         {SIGNAL(saunaMagneticSensorConnectedChanged(bool)),
          SLOT(onSaunaMagneticSensorConnectedChanged(bool))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         {SIGNAL(saunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost)),
          SLOT(onSaunaNodeListItemChanged(
              ::signalInterface::NodeInformationTypes::NodeInformationPost))},
         {SIGNAL(saunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters)),
          SLOT(onSaunaSmartStartChanged(
              ::signalInterface::SmartStartTypes::SmartStartParameters))}});
}

void ConfigureSystemStatusViewManager::onStatusViewVisibleChanged(bool visible)
{
    if (visible) {
        build();
        m_visible = true;
    } else {
        m_model.clear();
        m_visible = false;
    }
}

void ConfigureSystemStatusViewManager::onSaunaSystemModeChanged(
    MasterFuncDescTypes::SystemMode mode)
{
    m_systemMode = mode;
}

void ConfigureSystemStatusViewManager::onSaunaMasterProductChanged(
    MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
    rebuild();
}

void ConfigureSystemStatusViewManager::onSaunaMasterFuncDescChanged(
    MasterFuncDescTypes::MasterFuncDescPost functions)
{
    m_functions = functions;
    rebuild();
}

void ConfigureSystemStatusViewManager::onSaunaTankWaterLevelChanged(
    NodeInformationTypes::RcbMasterSlaveMode board, TankStatusTypes::TankWaterLevel level)
{
    if (isBoard(board))
        m_waterLevels[std::size_t(board)] = level;
    refreshWaterLevels();
}

void ConfigureSystemStatusViewManager::onSaunaTankTemperatureChanged(
    NodeInformationTypes::RcbMasterSlaveMode board, int temperature)
{
    if (isBoard(board))
        m_tankTemperatures[std::size_t(board)] = temperature;
    refreshWaterTemperatures();
}

void ConfigureSystemStatusViewManager::onSaunaRcbNumbersChanged(int count)
{
    m_rcbCount = count;
}

void ConfigureSystemStatusViewManager::onSaunaNodeListItemChanged(
    NodeInformationTypes::NodeInformationPost post)
{
    if (post.index < quint32(nodeSlots))
        m_nodes[post.index] = post;
}

void ConfigureSystemStatusViewManager::onSaunaSmartStartChanged(
    ::signalInterface::SmartStartTypes::SmartStartParameters value)
{
    m_smartStart = value.heatRatio;
    refreshSmartStart();
}

void ConfigureSystemStatusViewManager::onSaunaRcbRelayChanged(RelayStatusTypes::RelayStatus status)
{
    bool linesChanged = false;
    for (const RelayStatusTypes::RelayStatusPost &post : status) {
        const int board = int(post.board);
        const int relay = int(post.relay);
        // A board or relay this panel has no place for is not stored.
        if (!isBoard(board) || relay < 0 || relay > lastRelayType)
            continue;
        RelayStatusTypes::RelayStatus &stored = m_relays[std::size_t(board)];
        if (relay >= stored.size())
            continue;
        if (stored[relay].state1 != post.state1)
            linesChanged = true;
        stored[relay] = post;
    }
    if (!m_visible)
        return;
    if (linesChanged)
        build();
    else
        refreshRelayLines();
}

void ConfigureSystemStatusViewManager::onTemperatureUnitChanged(
    TemperatureTypes::TemperatureUnit unit)
{
    m_temperatureUnit = unit;
    refreshWaterTemperatures();
}

void ConfigureSystemStatusViewManager::onTemperatureValueChanged2(
    int value, TemperatureTypes::TemperatureUnit unit)
{
    m_roomTemperature = value;
    m_temperatureUnit = unit;
    refreshRoomTemperature();
}

void ConfigureSystemStatusViewManager::onTemperatureValueUnknown()
{
    m_roomTemperature.reset();
    refreshRoomTemperature();
}

void ConfigureSystemStatusViewManager::onSaunaHumidityChanged(int value,
                                                              HumidityTypes::HumidityUnit unit)
{
    m_humidity = value;
    m_humidityUnit = unit;
    refreshRoomHumidity();
}

void ConfigureSystemStatusViewManager::onSaunaRunTimeChanged(int minutes)
{
    m_runTime = minutes;
    refreshRunTime();
}

void ConfigureSystemStatusViewManager::onSaunaCleanupTotalChanged(int total)
{
    m_cleanupTotal = total;
    refreshCleanups();
}

void ConfigureSystemStatusViewManager::onSaunaHumiditySensorStatusChanged(bool working)
{
    m_humiditySensorWorking = working;
    rebuild();
}

void ConfigureSystemStatusViewManager::onSaunaMagneticSensorConnectedChanged(bool connected)
{
    m_magneticSensorConnected = connected;
    refreshMagneticContact();
}

void ConfigureSystemStatusViewManager::onSaunaReplaced()
{
    m_systemMode = MasterFuncDescTypes::E_standard;
    m_product = MasterFuncDescTypes::E_combi_manual;
    m_functions = {};
    m_waterLevels.fill(TankStatusTypes::E_unknown);
    m_tankTemperatures.fill(std::nullopt);
    m_humidity.reset();
    m_roomTemperature.reset();
    m_runTime.reset();
    m_cleanupTotal.reset();
    m_humiditySensorWorking = false;
    m_magneticSensorConnected = false;
    m_rcbCount = 1;
    m_smartStart = initialSmartStartValue;
    for (int board = 0; board < boardCount; ++board) {
        m_relays[std::size_t(board)].clear();
        RelayStatusTypes::appendAllRelays(m_relays[std::size_t(board)], unsigned(board));
    }
    m_nodes.fill({});
    rebuild();
}

void ConfigureSystemStatusViewManager::rebuild()
{
    if (m_visible)
        build();
}

TextRowItem *ConfigureSystemStatusViewManager::appendLine(QPointer<TextRowItem> *guard, int applId)
{
    auto *line = new TextRowItem(QString(), false);
    if (guard != nullptr)
        *guard = line;
    line->setApplId(applId);
    m_model.appendItem(line);
    return line;
}

void ConfigureSystemStatusViewManager::build()
{
    m_model.clear();

    appendLine(&m_runTimeLine, E_runTimeLine);
    refreshRunTime();
    if (m_functions.cleanup) {
        appendLine(&m_cleanupsLine, E_cleanupsLine);
        refreshCleanups();
    }
    appendLine(nullptr, E_otherLine);
    appendLine(&m_roomTemperatureLine, E_roomTemperatureLine);
    refreshRoomTemperature();
    if (m_humiditySensorWorking && !isSteamProduct()) {
        appendLine(&m_roomHumidityLine, E_roomHumidityLine);
        refreshRoomHumidity();
    }
    const auto boardShown = [this](int board) {
        return isTankBoardShown(board, m_rcbCount, m_systemMode);
    };
    if (m_functions.waterTemperature) {
        const std::array<int, boardCount> ids{E_waterTemperaturePrimaryLine,
                                              E_waterTemperatureSecondary1Line,
                                              E_waterTemperatureSecondary2Line};
        for (int board = 0; board < boardCount; ++board) {
            if (boardShown(board))
                appendLine(&m_waterTemperatureLines[std::size_t(board)], ids[std::size_t(board)]);
        }
        refreshWaterTemperatures();
    }
    if (m_functions.waterLevel) {
        const std::array<int, boardCount> ids{E_waterLevelPrimaryLine, E_waterLevelSecondaryLine,
                                              E_waterLevelSecondaryLine};
        for (int board = 0; board < boardCount; ++board) {
            if (boardShown(board))
                appendLine(&m_waterLevelLines[std::size_t(board)], ids[std::size_t(board)]);
        }
        refreshWaterLevels();
    }
    appendLine(&m_magneticContactLine, E_magneticContactLine);
    refreshMagneticContact();
    appendLine(&m_smartStartLine, E_otherLine);
    refreshSmartStart();
    appendLine(nullptr, E_otherLine);
    write(appendLine(nullptr, E_otherLine), tr("PCB relays:"));
    if (m_rcbCount > 1)
        write(appendLine(nullptr, E_otherLine), relayHeaderText());

    const RelayStatusTypes::RelayStatus &primary = m_relays[0];
    for (const RelayStatusTypes::RelayStatusPost &post : primary) {
        if (post.state1)
            write(appendLine(nullptr, int(post.relay)), relayLineText(int(post.relay)));
    }
}

void ConfigureSystemStatusViewManager::write(TextRowItem *line, const QString &text)
{
    // The line tells the list only when its text changes.
    if (line != nullptr)
        line->setData(text, valueRoles::value);
}

void ConfigureSystemStatusViewManager::refreshRunTime()
{
    // Whole hours only: 119 minutes are 1h. A run time not yet reported has no unit.
    write(m_runTimeLine,
          tr("Total runtime: %1%2")
              .arg(m_runTime ? QString::number(*m_runTime / 60) : numberOrUnknown(std::nullopt),
                   m_runTime ? tr("h") : QString()));
}

void ConfigureSystemStatusViewManager::refreshCleanups()
{
    write(m_cleanupsLine, tr("Clean-ups: %1").arg(numberOrUnknown(m_cleanupTotal)));
}

void ConfigureSystemStatusViewManager::refreshRoomTemperature()
{
    write(m_roomTemperatureLine,
          tr("Room temperature: %1%2").arg(numberOrUnknown(m_roomTemperature), unitText()));
}

void ConfigureSystemStatusViewManager::refreshRoomHumidity()
{
    // The number as the sauna reported it, whatever it is.
    write(m_roomHumidityLine,
          tr("Room humidity: %1%2")
              .arg(numberOrUnknown(m_humidity), LanguageSupport::humidityUnitText(m_humidityUnit)));
}

void ConfigureSystemStatusViewManager::refreshWaterTemperatures()
{
    for (int board = 0; board < boardCount; ++board)
        write(m_waterTemperatureLines[std::size_t(board)], waterTemperatureText(board));
}

void ConfigureSystemStatusViewManager::refreshWaterLevels()
{
    for (int board = 0; board < boardCount; ++board)
        write(m_waterLevelLines[std::size_t(board)], waterLevelText(board));
}

void ConfigureSystemStatusViewManager::refreshMagneticContact()
{
    write(m_magneticContactLine,
          tr("Magnetic contact: %1")
              .arg(m_magneticSensorConnected ? tr("Connected") : tr("Not connected")));
}

void ConfigureSystemStatusViewManager::refreshSmartStart()
{
    write(m_smartStartLine, smartStartText());
}

void ConfigureSystemStatusViewManager::refreshRelayLines()
{
    for (int row = 0; row < m_model.rowCount(); ++row) {
        auto *line = qobject_cast<TextRowItem *>(m_model.itemAt(row));
        // Only relay lines carry an id that is not negative.
        if (line != nullptr && line->applId() >= 0)
            write(line, relayLineText(line->applId()));
    }
}

bool ConfigureSystemStatusViewManager::isSteamProduct() const
{
    return m_product >= MasterFuncDescTypes::E_steam_private &&
           m_product <= MasterFuncDescTypes::E_steam_manual_empty;
}

QString ConfigureSystemStatusViewManager::boardWord(int board) const
{
    return tankBoardWord(board, m_rcbCount, m_systemMode);
}

QString ConfigureSystemStatusViewManager::unitText() const
{
    return LanguageSupport::temperatureUnitText(m_temperatureUnit);
}

qint64 ConfigureSystemStatusViewManager::presented(qint64 celsius) const
{
    return m_temperatureUnit == TemperatureTypes::E_fahrenheit ? celsius * 9 / 5 + 32 : celsius;
}

QString ConfigureSystemStatusViewManager::waterTemperatureText(int board) const
{
    // Every reported temperature is shown, a real overheat too; in 64 bits, so none wraps.
    const std::optional<int> temperature = m_tankTemperatures[std::size_t(board)];
    const QString shown = temperature ? QString::number(presented(qint64(*temperature) / 9))
                                      : numberOrUnknown(std::nullopt);
    return tr("Water temperature%1: %2%3").arg(boardWord(board), shown, unitText());
}

QString ConfigureSystemStatusViewManager::waterLevelText(int board) const
{
    return waterLevelLine(board, m_waterLevels[std::size_t(board)], m_rcbCount, m_systemMode);
}

QString ConfigureSystemStatusViewManager::smartStartText() const
{
    // A rate, not a temperature: a degree Fahrenheit per minute is 5/9 of a degree Celsius per
    // minute, with no offset. From ninths of a degree Celsius that is a division by 5. The line
    // holds a ratio of up to an int's worth of ninths; a larger one has no value to show here.
    const qint64 ninths = m_smartStart;
    const QString shown =
        ninths > std::numeric_limits<int>::max()
            ? numberOrUnknown(std::nullopt)
            : QString::number(m_temperatureUnit == TemperatureTypes::E_fahrenheit ? ninths / 5
                                                                                  : ninths / 9);
    return tr("Smart Start Heat Ratio: %1%2").arg(shown, unitText() + tr("/min"));
}

QString ConfigureSystemStatusViewManager::relayHeaderText() const
{
    QString text = QStringLiteral("   ") + QCoreApplication::translate("QObject", "Primary") +
                   QStringLiteral(" / ") + rcbMasterSlaveModeText(NodeInformationTypes::E_slave_1);
    if (m_rcbCount > 2)
        text += QStringLiteral(" / ") + rcbMasterSlaveModeText(NodeInformationTypes::E_slave_2);
    return text;
}

QString ConfigureSystemStatusViewManager::relayLineText(int relay) const
{
    const auto onOff = [this, relay](int board) {
        const RelayStatusTypes::RelayStatus &posts = m_relays[std::size_t(board)];
        const bool on = relay >= 0 && relay < posts.size() && posts[relay].state2;
        return on ? LanguageSupport::onText() : LanguageSupport::offText();
    };
    QString text = QStringLiteral("  ") + LanguageSupport::relayTerminalText(relay) +
                   QStringLiteral(": ") + onOff(0);
    for (int board = 1; board < boardCount; ++board) {
        if (m_rcbCount > board)
            text += QStringLiteral(" / ") + onOff(board);
    }
    return text;
}

} // namespace view
