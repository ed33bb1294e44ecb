# One static library per source folder. A folder's sources are found by glob, so a file dropped into
# a folder joins its library at the next build without a CMake edit; a folder without sources yet
# gives an interface library that only passes its dependencies on.

set(MCB_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# Files of src/<folder>, subfolders included; EXCLUDE takes regular expressions of paths to leave out.
function(mcb_folder_sources out folder)
    cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp
         ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
    foreach(pattern ${ARG_EXCLUDE})
        list(FILTER sources EXCLUDE REGEX "${pattern}")
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(mcb_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    if(ARG_SOURCES)
        add_library(${name} STATIC ${ARG_SOURCES})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src ${MCB_GENERATED_DIR})
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src ${MCB_GENERATED_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    endif()
endfunction()

# A core library: standard C++ and POSIX only, no window code (ui/ and platform/qt/ are left out).
# mcb_core_library(mcb_output output DEPENDS mcb_discs)
function(mcb_core_library name folder)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    mcb_folder_sources(sources ${folder} EXCLUDE "/src/${folder}/ui/" "/src/${folder}/qt/")
    mcb_library(${name} SOURCES ${sources} DEPENDS ${ARG_DEPENDS})
endfunction()

# A window library (Qt Widgets, with the meta-object compiler) over the given folder; EXCLUDE as above.
# mcb_ui_library(mcb_output_ui output/ui DEPENDS mcb_output mcb_discs_ui)
function(mcb_ui_library name folder)
    cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
    mcb_folder_sources(sources ${folder} EXCLUDE ${ARG_EXCLUDE})
    mcb_library(${name} SOURCES ${sources} DEPENDS ${ARG_DEPENDS})
    if(TARGET ${name} AND sources)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
endfunction()
