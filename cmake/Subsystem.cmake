# One static library per subsystem folder. Sources are picked up by folder so that a new
# file needs no edit here:
#   <folder>/*.cpp            portable code, built in both builds
#   <folder>/win32/*.cpp      code on Win32, built for Windows only
#   <folder>/native/*.cpp     native stand-ins for the Win32 services (native build only)
function(schafkopf_subsystem name folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB portable CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(WIN32)
    file(GLOB specific CONFIGURE_DEPENDS ${folder}/win32/*.cpp)
  else()
    file(GLOB specific CONFIGURE_DEPENDS ${folder}/native/*.cpp)
  endif()
  set(sources ${portable} ${specific})
  if(NOT sources)
    # A subsystem not written yet is still a library, so that the program links every
    # subsystem the same way.
    set(sources ${CMAKE_BINARY_DIR}/empty/${name}.cpp)
    file(WRITE ${sources} "")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# One test program per test folder; CTest runs every test case through Wine (or natively),
# each with a time limit so that a hung child fails the run instead of stalling it. On a busy
# machine a Wine process may stand still for a minute and a half before or after a test that
# takes seconds, so the limit leaves room for that.
function(schafkopf_test_program name folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  # Tests whose names hold "RealInput" move the real pointer or press its buttons: they run
  # alone, so that no window of a test beside them takes the input. Tests whose names hold
  # "AudioOff" run in a process with Wine's audio switched off (schafkopf_audio_off_tests).
  set(real_input "*RealInput*")
  set(audio_off "*AudioOff*")
  file(GLOB portable CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(WIN32)
    file(GLOB specific CONFIGURE_DEPENDS ${folder}/win32/*.cpp)
  else()
    set(specific)
  endif()
  if(NOT portable AND NOT specific)
    return()  # a test folder not written yet
  endif()
  add_executable(${name} ${portable} ${specific})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gmock gtest)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  if(WIN32)
    target_link_libraries(${name} PRIVATE schafkopf_resources)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 300
    TEST_FILTER "-${real_input}:${audio_off}"
    PROPERTIES TIMEOUT 300)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 300
    TEST_FILTER "${real_input}-${audio_off}"
    PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endfunction()

# The tests of a Windows test program whose names hold "AudioOff", as one CTest run in a copy of
# the Wine prefix with an empty audio driver list (tools/run_without_audio.py): Wine reads the
# driver list from the prefix's registry, which the tests beside them share. It passes only when
# at least one of them ran and none failed.
function(schafkopf_audio_off_tests name)
  add_test(NAME ${name}.AudioOff
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/run_without_audio.py
      --wine ${CMAKE_CROSSCOMPILING_EMULATOR}
      --work ${CMAKE_BINARY_DIR}/audio-off/${name}
      -- $<TARGET_FILE:${name}> --gtest_filter=*AudioOff*)
  set_tests_properties(${name}.AudioOff PROPERTIES TIMEOUT 300
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9]"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()
