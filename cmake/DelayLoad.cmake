# plux_delay_load(<target> <dll base names>...): the target loads these DLLs at their first call instead
# of at start-up. MSVC does it with /DELAYLOAD. MinGW's linker has no such switch, but dlltool builds
# delay-import libraries; they are made from the export lists of the regular import libraries and put
# in a folder the target searches first, so "-luser32" finds the delayed one for this target only.
function(plux_delay_load target)
    if(MSVC)
        foreach(name IN LISTS ARGN)
            if(name STREQUAL "winspool")
                target_link_options(${target} PRIVATE /DELAYLOAD:winspool.drv)
            else()
                target_link_options(${target} PRIVATE /DELAYLOAD:${name}.dll)
            endif()
        endforeach()
        target_link_libraries(${target} PRIVATE delayimp)
        return()
    endif()
    if(NOT MINGW)
        return()
    endif()
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}-delayed)
    set(outputs)
    foreach(name IN LISTS ARGN)
        find_library(PLUX_IMPORT_LIB_${name} NAMES ${name} REQUIRED)
        set(output ${folder}/lib${name}.a)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
                    -DIMPORT_LIB=${PLUX_IMPORT_LIB_${name}} -DOUTPUT=${output}
                    -P ${PROJECT_SOURCE_DIR}/cmake/MakeDelayLib.cmake
            DEPENDS ${PLUX_IMPORT_LIB_${name}} ${PROJECT_SOURCE_DIR}/cmake/MakeDelayLib.cmake
            COMMENT "Delay-import library for ${name}")
        list(APPEND outputs ${output})
    endforeach()
    add_custom_target(${target}_delay_libs DEPENDS ${outputs})
    add_dependencies(${target} ${target}_delay_libs)
    target_link_directories(${target} BEFORE PRIVATE ${folder})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${outputs})
endfunction()
