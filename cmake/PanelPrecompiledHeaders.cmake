# Precompiled Qt headers, parsed once per build folder and shared by every C++ target of the tree.
#
# Nearly every file of the panel, its tests and tools includes QObject, QString, the Qt Quick item
# or the QML engine, and a test that includes <QtTest> reads the whole of Qt Core: parsing those
# headers again for each of some five hundred files is a good part of a build. One target,
# panel_precompiled_headers, compiles them once; panel_share_precompiled_headers() then makes every
# target of the tree use that result (REUSE_FROM), so a target added later needs nothing of its own.
#
# The header holds no Qt Widgets header, so that a target that links no Qt Widgets never needs
# their type information (UBSan's checks of dynamic types ask for it). It holds Qt's headers only, never Qt Test's: those read the QT_*_LIB and QT_TESTCASE_*
# macros, which differ from target to target, while the Qt Core, Gui, Network, QML and Quick
# headers read none of them. Nor does it hold QGuiApplication or QApplication: each makes qApp a cast
# to its own class, which in a program of a lesser application class is wrong, and under UBSan
# fails to link. GCC is told -Winvalid-pch, so a target that could not use the header
# would warn, and a warning fails the build's check for none; clang refuses such a target outright.
# -DPANEL_PRECOMPILE_HEADERS=OFF builds without.
option(PANEL_PRECOMPILE_HEADERS "Precompile the Qt headers once for every target" ON)

if(PANEL_PRECOMPILE_HEADERS)
    set(panel_pch_anchor ${CMAKE_BINARY_DIR}/panel_precompiled_headers.cpp)
    file(CONFIGURE OUTPUT ${panel_pch_anchor}
        CONTENT "// The target that precompiles the Qt headers for the whole tree; no code of its own.\n")
    add_library(panel_precompiled_headers OBJECT ${panel_pch_anchor})
    # Qt Core's definitions, which every target of the tree has, and the other modules' headers
    # without their QT_GUI_LIB and the like: a target that links fewer modules than the header
    # includes can use it all the same.
    target_link_libraries(panel_precompiled_headers PRIVATE Qt6::Core)
    foreach(module IN ITEMS Gui Network Qml Quick)
        target_include_directories(panel_precompiled_headers SYSTEM PRIVATE
            $<TARGET_PROPERTY:Qt6::${module},INTERFACE_INCLUDE_DIRECTORIES>)
    endforeach()
    target_precompile_headers(panel_precompiled_headers PRIVATE
        <QtCore/QtCore>
        <QtNetwork/QHostAddress>
        <QtNetwork/QNetworkDatagram>
        <QtNetwork/QUdpSocket>
        <QtGui/QColor>
        <QtGui/QImage>
        <QtQml/QQmlComponent>
        <QtQml/QQmlContext>
        <QtQml/QQmlEngine>
        <QtQml/qqml.h>
        <QtQuick/QQuickItem>
        <QtQuick/QQuickView>
        <QtQuick/QQuickWindow>)
endif()

# Makes every C++ target under <directory> (and its subfolders) use the precompiled headers.
function(panel_share_precompiled_headers directory)
    if(NOT PANEL_PRECOMPILE_HEADERS)
        return()
    endif()
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target STREQUAL "panel_precompiled_headers"
           OR NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            continue()
        endif()
        target_precompile_headers(${target} REUSE_FROM panel_precompiled_headers)
        # A program's file of moc output is most often empty (a test includes its own .moc), and
        # loading the header would cost it more than it saves.
        if(type STREQUAL "EXECUTABLE")
            get_target_property(binary_dir ${target} BINARY_DIR)
            set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp
                TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        panel_share_precompiled_headers(${subdirectory})
    endforeach()
endfunction()
