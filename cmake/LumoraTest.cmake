# lumora_add_test(<name> LABEL <area> [SERIAL_TIMEOUTS] [TIMEOUT <seconds>] SOURCES <files...> [LIBS <targets...>])
# One Qt Test program, run by ctest on the offscreen platform in a fresh application directory.
# SERIAL_TIMEOUTS marks a program whose time goes mostly to waiting out the timeouts of silent lines: it is
# labelled serial-timeouts, which the sanitizer pass leaves out (ctest -LE serial-timeouts), and starts first.
# Programs given a long TIMEOUT start before the others, so that the run does not end waiting on one of them.
function(lumora_add_test name)
  cmake_parse_arguments(T "SERIAL_TIMEOUTS" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE lumora_test_support Qt5::Test ${T_LIBS})
  # Qt's headers, precompiled once for all test programs with or without widgets.
  if(lumora_ui IN_LIST T_LIBS)
    target_precompile_headers(${name} REUSE_FROM lumora_widget_test_headers)
  else()
    target_precompile_headers(${name} REUSE_FROM lumora_test_support)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT ${T_TIMEOUT}
    COST ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
  if(T_SERIAL_TIMEOUTS)
    set_property(TEST ${name} APPEND PROPERTY LABELS serial-timeouts)
    set_tests_properties(${name} PROPERTIES COST 1000)
  endif()
endfunction()
