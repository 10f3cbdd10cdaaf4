# The fuzz targets of tests/fuzz, built by clang as a project of their own beside this g++ tree,
# and each run for a short, bounded time as a test.
include(ExternalProject)
find_program(TRAXO_CLANGXX NAMES clang++ clang++-14)
set(TRAXO_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz test runs")

if(NOT TRAXO_CLANGXX)
    message(WARNING "clang++ not found: the fuzz targets are not built")
    return()
endif()

set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)
# The compiler cache reaches the fuzz tree too; its words travel "|"-separated.
string(REPLACE ";" "|" fuzz_launcher "${CMAKE_CXX_COMPILER_LAUNCHER}")
ExternalProject_Add(traxo_fuzzers
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz
    BINARY_DIR ${fuzz_binary_dir}
    CMAKE_ARGS -G Ninja -DCMAKE_CXX_COMPILER=${TRAXO_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
        "-DCMAKE_CXX_COMPILER_LAUNCHER=${fuzz_launcher}"
        -DTRAXO_GENERATED_INCLUDE=${TRAXO_GENERATED_INCLUDE}
    LIST_SEPARATOR |
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)

file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source IN LISTS fuzz_sources)
    get_filename_component(name ${source} NAME_WE)
    # New inputs go to the corpus in the build tree; the kept seeds are only read.
    set(corpus ${fuzz_binary_dir}/${name}-corpus)
    file(MAKE_DIRECTORY ${corpus})
    set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds/${name})
    if(NOT EXISTS ${seeds})
        set(seeds "")
    endif()
    add_test(NAME ${name}
        COMMAND ${fuzz_binary_dir}/${name} -max_total_time=${TRAXO_FUZZ_SECONDS} -max_len=32768
                -rss_limit_mb=4096 -timeout=20 -print_final_stats=0 ${corpus} ${seeds})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 LABELS fuzz)
endforeach()
