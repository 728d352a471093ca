# Every target of ours links tarvo_warnings, so the warning policy lives in one place.
# Warnings are errors where we build (the default and asan presets); a packager's newer compiler
# may warn about things ours does not, and that must not stop the package.
option(TARVO_WERROR "Treat compiler warnings as errors" OFF)
add_library(tarvo_warnings INTERFACE)
target_compile_options(tarvo_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wconversion -Wno-sign-conversion)
if(TARVO_WERROR)
    target_compile_options(tarvo_warnings INTERFACE -Werror)
endif()
# Tests keep the warnings but may write their data tables with plain string literals.
add_library(tarvo_test_warnings INTERFACE)
target_compile_options(tarvo_test_warnings INTERFACE $<TARGET_PROPERTY:tarvo_warnings,INTERFACE_COMPILE_OPTIONS>)
target_compile_definitions(tarvo_warnings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH)

# tarvo_library(<name> <sources...> LINKS <libs...>): a static library of ours.
# A library exports only the headers it lists, through links in a folder of its own, so code can
# include only what the libraries it links own: an include of a higher layer does not compile.
function(tarvo_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    set(exports ${CMAKE_BINARY_DIR}/exports/${name})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    file(REMOVE_RECURSE ${exports})
    foreach(source ${ARG_SOURCES})
        if(source MATCHES "\\.h$")
            file(MAKE_DIRECTORY ${exports}/${folder})
            file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${exports}/${folder}/${source}
                 SYMBOLIC)
        endif()
    endforeach()
    target_include_directories(${name} PUBLIC ${exports})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE tarvo_warnings)
endfunction()

# tarvo_test(<name> <sources...> LINKS <libs...>): one QtTest executable, run headless by ctest.
function(tarvo_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} tarvo_test_support Qt6::Test tarvo_test_warnings)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu"
        TIMEOUT 300)
endfunction()
