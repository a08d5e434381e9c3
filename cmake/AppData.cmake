# The shipped data (data/) is copied into the application folder beside the
# executable. A file the game has since written is never overwritten: the sync
# keeps a pristine copy of what it last installed and only replaces files that
# still match it.
set(PALABRINO_DATA_DIR ${CMAKE_SOURCE_DIR}/data)
set(PALABRINO_PRISTINE_DIR ${CMAKE_BINARY_DIR}/pristine-data)

add_custom_target(app_data ALL
    COMMAND ${CMAKE_COMMAND}
        -DDATA_DIR=${PALABRINO_DATA_DIR}
        -DAPP_DIR=${PALABRINO_APP_DIR}
        -DPRISTINE_DIR=${PALABRINO_PRISTINE_DIR}
        -P ${CMAKE_SOURCE_DIR}/cmake/SyncAppData.cmake
    COMMENT "Installing the shipped data into ${PALABRINO_APP_DIR}"
    VERBATIM)

add_custom_target(restore_data
    COMMAND ${CMAKE_COMMAND}
        -DDATA_DIR=${PALABRINO_DATA_DIR}
        -DAPP_DIR=${PALABRINO_APP_DIR}
        -DPRISTINE_DIR=${PALABRINO_PRISTINE_DIR}
        -DRESTORE=ON
        -P ${CMAKE_SOURCE_DIR}/cmake/SyncAppData.cmake
    COMMENT "Restoring the pristine shipped data in ${PALABRINO_APP_DIR}"
    VERBATIM)
