# The WebAssembly build against the native one: the ten recorded sessions and
# a few games of the restless hand, played by `klumpix --headless` and by
# `make web`'s Node.js program, must give the same bytes. Included from the
# top level; without node or the web build the test is reported as skipped.
# `make web-agree` runs the long version.

# The restless hand's games as input scripts, made natively.
add_executable(klumpix_hand_scripts ${CMAKE_CURRENT_LIST_DIR}/hand_scripts.cpp)
target_include_directories(klumpix_hand_scripts PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(klumpix_hand_scripts PRIVATE klumpix_app)

if(NOT KLUMPIX_WITH_PLATFORM)
  message(STATUS "klumpix: web agreement test skipped: the game executable is not built")
  return()
endif()
set(KLUMPIX_WEB_SITE ${CMAKE_SOURCE_DIR}/build-web/site CACHE PATH "The page's folder, as make web builds it")
get_filename_component(KLUMPIX_WEB_BUILD_DIR ${KLUMPIX_WEB_SITE} DIRECTORY)
find_program(KLUMPIX_NODE node)
add_test(NAME web_agree
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/agree.sh ${KLUMPIX_NODE} ${KLUMPIX_WEB_BUILD_DIR}/klumpix_node.js
          $<TARGET_FILE:klumpix> ${KLUMPIX_RES_DIR} $<TARGET_FILE:klumpix_hand_scripts>
          --replays ${CMAKE_SOURCE_DIR}/tests/replay --hand 6 5000)
set_tests_properties(web_agree PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
