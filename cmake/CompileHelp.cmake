# Compiles the help pages into setup.chm (run as a script by the rule in HelpFile.cmake):
#   cmake -DSOURCE=help -DSTAGE=folder -DOUTPUT=setup.chm -DCHMCMD=chmcmd -DICONV=iconv -P ...
#
# The pages are written in UTF-8. The help viewer reads the contents, the index and the
# full-text search in the help file's ANSI code page, Windows-1252 for English and German, so
# the pages, the contents and the index are laid out in that code page first (and say so in
# their charset). A page or picture that a link names but that is missing fails the build, as
# does a character that Windows-1252 cannot hold.
foreach(variable SOURCE STAGE OUTPUT CHMCMD ICONV)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "CompileHelp.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
  get_filename_component(folder ${STAGE}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  if(file MATCHES "\\.(html|hhc|hhk)$")
    file(READ ${SOURCE}/${file} text)
    string(REPLACE "charset=utf-8" "charset=windows-1252" text "${text}")
    file(WRITE ${STAGE}/${file}.utf-8 "${text}")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t WINDOWS-1252 ${STAGE}/${file}.utf-8
                    OUTPUT_FILE ${STAGE}/${file} ERROR_VARIABLE error RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "help/${file}: not convertible to Windows-1252: ${error}")
    endif()
    file(REMOVE ${STAGE}/${file}.utf-8)
  else()
    file(COPY_FILE ${SOURCE}/${file} ${STAGE}/${file})
  endif()
endforeach()

execute_process(COMMAND ${CHMCMD} --verbosity 0 setup.hhp WORKING_DIRECTORY ${STAGE}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)" OR NOT EXISTS ${STAGE}/setup.chm)
  message(FATAL_ERROR "chmcmd could not compile the help pages:\n${output}")
endif()
file(COPY_FILE ${STAGE}/setup.chm ${OUTPUT})
