#pragma once

#include "control/settings.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/instance_settings.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/start_up.h"

#include <QCoreApplication>

// Registers what the program registers before it builds the panel, once per test process, and
// fixes the names of the settings store and the program's version as the program does.
inline void prepareFrameTestProcess()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    control::Settings(startUp::settingsOrganizationName(control::buildBrand()),
                      pcPanel::InstanceSettings::applicationBaseName());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(startUp::softwareVersionText));
    startUp::registerSignalMetaTypes();
    startUp::registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();
}
