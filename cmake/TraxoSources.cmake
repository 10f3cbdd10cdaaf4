# The source folders, their layers and the libraries made of them.
get_filename_component(TRAXO_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# traxo_collect_sources(<var> PORTABLE|WINDOWS <folder>...)
# Lists the .cpp files of the given folders and their subfolders: the portable ones, or the
# Windows-only ones (named *_win.cpp), so that a new unit needs no edit here. A nested layer
# (app/entry) is left to its own folder.
function(traxo_collect_sources var kind)
    set(result "")
    foreach(folder IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${TRAXO_ROOT}/${folder}/*.cpp)
        foreach(entry IN LISTS TRAXO_LAYERS)
            string(REGEX REPLACE ":.*" "" nested ${entry})
            if(nested MATCHES "^${folder}/")
                list(FILTER found EXCLUDE REGEX "^${TRAXO_ROOT}/${nested}/")
            endif()
        endforeach()
        if(kind STREQUAL "WINDOWS")
            list(FILTER found INCLUDE REGEX "_win\\.cpp$")
        else()
            list(FILTER found EXCLUDE REGEX "_win\\.cpp$")
        endif()
        list(APPEND result ${found})
    endforeach()
    set(${var} ${result} PARENT_SCOPE)
endfunction()

# traxo_compile_alone_where_needed(<source>...)
# A file that brings an enum's names into its whole scope ("using enum" at namespace level) is
# compiled on its own: in a unity source those names would meet another file's.
function(traxo_compile_alone_where_needed)
    foreach(source IN LISTS ARGN)
        file(STRINGS ${source} widened REGEX "^using enum ")
        if(widened)
            set_source_files_properties(${source} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
        endif()
    endforeach()
endfunction()

# traxo_add_layer_check()
# The target traxo_layers: checks, whenever a source changes, that every include runs down the
# layers. Every layer's library waits for it.
function(traxo_add_layer_check)
    set(sources "")
    foreach(entry IN LISTS TRAXO_LAYERS)
        string(REGEX REPLACE ":.*" "" folder ${entry})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${TRAXO_ROOT}/${folder}/*.h
            ${TRAXO_ROOT}/${folder}/*.cpp ${TRAXO_ROOT}/${folder}/*.c)
        list(APPEND sources ${found})
    endforeach()
    set(stamp ${CMAKE_BINARY_DIR}/layers.checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DROOT=${TRAXO_ROOT} -DSTAMP=${stamp}
            -P ${TRAXO_ROOT}/cmake/CheckLayers.cmake
        DEPENDS ${sources} ${TRAXO_ROOT}/cmake/Layers.cmake ${TRAXO_ROOT}/cmake/CheckLayers.cmake
        COMMENT "Checking that includes run down the layers")
    add_custom_target(traxo_layers DEPENDS ${stamp})
endfunction()

# traxo_add_layer(<folder> <lower folder>...)
# The library traxo_<folder>: the folder's portable sources as unity sources, and in the Windows
# builds its *_win sources each on its own (they meet <windows.h>'s macros, such as DrawText, in
# different orders). It links the libraries of the given lower folders.
function(traxo_add_layer folder)
    traxo_collect_sources(portable PORTABLE ${folder})
    set(sources ${portable})
    if(WIN32)
        traxo_collect_sources(windows WINDOWS ${folder})
        set_source_files_properties(${windows} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
        list(APPEND sources ${windows})
    endif()
    add_library(traxo_${folder} STATIC ${sources})
    set_target_properties(traxo_${folder} PROPERTIES UNITY_BUILD ${TRAXO_UNITY})
    traxo_compile_alone_where_needed(${portable})
    foreach(lower IN LISTS ARGN)
        target_link_libraries(traxo_${folder} PUBLIC traxo_${lower})
    endforeach()
    add_dependencies(traxo_${folder} traxo_layers)
endfunction()
