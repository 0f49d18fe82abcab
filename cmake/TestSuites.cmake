# Registers the GoogleTest suites of a Windows test program as CTest tests, the suites of one
# test folder and one user interface language to a test. Starting a program under Wine costs
# about a second, so suites that share a run keep the whole run short, while a failure still
# names its suite in the output. The suites are read from the test sources at configure time,
# so the build never has to run Wine.
#
#   add_test_suites(TARGET exe SOURCES files... [PREFIX text] [NAME name] [SIDE_LANE folders...]
#                   [PROPERTIES ...])
#
# A test is named after its folder below tests/ ("folders", "plotter"), with the language
# after it for the suites whose names end in _de, _fi, _pl, _ru or _zh ("plotter_de"); those
# run with that user interface language. Each test runs in one of two Wine lanes: a prefix of
# its own with its own drives (scripts/wine-env), so that tests of the two lanes run side by
# side while the tests of one lane take turns. The folders named in SIDE_LANE (the long crash
# tests) run in the second lane, all others in the first. With NAME, every suite runs in one
# test of that name.
function(add_test_suites)
  cmake_parse_arguments(ARG "" "TARGET;PREFIX;NAME" "SOURCES;SIDE_LANE;PROPERTIES" ${ARGN})
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
    set(lane 0)
    if(group IN_LIST ARG_SIDE_LANE)
      set(lane 1)
    endif()
    set(environment "TAVIRO_LANE=${lane}")
    foreach(language de_DE fi_FI pl_PL ru_RU zh_CN)
      string(SUBSTRING ${language} 0 2 ending)
      if(group MATCHES "_${ending}$")
        list(APPEND environment "TAVIRO_LANG=${language}.UTF-8")
      endif()
    endforeach()
    set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|0 tests from 0 test suites"
                         RESOURCE_LOCK wine_lane_${lane} ENVIRONMENT "${environment}" ${ARG_PROPERTIES})
  endforeach()
endfunction()
