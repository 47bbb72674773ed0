# cmake -DNM=... -DDLLTOOL=... -DIMPORT_LIB=<regular import library> -DOUTPUT=<delay library> -P MakeDelayLib.cmake
# Every function the import library imports (its "__imp_" symbols) goes into a .def file for the same
# DLL, from which dlltool builds the delay-import library.
execute_process(COMMAND ${DLLTOOL} --identify ${IMPORT_LIB} OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${NM} --defined-only ${IMPORT_LIB} OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[\r\n][0-9a-fA-F]+ I __imp_[^\r\n]+" imports "\n${symbols}")
set(def "LIBRARY ${dll}\nEXPORTS\n")
foreach(line IN LISTS imports)
    string(REGEX REPLACE ".* I __imp_" "" name "${line}")
    string(APPEND def "${name}\n")
endforeach()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${OUTPUT}.def "${def}")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUTPUT}.def --output-delaylib ${OUTPUT} --dllname ${dll}
    COMMAND_ERROR_IS_FATAL ANY)
