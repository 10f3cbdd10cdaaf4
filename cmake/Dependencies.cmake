# zlib: Debian's zlib1g-dev natively, libz-mingw-w64-dev (linked statically) for Windows.
if(WIN32)
    set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

# GoogleTest from Debian's sources, built with whichever toolchain this tree uses.
set(TRAXO_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${TRAXO_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# Google Benchmark, natively only.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(benchmark REQUIRED)
endif()

# nlohmann/json is header-only and lives in /usr/include, which a cross compiler must not search
# as a whole: expose just its folder.
set(TRAXO_THIRD_PARTY_INCLUDE ${CMAKE_BINARY_DIR}/third-party-include)
file(MAKE_DIRECTORY ${TRAXO_THIRD_PARTY_INCLUDE})
if(NOT EXISTS ${TRAXO_THIRD_PARTY_INCLUDE}/nlohmann)
    file(CREATE_LINK /usr/include/nlohmann ${TRAXO_THIRD_PARTY_INCLUDE}/nlohmann SYMBOLIC)
endif()
add_library(traxo_json INTERFACE)
target_include_directories(traxo_json SYSTEM INTERFACE ${TRAXO_THIRD_PARTY_INCLUDE})

# Windows programs of the 64-bit build run under Wine, in a prefix inside the build tree.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run.sh ${CMAKE_BINARY_DIR}/wineprefix)
endif()
