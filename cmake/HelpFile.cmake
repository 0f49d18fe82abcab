# The help file setup.chm, compiled at build time from the HTML help pages in help/ with
# chmcmd (Debian's fp-utils). The demo installation gets it in \taviro\hilfen, where the
# Help button of the main dialog finds it.
#
# Sets TAVIRO_HELP_FILE to the compiled file.
find_program(TAVIRO_CHMCMD chmcmd REQUIRED)
find_program(TAVIRO_ICONV iconv REQUIRED)

file(GLOB_RECURSE TAVIRO_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(TAVIRO_HELP_FILE ${CMAKE_BINARY_DIR}/help/setup.chm)
add_custom_command(OUTPUT ${TAVIRO_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/help -DSTAGE=${CMAKE_BINARY_DIR}/help/pages
          -DOUTPUT=${TAVIRO_HELP_FILE} -DCHMCMD=${TAVIRO_CHMCMD} -DICONV=${TAVIRO_ICONV}
          -P ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
  DEPENDS ${TAVIRO_HELP_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
  COMMENT "Compiling the help file setup.chm")
add_custom_target(help_file ALL DEPENDS ${TAVIRO_HELP_FILE})
