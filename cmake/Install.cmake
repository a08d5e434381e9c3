# `cmake --install` lays out the portable application folder: the programs and
# their data side by side, in a folder the player can write to (install under a
# prefix of your own, such as ~/.local). On Linux a launcher, a desktop entry
# and the icons go where desktops look for them.
#
# The component "system" (left out of a plain install, taken by the Debian
# package) lays out a read-only installation instead: the shipped data as it
# is, and a `palabrino` command that gives every player a game folder of their
# own. Install it with the unnamed component:
#   cmake --install BUILD --component Unspecified && cmake --install BUILD --component system
include(GNUInstallDirs)

if(WIN32)
    set(PALABRINO_INSTALL_DIR .)
else()
    # Not CMAKE_INSTALL_LIBDIR: under /usr that is a multiarch folder.
    set(PALABRINO_INSTALL_DIR lib/palabrino)
endif()

install(TARGETS palabrino palabrino-comprobar RUNTIME DESTINATION ${PALABRINO_INSTALL_DIR})
if(TARGET palabrino-ayuda)
    install(TARGETS palabrino-ayuda RUNTIME DESTINATION ${PALABRINO_INSTALL_DIR})
endif()
install(FILES ${PALABRINO_APP_DIR}/ayuda.chm DESTINATION ${PALABRINO_INSTALL_DIR})

# Reinstalling keeps what the game wrote, as rebuilding does.
install(CODE "
    execute_process(COMMAND ${PALABRINO_COPY_DATA} ${PALABRINO_DATA_DIR}
        \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PALABRINO_INSTALL_DIR}
        COMMAND_ERROR_IS_FATAL ANY)
" COMPONENT portable)

if(UNIX AND NOT APPLE)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES resources/icons/palabrino-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME palabrino.png)
    endforeach()

    # palabrino_install_command(<dir> <name> <program> <component> [EXCLUDE_FROM_ALL])
    # links the command <dir>/<name> to a program of the game's folder.
    function(palabrino_install_command dir name program component)
        install(CODE "
            set(dir \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dir})
            file(MAKE_DIRECTORY \${dir})
            file(CREATE_LINK ../${PALABRINO_INSTALL_DIR}/${program} \${dir}/${name} SYMBOLIC)
        " COMPONENT ${component} ${ARGN})
    endfunction()

    # palabrino_install_desktop_entry(<dir> <component> [EXCLUDE_FROM_ALL]) installs
    # the desktop entry that starts <dir>/palabrino.
    function(palabrino_install_desktop_entry dir component)
        set(entry ${CMAKE_CURRENT_BINARY_DIR}/${component}/org.example.palabrino.desktop)
        # The prefix is known only when installing (cmake --install --prefix).
        install(CODE "
            set(PALABRINO_LAUNCHER \${CMAKE_INSTALL_PREFIX}/${dir}/palabrino)
            configure_file(${CMAKE_SOURCE_DIR}/resources/linux/org.example.palabrino.desktop.in
                ${entry} @ONLY)
        " COMPONENT ${component} ${ARGN})
        install(FILES ${entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
            COMPONENT ${component} ${ARGN})
    endfunction()

    palabrino_install_command(${CMAKE_INSTALL_BINDIR} palabrino palabrino portable)
    palabrino_install_command(${CMAKE_INSTALL_BINDIR} palabrino-comprobar palabrino-comprobar
        portable)
    palabrino_install_desktop_entry(${CMAKE_INSTALL_BINDIR} portable)

    # Debian keeps the commands of games in /usr/games.
    install(TARGETS palabrino-lanzador RUNTIME DESTINATION ${PALABRINO_INSTALL_DIR}
        COMPONENT system EXCLUDE_FROM_ALL)
    palabrino_install_command(games palabrino palabrino-lanzador system EXCLUDE_FROM_ALL)
    palabrino_install_command(games palabrino-comprobar palabrino-comprobar system
        EXCLUDE_FROM_ALL)
    palabrino_install_desktop_entry(games system EXCLUDE_FROM_ALL)
    install(DIRECTORY ${PALABRINO_DATA_DIR}/ DESTINATION ${PALABRINO_INSTALL_DIR}
        COMPONENT system EXCLUDE_FROM_ALL
        PATTERN ayuda EXCLUDE)
    install(FILES resources/linux/org.example.palabrino.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT system EXCLUDE_FROM_ALL)

    # Manual pages and the changelog go compressed, as Debian wants them.
    set(compressed)
    foreach(file palabrino.6 palabrino-comprobar.6 changelog)
        set(copy ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file})
        add_custom_command(OUTPUT ${copy}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${file} ${copy}
            COMMAND gzip -9nf ${copy}
            DEPENDS packaging/${file}
            VERBATIM)
        list(APPEND compressed ${copy}.gz)
    endforeach()
    add_custom_target(compressed_docs ALL DEPENDS ${compressed})
    list(POP_BACK compressed changelog)
    install(FILES ${compressed}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        COMPONENT system EXCLUDE_FROM_ALL)
    install(FILES packaging/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/palabrino
        COMPONENT system EXCLUDE_FROM_ALL)
endif()
