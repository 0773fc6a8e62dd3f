#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/duration_manager_most_significant_component_minute.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/configure/configure_menu_view_manager_base.h"
#include "view_cpp/configure/reported_editor_value.h"

#include <QList>

#include <optional>

namespace view {

// The installer's Limits menu and its four value editors: the maximum bath temperature, the water
// temperature limit, the maximum water fill time of the tank and the board overheat limit. The
// menu shows only what the connected sauna system supports and is rebuilt on every product,
// function-flag and system-mode report.
class ConfigureLimitsViewManager : public ConfigureMenuViewManagerBase
{
    Q_OBJECT

public:
    // The tank fill time editor; it can announce its value again for a page that opens on it.
    class TankFillTimeManager : public value::DurationManagerMostSignificantComponentMinute
    {
    public:
        using DurationManagerMostSignificantComponentMinute::
            DurationManagerMostSignificantComponentMinute;
        void announce()
        {
            emitValueChanged();
            checkLimits();
        }
    };

    explicit ConfigureLimitsViewManager(QObject *parent);

    value::TemperatureValueManager *maxBathTemperatureManager() { return &m_maxBathTemperature; }
    value::TemperatureValueManager *upperWaterTemperatureManager()
    {
        return &m_upperWaterTemperature;
    }
    value::DurationManager *tankFillTimeManager() { return &m_tankFillTime; }
    value::TemperatureValueManager *pcbOverheatLimitManager() { return &m_pcbOverheatLimit; }

    // The menu's selections, the three commits and the maximum bath temperature's steps.
    int connectToView(const QList<QObject *> &senders);
    // The temperature unit, to the three temperature editors.
    int connectToTemperatureController(const QList<QObject *> &senders);
    int connectUpperWaterTempManagerToView(const QList<QObject *> &senders);
    int connectTankFillTimeManagerToView(const QList<QObject *> &senders);
    int connectPcbOverheatLimitManagerToView(const QList<QObject *> &senders);
    // The bridge receiver's limit, product, function-flag and system-mode reports.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void maxBathTemperatureChangeRequested(int temperature);
    void waterTempLimitChangeRequest(int temperature);
    void rcbTankFillTimeChangeRequest(int seconds);
    void pcbOverheatLimitChangeRequest(int temperature);
    void saunaSystemModeChangedQml(int mode);

public slots:
    // The maximum bath temperature's editor changed (the argument is in the shown unit and is not
    // used): a value that a step of the user made is sent. A report, a limit, a unit change or the
    // opening of the editor tells the value too, but sends nothing.
    void onMaxBathTemperatureValueChanged(int);
    void onSaunaLowerTemperatureLimitChanged(int temperature);
    void onSaunaUpperTemperatureLimitChanged(int temperature);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void onSaunaSystemLowerTemperatureLimitChanged(int temperature);
    void onSaunaSystemUpperTemperatureLimitChanged(int temperature);
    void onSaunaWaterTempLimitChanged(int temperature);
    void onSaunaRcbTankFillTimeChanged(int seconds);
    void onSaunaPcbOverheatLimitChanged(int temperature);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language) override;
    void onWaterTempLimitCommit();
    void onTankFillTimeCommit();
    void onOverheatLimitCommit();
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    // Limits, functions, product and system mode were the former sauna's: the menu offers the
    // bath temperature alone, without a value, until the new sauna reports, and QML hears -1, no
    // system mode.
    void onSaunaReplaced() override;

private:
    bool isSolvenno() const;
    // Changes the maximum bath temperature's editor without sending: the change is the screen's,
    // not a step of the user.
    template<typename Change>
    void updateMaxBathTemperature(Change change);
    void rebuildMenu();
    void applyTankFillTimeLimits();
    // Tells a page that opens on editSelected the editor's value and limit states.
    static void announce(value::TemperatureValueManager &manager);

    value::TemperatureValueManager m_maxBathTemperature;
    value::TemperatureValueManager m_upperWaterTemperature;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_unknown;
    std::optional<::signalInterface::MasterFuncDescTypes::SystemMode> m_systemMode;
    TankFillTimeManager m_tankFillTime;
    value::TemperatureValueManager m_pcbOverheatLimit;
    // As reported; an editor opened before the report has no value and sends nothing.
    ReportedEditorValue<value::TemperatureValueManager> m_reportedWaterTempLimit;
    // In seconds.
    ReportedEditorValue<value::DurationManager> m_reportedTankFillTime;
    ReportedEditorValue<value::TemperatureValueManager> m_reportedPcbOverheatLimit;
    // The maximum bath temperature as reported, applied again when the system limits change.
    std::optional<int> m_reportedMaxBathTemperature;
    // The editor's value when it last told it, and whether the screen is changing it.
    std::optional<value::Degrees_9C_T> m_maxBathTemperatureTold;
    bool m_updatingMaxBathTemperature = false;
};

} // namespace view
