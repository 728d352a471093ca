# Installs the build into an empty folder and checks that exactly the files a desktop needs are
# there, and that they point at each other: the package is made from this same install.
#   cmake -DBUILD_DIR=<build> -DSTAGE=<empty folder> -DVERSION=<x.y> -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/tarvo-yoga
    lib/tarvo-yoga/libtarvo-audio.so
    share/applications/tarvo-yoga.desktop
    share/metainfo/io.example.TarvoYoga.metainfo.xml
    share/icons/hicolor/scalable/apps/tarvo-yoga.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tarvo-yoga.png)
endforeach()
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT expected)
list(SORT found)
if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " found_lines "${found}")
    string(REPLACE ";" "\n  " expected_lines "${expected}")
    message(FATAL_ERROR "installed:\n  ${found_lines}\nexpected:\n  ${expected_lines}")
endif()

# The program searches no folder of its own for libraries, and only the audio plugin brings Qt
# Multimedia, when a practice first makes a sound.
execute_process(COMMAND readelf -d ${STAGE}/bin/tarvo-yoga OUTPUT_VARIABLE dynamic
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "readelf failed: ${result}")
endif()
foreach(text "RPATH" "RUNPATH" "libQt6Multimedia")
    string(FIND "${dynamic}" "${text}" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "the installed program has ${text}:\n${dynamic}")
    endif()
endforeach()
execute_process(COMMAND readelf -d ${STAGE}/lib/tarvo-yoga/libtarvo-audio.so
                OUTPUT_VARIABLE plugin)
string(FIND "${plugin}" "libQt6Multimedia" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the audio plugin does not bring Qt Multimedia:\n${plugin}")
endif()

# The entry starts the installed program and names the installed icon.
file(STRINGS ${STAGE}/share/applications/tarvo-yoga.desktop entry)
foreach(line "Exec=tarvo-yoga" "Icon=tarvo-yoga")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()

# The metainfo names the entry and carries the project's version as its release.
file(READ ${STAGE}/share/metainfo/io.example.TarvoYoga.metainfo.xml metainfo)
foreach(text "<launchable type=\"desktop-id\">tarvo-yoga.desktop</launchable>"
             "<release version=\"${VERSION}\" ")
    string(FIND "${metainfo}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the metainfo lacks ${text}")
    endif()
endforeach()
string(FIND "${metainfo}" "@" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "the metainfo has an unreplaced @VARIABLE@")
endif()

file(REMOVE_RECURSE ${STAGE})
