# Registers the GoogleTest suites of a Windows test program as CTest tests, the suites of one
# test folder and one user interface language to a test. Starting a program under Wine costs
# about a second, so suites that share a run keep the whole run short, while a failure still
# names its suite in the output. The suites are read from the test sources at configure time,
# so the build never has to run Wine.
#
#   add_test_suites(TARGET exe SOURCES files... [PREFIX text] [NAME name] [PROPERTIES ...])
#
# A test is named after its folder below tests/ ("folders", "plotter"), with the language
# after it for the suites whose names end in _de, _fi, _pl, _ru or _zh ("plotter_de"); those
# run with that user interface language. Each test takes one of the Wine lanes (the resource
# "lanes", see lanes.json): a prefix of its own with its own drives, so that tests of two
# lanes run side by side (scripts/wine-run). With NAME, every suite runs in one test of that
# name.
function(add_test_suites)
  cmake_parse_arguments(ARG "" "TARGET;PREFIX;NAME" "SOURCES;PROPERTIES" ${ARGN})
  set(groups "")
  foreach(source IN LISTS ARG_SOURCES)
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/tests ${source})
    string(REGEX REPLACE "/.*" "" folder "${relative}")
    if(ARG_NAME)
      set(folder ${ARG_NAME})
    endif()
    file(STRINGS ${source} lines REGEX "^[ \t]*(TEST|TEST_F|TEST_P|TYPED_TEST)\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*[A-Z_]+\\(([A-Za-z0-9_]+),.*" "\\1" suite "${line}")
      set(group ${folder})
      foreach(language de fi pl ru zh)
        if(suite MATCHES "_${language}$")
          set(group ${folder}_${language})
        endif()
      endforeach()
      list(APPEND groups ${group})
      list(APPEND suites_${group} ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES groups)
  list(SORT groups)
  foreach(group IN LISTS groups)
    list(REMOVE_DUPLICATES suites_${group})
    list(SORT suites_${group})
    list(JOIN suites_${group} ".*:" filter)
    set(name ${ARG_PREFIX}${group})
    add_test(NAME ${name} COMMAND ${ARG_TARGET} --gtest_filter=${filter}.* --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|0 tests from 0 test suites"
                         RESOURCE_GROUPS "lanes:1" ${ARG_PROPERTIES})
    foreach(language de_DE fi_FI pl_PL ru_RU zh_CN)
      string(SUBSTRING ${language} 0 2 ending)
      if(group MATCHES "_${ending}$")
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "TAVIRO_LANG=${language}.UTF-8")
      endif()
    endforeach()
  endforeach()
endfunction()

# The lanes CTest hands out to the Windows tests (ctest --resource-spec-file).
set(TAVIRO_LANES 2 CACHE STRING "Wine prefixes the Windows tests run in side by side")
set(lanes "")
math(EXPR last_lane "${TAVIRO_LANES} - 1")
foreach(lane RANGE ${last_lane})
  list(APPEND lanes "{\"id\": \"${lane}\", \"slots\": 1}")
endforeach()
list(JOIN lanes ", " lanes)
file(WRITE ${CMAKE_BINARY_DIR}/lanes.json
     "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"lanes\": [${lanes}]}]}\n")
