# The page in a real browser: headless Chromium driven by puppeteer-core, the
# replay checked against the native game. Included from the top level; needs
# `make web` (the page) and `make setup-web` (chromium, node, npm packages).
# Without them the test is reported as skipped, and says what is missing.
if(NOT KLUMPIX_WITH_PLATFORM)
  message(STATUS "klumpix: browser test skipped: the game executable is not built")
  return()
endif()

set(KLUMPIX_WEB_SITE ${CMAKE_SOURCE_DIR}/build-web/site CACHE PATH "The page's folder, as make web builds it")
find_program(KLUMPIX_CHROMIUM chromium)
find_program(KLUMPIX_NODE node)
if(NOT KLUMPIX_CHROMIUM OR NOT KLUMPIX_NODE)
  message(STATUS "klumpix: browser test will be skipped: chromium or node missing (make test installs them)")
endif()
add_test(NAME browser
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_browser_test.sh browser_test.mjs ${KLUMPIX_NODE}
          ${KLUMPIX_CHROMIUM} ${KLUMPIX_WEB_SITE} $<TARGET_FILE:klumpix>)
set_tests_properties(browser PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
