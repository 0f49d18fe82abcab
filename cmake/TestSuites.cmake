# Registers one CTest test per GoogleTest suite of a Windows test program. Starting a
# program under Wine costs about a second, so a test per suite, rather than per case, keeps
# the run short while a failure still names its suite. The suites are read from the test
# sources at configure time, so the build never has to run Wine.
#
#   add_test_suites(TARGET exe SOURCES files... [PREFIX text] [PROPERTIES ...])
# Suites whose names end in _de, _fi, _pl, _ru or _zh run with that user interface language.
function(add_test_suites)
  cmake_parse_arguments(ARG "" "TARGET;PREFIX" "SOURCES;PROPERTIES" ${ARGN})
  set(suites "")
  foreach(source IN LISTS ARG_SOURCES)
    file(STRINGS ${source} lines REGEX "^[ \t]*(TEST|TEST_F|TEST_P|TYPED_TEST)\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*[A-Z_]+\\(([A-Za-z0-9_]+),.*" "\\1" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  list(SORT suites)
  foreach(suite IN LISTS suites)
    set(name ${ARG_PREFIX}${suite})
    add_test(NAME ${name} COMMAND ${ARG_TARGET} --gtest_filter=${suite}.* --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|0 tests from 0 test suites" ${ARG_PROPERTIES})
    # The user interface language of a suite follows its name's ending.
    foreach(language de_DE fi_FI pl_PL ru_RU zh_CN)
      string(SUBSTRING ${language} 0 2 ending)
      if(suite MATCHES "_${ending}$")
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "TAVIRO_LANG=${language}.UTF-8")
      endif()
    endforeach()
  endforeach()
endfunction()
