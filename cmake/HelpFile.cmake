# The help files, compiled at build time from the HTML help pages in help/ with chmcmd
# (Debian's fp-utils), one per project help/<name>.hhp: setup.chm (English, German, Finnish),
# setup_pl.chm, setup_ru.chm and setup_zh.chm; each holds the languages of one code page
# (cmake/CompileHelp.cmake says why). The demo installation gets them in \taviro\hilfen,
# where Help and F1 find them.
#
# Sets TAVIRO_HELP_FILES to the compiled files.
find_program(TAVIRO_CHMCMD chmcmd REQUIRED)
find_program(TAVIRO_ICONV iconv REQUIRED)

file(GLOB_RECURSE TAVIRO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
file(GLOB TAVIRO_HELP_PROJECTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.hhp)
set(TAVIRO_HELP_FILES "")
foreach(project_file IN LISTS TAVIRO_HELP_PROJECTS)
  get_filename_component(project ${project_file} NAME_WE)
  set(help_file ${CMAKE_BINARY_DIR}/help/${project}.chm)
  add_custom_command(OUTPUT ${help_file}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/help -DPROJECT=${project}
            -DSTAGE=${CMAKE_BINARY_DIR}/help/${project} -DOUTPUT=${help_file} -DCHMCMD=${TAVIRO_CHMCMD}
            -DICONV=${TAVIRO_ICONV} -P ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
    DEPENDS ${TAVIRO_HELP_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
    COMMENT "Compiling the help file ${project}.chm")
  list(APPEND TAVIRO_HELP_FILES ${help_file})
endforeach()
add_custom_target(help_file ALL DEPENDS ${TAVIRO_HELP_FILES})
