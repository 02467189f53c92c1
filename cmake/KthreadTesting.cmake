# One place that registers tests, so every test gets the same environment.
find_package(GTest REQUIRED)

# kthread_add_gtest(NAME SOURCES ... LIBS ...): a GoogleTest executable registered with ctest.
function(kthread_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  # Shared test helpers are included as "support/...".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# kthread_add_qt_test(NAME SOURCES ... LIBS ...): a Qt Test executable, run offscreen once under a
# "." and once under a "," decimal locale.
function(kthread_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  foreach(variant IN ITEMS "point;en_US.UTF-8" "comma;de_DE.UTF-8")
    list(GET variant 0 suffix)
    list(GET variant 1 loc)
    add_test(NAME ${name}.${suffix} COMMAND ${name})
    set_tests_properties(${name}.${suffix} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;LC_ALL=${loc};LANG=${loc};LANGUAGE=")
  endforeach()
endfunction()
