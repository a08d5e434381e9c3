# `cpack -G DEB` in a Release build makes the Debian package: the programs,
# stripped, and the read-only installation of the component "system".
set(CPACK_PACKAGE_NAME palabrino)
set(CPACK_PACKAGE_CONTACT "Los autores de Palabrino <palabrino@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://palabrino.example.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL Unspecified system)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: Qt's window system
# plugins, without which no window opens, and the fonts the windows are drawn
# with (others stand in for them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wine)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[juego del ahorcado en castellano / hangman game in Spanish
Palabrino esconde una frase de la categoría que elijas (animales, países,
refranes, películas...): descúbrela letra a letra con el teclado de la
pantalla o con el tuyo, o escribe la frase entera. Cinco fallos pierden la
partida. Cada categoría guarda sus partidas ganadas y perdidas y su mejor
puntuación; los skins cambian el aspecto de la ventana. Cada jugador juega en
una carpeta propia, ~/.local/share/palabrino.
.
Palabrino hides a phrase from the category you choose (animals, countries,
sayings, films...): uncover it letter by letter with the on-screen keyboard
or your own, or type the whole phrase. Five failures lose the game. Every
category keeps its games won and lost and its best score; skins change the
look of the window. Every player plays in a folder of their own,
~/.local/share/palabrino.]=])

include(CPack)
