# The starter set GettingStarted.mtd, which the first run loads from the program's folder. It is
# built from its readable description by `traxo-cli set build` and put at the top of the build
# tree, beside Traxo.exe. A cross build cannot run the traxo-cli it builds, so it builds one for
# the host: a lean Release sub-build of this same tree with the host compiler that makes only the
# traxo-cli target.
set(TRAXO_STARTER_SOURCE ${CMAKE_SOURCE_DIR}/sets/starter/GettingStarted.json)
set(TRAXO_STARTER_SET ${CMAKE_BINARY_DIR}/GettingStarted.mtd)

if(CMAKE_CROSSCOMPILING)
    include(ExternalProject)
    # The toolchain file searches programs on the host, so these are the host's compilers.
    find_program(TRAXO_HOST_CC NAMES gcc cc REQUIRED)
    find_program(TRAXO_HOST_CXX NAMES g++ c++ REQUIRED)
    set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
    set(starter_cli ${host_tools_dir}/tools/traxo-cli/traxo-cli)
    ExternalProject_Add(traxo_host_cli
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${host_tools_dir}
        CMAKE_ARGS
            -DCMAKE_BUILD_TYPE=Release
            -DCMAKE_C_COMPILER=${TRAXO_HOST_CC}
            -DCMAKE_CXX_COMPILER=${TRAXO_HOST_CXX}
            -DTRAXO_SANITIZE=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target traxo-cli -j 2
        # Known to the generator, so that the set is rebuilt only when the tool really changed.
        BUILD_BYPRODUCTS ${starter_cli}
        INSTALL_COMMAND ""
        # The sub-build decides itself whether the tool is out of date.
        BUILD_ALWAYS ON)
    set(starter_cli_depends traxo_host_cli ${starter_cli})
else()
    set(starter_cli $<TARGET_FILE:traxo-cli>)
    set(starter_cli_depends traxo-cli)
endif()

add_custom_command(OUTPUT ${TRAXO_STARTER_SET}
    COMMAND ${starter_cli} set build ${TRAXO_STARTER_SOURCE} ${TRAXO_STARTER_SET}
    DEPENDS ${TRAXO_STARTER_SOURCE} ${starter_cli_depends}
    COMMENT "Building the starter set GettingStarted.mtd"
    VERBATIM)
add_custom_target(starter_set ALL DEPENDS ${TRAXO_STARTER_SET})
