# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` places: the program, its menu launcher, the desktop
# entry, the icons, the AppStream metainfo and the example question files.
include(GNUInstallDirs)

set(LEXIWREN_APP_ID org.lexiwren.Lexiwren)
set(LEXIWREN_DATA ${PROJECT_SOURCE_DIR}/data)
set(LEXIWREN_EXAMPLES_DESTINATION ${CMAKE_INSTALL_DATADIR}/lexiwren/examples)

install(TARGETS lexiwren RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The launcher runs the program beside itself and finds the examples by a path
# relative to itself, so both hold wherever the tree is installed.
file(RELATIVE_PATH LAUNCH_TO_EXAMPLES
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${LEXIWREN_EXAMPLES_DESTINATION})
configure_file(${LEXIWREN_DATA}/lexiwren-launch.in ${PROJECT_BINARY_DIR}/lexiwren-launch @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/lexiwren-launch DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${LEXIWREN_DATA}/${LEXIWREN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LEXIWREN_DATA}/${LEXIWREN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${LEXIWREN_DATA}/icons/${LEXIWREN_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
    install(FILES ${LEXIWREN_DATA}/icons/${size}x${size}/${LEXIWREN_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/examples/basic-words.txt ${PROJECT_SOURCE_DIR}/examples/daily-life.txt
    DESTINATION ${LEXIWREN_EXAMPLES_DESTINATION})

# Debian's policy wants the licence terms in the package's own doc folder.
install(FILES ${LEXIWREN_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lexiwren)
