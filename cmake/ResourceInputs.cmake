# windres leaves no dependency file, so the build cannot see what a resource script includes: an
# incremental build would keep an old resource object after a glyph changed. plux_resource_inputs(<rc>...)
# makes the inputs of the program's resource scripts (the scripts they include, Resources.h, and every
# file in src/app/res) dependencies of the given scripts' objects, in the calling directory's targets.
function(plux_resource_inputs)
    set(app ${PROJECT_SOURCE_DIR}/src/app)
    file(GLOB inputs CONFIGURE_DEPENDS ${app}/*.rc ${app}/Resources.h ${app}/res/*)
    set_source_files_properties(${ARGN} PROPERTIES OBJECT_DEPENDS "${inputs}")
endfunction()
