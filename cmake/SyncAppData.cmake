# Usage: cmake -DDATA_DIR=... -DAPP_DIR=... -DPRISTINE_DIR=... [-DRESTORE=ON] -P SyncAppData.cmake
#
# Copies every file of DATA_DIR into APP_DIR. A file is written only when it is
# missing in APP_DIR, or still identical to the copy installed last time (kept
# in PRISTINE_DIR), so a player's statistics and settings survive rebuilds.
# With RESTORE=ON the shipped data replaces whatever the game wrote.

if(RESTORE)
    foreach(entry datos.ini Categorias Skins ayuda.chm)
        file(REMOVE_RECURSE ${APP_DIR}/${entry})
    endforeach()
    file(REMOVE_RECURSE ${PRISTINE_DIR})
endif()

file(GLOB_RECURSE shipped RELATIVE ${DATA_DIR} ${DATA_DIR}/*)
# The help file's sources are compiled into ayuda.chm by the build instead.
list(FILTER shipped EXCLUDE REGEX "^ayuda/")
foreach(relative IN LISTS shipped)
    set(source ${DATA_DIR}/${relative})
    set(installed ${APP_DIR}/${relative})
    set(pristine ${PRISTINE_DIR}/${relative})

    set(copy FALSE)
    if(NOT EXISTS ${installed})
        set(copy TRUE)
    elseif(EXISTS ${pristine})
        file(SHA256 ${installed} installed_hash)
        file(SHA256 ${pristine} pristine_hash)
        file(SHA256 ${source} source_hash)
        if(installed_hash STREQUAL pristine_hash AND NOT source_hash STREQUAL pristine_hash)
            set(copy TRUE)
        endif()
    endif()

    if(copy)
        get_filename_component(installed_dir ${installed} DIRECTORY)
        get_filename_component(pristine_dir ${pristine} DIRECTORY)
        file(COPY ${source} DESTINATION ${installed_dir})
        file(COPY ${source} DESTINATION ${pristine_dir})
    endif()
endforeach()
