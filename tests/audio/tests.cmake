# Through a real sound server: a private PulseAudio daemon with a null sink.
# The tests fail (never skip) when the daemon cannot start.
add_executable(pulse_e2e ${CMAKE_CURRENT_SOURCE_DIR}/audio/e2e/pulse_e2e.cpp)
target_link_libraries(pulse_e2e PRIVATE zvk_audio zvk_testsupport GTest::gtest)
target_compile_definitions(pulse_e2e PRIVATE
  ZVK_PULSE_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/audio/e2e/pulse_daemon.sh")
set(ZVK_E2E_ENV "QT_QPA_PLATFORM=offscreen")
if(ZVK_SANITIZE)
  # ALSA's plugins and libpulse keep allocations past Pa_Terminate (they are
  # unloaded by then, so no suppression can name them); our own code's leaks
  # are checked by the loopback tests.
  list(APPEND ZVK_E2E_ENV "ASAN_OPTIONS=detect_leaks=0")
endif()
foreach(case IN ITEMS
    "tone-through-null-sink:PulseE2E.ToneReachesTheFirstValueOfEachFrameWithinTwoSeconds"
    "cpu-of-sound-threads:PulseE2E.CpuOfTheSoundThreads"
    "devices-listed-and-chosen:PulseE2E.DevicesListedAndChosenByName"
    "play-to-capture-latency:PulseE2E.PlayToCaptureLatency"
    "server-killed-and-back:PulseE2E.ServerKilledWhileRunningClosesTheStreamsAndCaptureComesBack")
  string(REPLACE ":" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 filter)
  add_test(NAME audio-e2e.${name} COMMAND pulse_e2e --gtest_filter=${filter})
  set_tests_properties(audio-e2e.${name} PROPERTIES
    LABELS "audio-e2e"
    TIMEOUT 120
    RUN_SERIAL TRUE
    ENVIRONMENT "${ZVK_E2E_ENV}")
endforeach()
