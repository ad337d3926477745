# Tests of the real game executable: a played window on a virtual X server,
# and an installation into a scratch prefix. Included from the top level.
if(NOT KLUMPIX_WITH_PLATFORM)
  message(STATUS "klumpix: window and install tests skipped: the game executable is not built")
  return()
endif()

add_test(NAME install
  COMMAND ${CMAKE_SOURCE_DIR}/tests/window/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install PROPERTIES TIMEOUT 60)

find_program(KLUMPIX_XVFB Xvfb)
find_program(KLUMPIX_XDOTOOL xdotool)
find_program(KLUMPIX_XWM matchbox-window-manager)
if(KLUMPIX_XVFB AND KLUMPIX_XDOTOOL AND KLUMPIX_XWM)
  add_test(NAME real_window
    COMMAND ${CMAKE_SOURCE_DIR}/tools/window_test.sh $<TARGET_FILE:klumpix> ${KLUMPIX_RES_DIR})
  set_tests_properties(real_window PROPERTIES TIMEOUT 90 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
  add_test(NAME watch_window
    COMMAND ${CMAKE_SOURCE_DIR}/tools/watch_window_test.sh $<TARGET_FILE:klumpix> ${KLUMPIX_RES_DIR}
            ${CMAKE_SOURCE_DIR}/tests/replay)
  set_tests_properties(watch_window PROPERTIES TIMEOUT 90 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
else()
  message(STATUS "klumpix: real_window test skipped: needs Xvfb, xdotool and "
                 "matchbox-window-manager (make setup installs them)")
endif()
