# panel_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [NETWORK])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs headless, with a
# fresh XDG_CONFIG_HOME of its own, so no test reads or writes the user's settings. NETWORK tests
# run inside a private network namespace with only the loopback interface up: no datagram they
# send can leave the machine.
set(PANEL_TEST_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-test.sh)

function(panel_add_test name)
    cmake_parse_arguments(ARG "NETWORK" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    set(runner_args)
    set(labels unit)
    set(timeout 120)
    set(lock)
    if(ARG_NETWORK)
        set(runner_args --private-network)
        set(labels network)
        # Network namespaces and veth pairs can be slow to make on a busy machine: the kernel tears
        # earlier namespaces down in the background and holds its network lock meanwhile. Tests
        # that make many of them at once starve each other's set-up, so they run one at a time.
        set(timeout 900)
        set(lock network_namespaces)
    endif()
    add_test(NAME ${name} COMMAND ${PANEL_TEST_RUNNER} ${runner_args} -- $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        LABELS "${labels}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PANEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        TIMEOUT ${timeout}
        RESOURCE_LOCK "${lock}")
endfunction()
