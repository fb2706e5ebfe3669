# kestrom_module(NAME SOURCES ... DEPENDS ... PRIVATE_DEPENDS ...)
# One static library per module folder, named kestrom_<NAME>, with the alias Kestrom::<NAME>.
function(kestrom_module name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
    set(target kestrom_${name})
    add_library(${target} STATIC ${ARG_SOURCES})
    add_library(Kestrom::${name} ALIAS ${target})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    kestrom_set_warnings(${target})
endfunction()

# kestrom_test(NAME [GUI] SOURCES ... LIBS ...): one GoogleTest program, each case its own CTest
# test so that every case runs in a fresh process with its own hermetic folders. GUI tests get a
# QApplication on the offscreen platform.
function(kestrom_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    set(target test_${name})
    add_executable(${target} ${ARG_SOURCES})
    if(ARG_GUI)
        set(support kestrom_gui_test_support)
    else()
        set(support kestrom_test_support)
    endif()
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} ${support} GTest::gtest)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    kestrom_set_warnings(${target})
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
