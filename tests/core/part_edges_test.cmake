# Holds the edges declared in src/core/part_edges.cmake to the #include lines of each part:
# a part's headers may include only the parts it links PUBLIC, and every part it links so
# must be included by one of them (else it belongs PRIVATE); its sources may include those
# and the parts it links PRIVATE, each of which only its sources include.
# Run as: cmake -DVELMORA_SOURCE_DIR=<checkout> -P part_edges_test.cmake
cmake_minimum_required(VERSION 3.25)
include(${VELMORA_SOURCE_DIR}/src/core/part_edges.cmake)

# The parts named by the #include lines of the files, as library names, the part itself left out.
function(included_parts out part)
    set(found "")
    foreach(file IN LISTS ARGN)
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([a-z_]+)/.*" "\\1" name "${line}")
            if(name IN_LIST core_parts AND NOT name STREQUAL part)
                list(APPEND found velmora_${name})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES found)
    list(SORT found)
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(faults "")
foreach(part IN LISTS core_parts)
    set(dir ${VELMORA_SOURCE_DIR}/src/core/${part})
    file(GLOB_RECURSE headers ${dir}/*.h)
    file(GLOB_RECURSE sources ${dir}/*.cpp)
    included_parts(from_headers ${part} ${headers})
    included_parts(from_sources ${part} ${sources})
    list(REMOVE_ITEM from_sources ${from_headers})

    set(declared_public "${deps_${part}}")
    set(declared_private "${uses_${part}}")
    list(SORT declared_public)
    list(SORT declared_private)
    if(NOT "${from_headers}" STREQUAL "${declared_public}")
        string(APPEND faults "\n  ${part}: its headers include [${from_headers}], "
                             "deps_${part} (PUBLIC) names [${declared_public}]")
    endif()
    if(NOT "${from_sources}" STREQUAL "${declared_private}")
        string(APPEND faults "\n  ${part}: only its sources include [${from_sources}], "
                             "uses_${part} (PRIVATE) names [${declared_private}]")
    endif()
endforeach()

if(faults)
    message(FATAL_ERROR "The core's part edges do not match the #include lines:${faults}")
endif()
message(STATUS "The part edges of ${core_parts} match their #include lines")
