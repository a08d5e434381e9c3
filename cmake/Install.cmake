# `cmake --install` lays out the portable application folder: the programs and
# their data side by side, in a folder the player can write to (install under a
# prefix of your own, such as ~/.local). On Linux a launcher, a desktop entry
# and the icons go where desktops look for them.
include(GNUInstallDirs)

if(WIN32)
    set(PALABRINO_INSTALL_DIR .)
else()
    set(PALABRINO_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/palabrino)
endif()

install(TARGETS palabrino palabrino-ayuda palabrino-comprobar
    RUNTIME DESTINATION ${PALABRINO_INSTALL_DIR})
install(FILES ${PALABRINO_APP_DIR}/ayuda.chm DESTINATION ${PALABRINO_INSTALL_DIR})

# Reinstalling keeps what the game wrote, as rebuilding does.
install(CODE "
    execute_process(COMMAND \${CMAKE_COMMAND}
        -DDATA_DIR=${PALABRINO_DATA_DIR}
        -DAPP_DIR=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PALABRINO_INSTALL_DIR}
        -DPRISTINE_DIR=\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PALABRINO_INSTALL_DIR}/.originales
        -P ${CMAKE_SOURCE_DIR}/cmake/SyncAppData.cmake)
")

if(UNIX AND NOT APPLE)
    # The prefix is known only when installing (cmake --install --prefix).
    install(CODE "
        set(PALABRINO_LAUNCHER \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/palabrino)
        configure_file(${CMAKE_SOURCE_DIR}/resources/linux/palabrino.desktop.in
            ${CMAKE_CURRENT_BINARY_DIR}/palabrino.desktop @ONLY)
    ")
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/palabrino.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES resources/icons/palabrino-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME palabrino.png)
    endforeach()
    install(CODE "
        set(bin \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR})
        file(MAKE_DIRECTORY \${bin})
        file(CREATE_LINK ../${PALABRINO_INSTALL_DIR}/palabrino \${bin}/palabrino SYMBOLIC)
    ")
endif()
