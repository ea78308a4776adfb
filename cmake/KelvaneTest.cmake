# kelvane_add_test(<name> SOURCES <files...> LIBS <targets...> [WIDGETS | EVENTS] [WHOLE [SHARDS <n>]])
# One GoogleTest executable per unit. WIDGETS tests get a main() that creates a
# QApplication and run on the offscreen platform; EVENTS tests get one with a
# QCoreApplication (core code with an event loop); the others use gtest's main.
# Each test case is a CTest test of its own, unless WHOLE makes the executable
# one CTest test (many small parameterised cases with a summary at the end); SHARDS splits such a
# long one into n CTest tests of every n-th case (GoogleTest's sharding), started before the others
# so the two cores share it rather than one running it alone at the end.
function(kelvane_add_test name)
  cmake_parse_arguments(ARG "WIDGETS;EVENTS;WHOLE" "SHARDS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    set(test_main kelvane_widget_test_main)
    kelvane_use_pch(kelvane_pch_widget_tests ${name})
  else()
    if(ARG_EVENTS)
      set(test_main kelvane_core_test_main)
    else()
      set(test_main GTest::gtest_main)
    endif()
    kelvane_use_pch(kelvane_pch_tests ${name})
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} kelvane_test_support ${test_main} GTest::gtest GTest::gmock
    kelvane_test_code)
  if(ARG_WHOLE)
    if(NOT ARG_SHARDS)
      set(ARG_SHARDS 1)
    endif()
    math(EXPR last "${ARG_SHARDS} - 1")
    foreach(shard RANGE ${last})
      add_test(NAME ${name}/${shard} COMMAND ${name})
      set_tests_properties(${name}/${shard} PROPERTIES COST 1000 TIMEOUT 600 ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${shard}")
    endforeach()
    return()
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300
    DISCOVERY_MODE PRE_TEST)
endfunction()
