# panel_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [NETWORK | SAUNA_NAMESPACE])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs headless, with a
# fresh XDG_CONFIG_HOME of its own, so no test reads or writes the user's settings. NETWORK tests
# run inside a private network namespace with only the loopback interface up: no datagram they
# send can leave the machine. SAUNA_NAMESPACE tests run in a private namespace that a veth pair
# joins to a second one, made for a simulated sauna (cmake/namespace-pair.sh); both are ready,
# links up, before the test starts.
set(PANEL_TEST_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-test.sh)

function(panel_add_test name)
    cmake_parse_arguments(ARG "NETWORK;SAUNA_NAMESPACE" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set(runner_args)
    set(labels unit)
    set(timeout 120)
    if(ARG_SAUNA_NAMESPACE)
        set(runner_args --sauna-namespace)
        set(labels network)
        set(timeout 300)
    elseif(ARG_NETWORK)
        set(runner_args --private-network)
        set(labels network)
        set(timeout 300)
    endif()
    add_test(NAME ${name} COMMAND ${PANEL_TEST_RUNNER} ${runner_args} -- $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        LABELS "${labels}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PANEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        TIMEOUT ${timeout})
endfunction()
