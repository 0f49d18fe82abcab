# Compiles one help file from its project in help/ (run as a script by the rules in
# HelpFile.cmake):
#   cmake -DSOURCE=help -DPROJECT=setup_pl -DSTAGE=folder -DOUTPUT=setup_pl.chm -DCHMCMD=chmcmd -DICONV=iconv -P ...
#
# The pages are written in UTF-8. A compiled help file has one locale, and the help viewer
# reads its contents, its index, its window title and its full-text search in that locale's
# ANSI code page; so a help file holds the languages of one code page: setup.chm English,
# German and Finnish (Windows-1252), setup_pl.chm Polish (Windows-1250), setup_ru.chm Russian
# (Windows-1251), setup_zh.chm Chinese (936, GBK). The pages of each language folder that the
# project lists, and the contents and index it names, are laid out in that code page first
# (and say so in their charset). A page or picture that a link names but that is missing fails
# the build, as does a character that the code page cannot hold, or a project whose languages
# need different code pages.
foreach(variable SOURCE PROJECT STAGE OUTPUT CHMCMD ICONV)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "CompileHelp.cmake needs -D${variable}=...")
  endif()
endforeach()

# The code page of each language folder: iconv's name, then the name the pages give in their charset.
set(code_page_en WINDOWS-1252 windows-1252)
set(code_page_de WINDOWS-1252 windows-1252)
set(code_page_fi WINDOWS-1252 windows-1252)
set(code_page_pl WINDOWS-1250 windows-1250)
set(code_page_ru WINDOWS-1251 windows-1251)
set(code_page_zh CP936 gb2312)

# Writes source file (relative to SOURCE) into the stage in the code page, its charset named.
function(convert file code_page)
  list(GET code_page 0 encoding)
  list(GET code_page 1 charset)
  get_filename_component(folder ${STAGE}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(READ ${SOURCE}/${file} text)
  string(REPLACE "charset=utf-8" "charset=${charset}" text "${text}")
  file(WRITE ${STAGE}/${file}.utf-8 "${text}")
  execute_process(COMMAND ${ICONV} -f UTF-8 -t ${encoding} ${STAGE}/${file}.utf-8
                  OUTPUT_FILE ${STAGE}/${file} ERROR_VARIABLE error RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "help/${file}: not convertible to ${encoding}: ${error}")
  endif()
  file(REMOVE ${STAGE}/${file}.utf-8)
endfunction()

# The languages of the project: the folders of the pages its [FILES] section lists.
file(STRINGS ${SOURCE}/${PROJECT}.hhp listed REGEX "^[a-z][a-z]/[^/]+\\.html$")
set(languages "")
foreach(page IN LISTS listed)
  string(SUBSTRING ${page} 0 2 language)
  list(APPEND languages ${language})
endforeach()
list(REMOVE_DUPLICATES languages)
if(NOT languages)
  message(FATAL_ERROR "help/${PROJECT}.hhp lists no pages")
endif()
set(project_code_page "")
foreach(language IN LISTS languages)
  if(NOT DEFINED code_page_${language})
    message(FATAL_ERROR "help/${PROJECT}.hhp: no code page is known for the language folder ${language}")
  endif()
  if(project_code_page AND NOT project_code_page STREQUAL "${code_page_${language}}")
    message(FATAL_ERROR "help/${PROJECT}.hhp: its languages ${languages} need different code pages")
  endif()
  set(project_code_page "${code_page_${language}}")
endforeach()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${SOURCE}/${PROJECT}.hhp ${STAGE}/${PROJECT}.hhp)
# Its contents and index, named in the project.
file(STRINGS ${SOURCE}/${PROJECT}.hhp navigation REGEX "^(Contents|Index) file=")
foreach(line IN LISTS navigation)
  string(REGEX REPLACE "^[A-Za-z]+ file=" "" name "${line}")
  convert(${name} "${project_code_page}")
endforeach()
file(COPY ${SOURCE}/taviro.css ${SOURCE}/images DESTINATION ${STAGE})
foreach(language IN LISTS languages)
  file(GLOB_RECURSE pages RELATIVE ${SOURCE} ${SOURCE}/${language}/*)
  foreach(page IN LISTS pages)
    convert(${page} "${project_code_page}")
  endforeach()
endforeach()

execute_process(COMMAND ${CHMCMD} --verbosity 0 ${PROJECT}.hhp WORKING_DIRECTORY ${STAGE}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR output MATCHES "(Warning|Error)" OR NOT EXISTS ${STAGE}/${PROJECT}.chm)
  message(FATAL_ERROR "chmcmd could not compile help/${PROJECT}.hhp:\n${output}")
endif()
file(COPY_FILE ${STAGE}/${PROJECT}.chm ${OUTPUT})
