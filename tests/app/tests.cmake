# Whole-program runs: the dump after a short run, a screenshot, bad options.
add_test(NAME program.dump_state
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:zvukoskop> -DWORK=${CMAKE_CURRENT_BINARY_DIR}/program
          -P ${CMAKE_CURRENT_SOURCE_DIR}/app/check_program.cmake)
set_tests_properties(program.dump_state PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "app;program" TIMEOUT 120)
