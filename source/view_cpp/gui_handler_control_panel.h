#pragma once

#include "view_cpp/gui_handler.h"

namespace view {

// The GUI handler of the control panel: one finder per scene item that the start-up wiring
// connects. Each finder looks its names up in order and returns the items found (zero, one or
// two); every missing name is reported on its own.
class GuiHandlerControlPanel : public GuiHandler
{
    Q_OBJECT

public:
    GuiHandlerControlPanel(QMainWindow *window, QObject *parent,
                           const QString &qmlDirectory = QString());
    ~GuiHandlerControlPanel() override;

    // The live handler, or null; the QML object providers reach the root context through it.
    static GuiHandlerControlPanel *instance;

    QList<QObject *> powerSwitchTabItems();
    QList<QObject *> auxSingleFragranceListItems();
    QList<QObject *> auxSingleOverviewListItems();
    QList<QObject *> systemRelayContainerItems();
    QList<QObject *> auxRelayListItems();
    QList<QObject *> systemsSelectorItems();
    QList<QObject *> pcbOverheatLimitItems();
    QList<QObject *> notAllowedStartTimeUntilItems();
    QList<QObject *> notAllowedStartTimeFromItems();
    QList<QObject *> upperWaterTempItems();
    QList<QObject *> limitsSelectorItems();
    QList<QObject *> dateTimeSelectorItems();
    QList<QObject *> regionViewItems();
    QList<QObject *> generalSelectorItems();
    QList<QObject *> advancedSettingsSelectorItems();
    QList<QObject *> saveAsFavoritesButtonItems();
    QList<QObject *> setTimeSelectorInitialSetupItems();
    QList<QObject *> setTimeSelectorItems();
    QList<QObject *> setDateSelectorInitialSetupItems();
    QList<QObject *> setDateSelectorItems();
    QList<QObject *> auxRelaysOverviewItems();
    QList<QObject *> auxRelaysItems();
    QList<QObject *> fanAutomaticToggleItems();
    QList<QObject *> fanRunningSwitchItems();
    QList<QObject *> lightsSwitchItems();
    QList<QObject *> tankFillTimeItems();
    QList<QObject *> irSystemsSelectorItems();
    QList<QObject *> tankAutoEmptyingItems();
    QList<QObject *> externalSwitchBathTimeItems();
    QList<QObject *> networkViewItems();
    QList<QObject *> wifiViewItems();
    QList<QObject *> descalingDosageItems();
    QList<QObject *> descalingDurationItems();
    QList<QObject *> descalingStartTimeItems();
    QList<QObject *> auxDescalingSettingsViewItems();
    QList<QObject *> fragranceStopItems();
    QList<QObject *> fragrancePumpItems();
    QList<QObject *> cleanupTimeItems();
    QList<QObject *> standbyWaterTemperatureItems();
    QList<QObject *> standbyTemperatureReductionItems();
    QList<QObject *> fanRuntimeItems();
    QList<QObject *> bathTimeTabItems();
    QList<QObject *> heaterSettingsListItems();
    QList<QObject *> initialSetupTabManagerItems();
    QList<QObject *> targetTemperatureItems();
    QList<QObject *> popupWidgetListItems();
    QList<QObject *> pinSystemsSelectorItems();
    QList<QObject *> pinInputItems();
    QList<QObject *> generalPinSelectorItems();
    QList<QObject *> rootTabManagerItems();
    QList<QObject *> targetHumidityItems();

private:
    QList<QObject *> findAll(std::initializer_list<const char *> objectNames);
};

} // namespace view
