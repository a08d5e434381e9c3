# The Windows game as a player gets it: one folder, Palabrino/, holding the
# programs, every DLL they load, the shipped data, the help and the licence,
# zipped as Palabrino-<version>-win64.zip. Unzipped anywhere a player can
# write, the game keeps everything in that folder.
set(PALABRINO_ZIP_STAGE ${CMAKE_BINARY_DIR}/zip)
set(PALABRINO_ZIP_FOLDER ${PALABRINO_ZIP_STAGE}/Palabrino)
set(PALABRINO_ZIP ${CMAKE_BINARY_DIR}/Palabrino-${PROJECT_VERSION}-win64.zip)

# The MinGW runtime the programs were linked against, from the compiler's own folders.
set(PALABRINO_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    file(REAL_PATH "${found}" found)
    list(APPEND PALABRINO_MINGW_RUNTIME ${found})
endforeach()

add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${PALABRINO_ZIP_STAGE} ${PALABRINO_ZIP}
    COMMAND ${CMAKE_COMMAND} -E make_directory
        ${PALABRINO_ZIP_FOLDER}/platforms ${PALABRINO_ZIP_FOLDER}/styles
    COMMAND ${CMAKE_COMMAND} -E copy
        $<TARGET_FILE:palabrino> $<TARGET_FILE:palabrino-comprobar>
        $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        ${PALABRINO_MINGW_RUNTIME}
        ${PALABRINO_APP_DIR}/ayuda.chm ${CMAKE_SOURCE_DIR}/LICENSE
        ${PALABRINO_ZIP_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        ${PALABRINO_ZIP_FOLDER}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        ${PALABRINO_ZIP_FOLDER}/styles
    # The shipped data as shipped, never what a game played in the build wrote.
    COMMAND ${CMAKE_COMMAND} -E copy ${PALABRINO_DATA_DIR}/datos.ini ${PALABRINO_ZIP_FOLDER}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PALABRINO_DATA_DIR}/Categorias
        ${PALABRINO_ZIP_FOLDER}/Categorias
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PALABRINO_DATA_DIR}/Skins
        ${PALABRINO_ZIP_FOLDER}/Skins
    COMMAND ${CMAKE_COMMAND} -E chdir ${PALABRINO_ZIP_STAGE}
        ${CMAKE_COMMAND} -E tar cf ${PALABRINO_ZIP} --format=zip Palabrino
    DEPENDS palabrino palabrino-comprobar help_file
    COMMENT "Making ${PALABRINO_ZIP}"
    VERBATIM)
