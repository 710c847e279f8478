# Runs the program as a user would and checks what it leaves behind.
file(MAKE_DIRECTORY ${WORK})

function(expect json path expected)
  string(JSON got ERROR_VARIABLE err GET "${json}" ${path})
  if(err)
    message(SEND_ERROR "${path}: ${err}")
  elseif(NOT "${got}" STREQUAL "${expected}")
    message(SEND_ERROR "${path}: expected '${expected}', got '${got}'")
  endif()
endfunction()

# A short normal run on the built-in loopback, state written after closing.
execute_process(COMMAND ${PROGRAM} --audio loopback --run-for 2 --dump-state ${WORK}/s.json
  RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "program run failed: ${rc}")
endif()
file(READ ${WORK}/s.json json)
expect("${json}" "window;client;width" 794)
expect("${json}" "window;client;height" 526)
expect("${json}" "controls;Edit13;text" 514)
expect("${json}" "controls;Edit14;text" " 100")
expect("${json}" "controls;Button3;caption" "jednorázové")
expect("${json}" "controls;ComboBox1;itemIndex" 0)
expect("${json}" "controls;ComboBox8;itemIndex" 1)
expect("${json}" "controls;ScrollBar5;position" 100)
expect("${json}" "controls;ScrollBar4;position" 9000)
expect("${json}" "controls;Panel13;top" 498)
expect("${json}" "controls;Panel410;top" 472)
expect("${json}" "controls;Panel110;visible" OFF)
expect("${json}" "controls;Panel14;visible" OFF)
expect("${json}" "controls;Timer1;enabled" OFF)
expect("${json}" "state;gen1Amplitude" 9000)

# A screenshot of the running window.
execute_process(COMMAND ${PROGRAM} --audio loopback --screenshot ${WORK}/shot.png --after 1
  RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/shot.png)
  message(FATAL_ERROR "screenshot run failed: ${rc}")
endif()
file(READ ${WORK}/shot.png magic LIMIT 4 HEX)
if(NOT magic STREQUAL "89504e47")
  message(SEND_ERROR "screenshot is not a PNG")
endif()

# Unknown options and bad values: a message and exit status 2.
foreach(args "--nonsense" "--audio;alsa" "--run-for;x" "--screenshot;a.png")
  execute_process(COMMAND ${PROGRAM} ${args} RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL 2 OR err STREQUAL "")
    message(SEND_ERROR "'${args}': expected exit 2 with a message, got ${rc}")
  endif()
endforeach()
