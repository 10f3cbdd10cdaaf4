# traxo_collect_sources(<var> PORTABLE|WINDOWS <folder>...)
# Lists the .cpp files of the given folders of the source tree: the portable ones, or the
# Windows-only ones (named *_win.cpp), so that a new unit needs no edit here.
get_filename_component(TRAXO_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(TRAXO_CORE_FOLDERS app capture recognition sets actions ui controls platform)

function(traxo_collect_sources var kind)
    set(result "")
    foreach(folder IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS ${TRAXO_ROOT}/${folder}/*.cpp)
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
