# kelvane_add_test(<name> SOURCES <files...> LIBS <targets...> [WIDGETS | EVENTS] [WHOLE])
# One GoogleTest executable per unit. WIDGETS tests get a main() that creates a
# QApplication and run on the offscreen platform; EVENTS tests get one with a
# QCoreApplication (core code with an event loop); the others use gtest's main.
# Each test case is a CTest test of its own, unless WHOLE makes the executable
# one CTest test (many small parameterised cases with a summary at the end).
function(kelvane_add_test name)
  cmake_parse_arguments(ARG "WIDGETS;EVENTS;WHOLE" "" "SOURCES;LIBS" ${ARGN})
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
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
    return()
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300
    DISCOVERY_MODE PRE_TEST)
endfunction()
