# Precompiled Qt headers, parsed once per build folder and shared by every C++ target of the tree
# (once more for the tests' own code where it is compiled with other options: see tests/).
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

# panel_add_precompiled_headers(<name>): the target that compiles the headers, with the compile
# options of the folder it is made in. A folder whose code is compiled otherwise (the tests' own
# code, see tests/) makes its own and names it in its PANEL_PRECOMPILED_HEADERS property: a header
# is only ever used with the options it was compiled with.
function(panel_add_precompiled_headers name)
    if(NOT PANEL_PRECOMPILE_HEADERS)
        return()
    endif()
    set(anchor ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${anchor}
        CONTENT "// The target that precompiles the Qt headers; no code of its own.\n")
    add_library(${name} OBJECT ${anchor})
    set_property(GLOBAL APPEND PROPERTY PANEL_PRECOMPILED_HEADER_TARGETS ${name})
    # Qt Core's definitions, which every target of the tree has, and the other modules' headers
    # without their QT_GUI_LIB and the like: a target that links fewer modules than the header
    # includes can use it all the same.
    target_link_libraries(${name} PRIVATE Qt6::Core)
    foreach(module IN ITEMS Gui Network Qml Quick)
        target_include_directories(${name} SYSTEM PRIVATE
            $<TARGET_PROPERTY:Qt6::${module},INTERFACE_INCLUDE_DIRECTORIES>)
    endforeach()
    target_precompile_headers(${name} PRIVATE
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
endfunction()

panel_add_precompiled_headers(panel_precompiled_headers)

# Makes every C++ target under <directory> (and its subfolders) use the precompiled headers: those
# of the nearest folder that names its own, else panel_precompiled_headers.
function(panel_share_precompiled_headers directory)
    if(NOT PANEL_PRECOMPILE_HEADERS)
        return()
    endif()
    set(from ${ARGV1})
    get_property(own DIRECTORY ${directory} PROPERTY PANEL_PRECOMPILED_HEADERS)
    if(own)
        set(from ${own})
    elseif(NOT from)
        set(from panel_precompiled_headers)
    endif()
    get_property(header_targets GLOBAL PROPERTY PANEL_PRECOMPILED_HEADER_TARGETS)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target IN_LIST header_targets
           OR NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            continue()
        endif()
        target_precompile_headers(${target} REUSE_FROM ${from})
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
        panel_share_precompiled_headers(${subdirectory} ${from})
    endforeach()
endfunction()
