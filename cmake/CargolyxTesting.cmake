# cargolyx_add_test(NAME SOURCES... [LIBS ...] [QT] [DISPLAY])
# Adds a GoogleTest executable and registers it with CTest.
#   QT       the test runs inside a QApplication (tests/support/qt_test_main.cpp)
#   DISPLAY  the test needs an X display: scripts/test runs those under xvfb-run
find_package(GTest REQUIRED)

function(cargolyx_add_test name)
  cmake_parse_arguments(ARG "DISPLAY;QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  if(ARG_QT)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} cargolyx_view3d Qt6::Widgets GTest::gtest)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CARGOLYX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    CARGOLYX_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples"
    CARGOLYX_PROGRAM_DIR="${CARGOLYX_PROGRAM_DIR}")
  # The sanitizer builds run many times slower: their heavy searches take a smaller effort
  # budget (tests/support/testeffort.h).
  if(CARGOLYX_SANITIZE OR CARGOLYX_TSAN)
    target_compile_definitions(${name} PRIVATE CARGOLYX_SANITIZED_TESTS)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_DISPLAY)
    set_tests_properties(${name} PROPERTIES LABELS display)
  else()
    set_tests_properties(${name} PROPERTIES LABELS headless)
    if(ARG_QT)
      set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
  endif()
endfunction()
