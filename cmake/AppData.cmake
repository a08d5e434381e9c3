# The shipped data (data/) is copied into the application folder beside the
# programs by the launcher's rule (src/launcher/ShippedCopy.h): a file the game
# has since written is never overwritten, so a rebuild keeps the player's
# statistics and settings. A cross build compiles the rule for the machine
# that builds, which runs it.
set(PALABRINO_DATA_DIR ${CMAKE_SOURCE_DIR}/data)

if(CMAKE_CROSSCOMPILING)
    find_program(PALABRINO_HOST_CXX NAMES c++ g++ REQUIRED)
    set(PALABRINO_COPY_DATA ${CMAKE_BINARY_DIR}/host/palabrino-copiar-datos)
    set(sources src/launcher/ShippedCopy.cpp src/launcher/ShippedCopyTool.cpp)
    add_custom_command(OUTPUT ${PALABRINO_COPY_DATA}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${PALABRINO_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -I${CMAKE_SOURCE_DIR}/src
            ${sources} -o ${PALABRINO_COPY_DATA}
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        DEPENDS ${sources} src/launcher/ShippedCopy.h
        VERBATIM)
    add_custom_target(palabrino_copy_data DEPENDS ${PALABRINO_COPY_DATA})
else()
    set(PALABRINO_COPY_DATA $<TARGET_FILE:palabrino-copiar-datos>)
    add_custom_target(palabrino_copy_data DEPENDS palabrino-copiar-datos)
endif()

add_custom_target(app_data ALL
    COMMAND ${PALABRINO_COPY_DATA} ${PALABRINO_DATA_DIR} ${PALABRINO_APP_DIR}
    COMMENT "Installing the shipped data into ${PALABRINO_APP_DIR}"
    VERBATIM)
add_dependencies(app_data palabrino_copy_data)

# Puts back the data as shipped, whatever the game wrote.
add_custom_target(restore_data
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${PALABRINO_APP_DIR}/datos.ini
        ${PALABRINO_APP_DIR}/Categorias ${PALABRINO_APP_DIR}/Skins ${PALABRINO_APP_DIR}/.originales
    COMMAND ${PALABRINO_COPY_DATA} ${PALABRINO_DATA_DIR} ${PALABRINO_APP_DIR}
    COMMENT "Restoring the shipped data in ${PALABRINO_APP_DIR}"
    VERBATIM)
add_dependencies(restore_data palabrino_copy_data)
