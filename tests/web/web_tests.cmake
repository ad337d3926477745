# The page in a real browser: headless Chromium driven by puppeteer-core, the
# replay checked against the native game. Included from the top level; needs
# `make web` (the page) and `make setup-web` (chromium, node, npm packages).
if(NOT KLUMPIX_WITH_PLATFORM)
  message(STATUS "klumpix: browser test skipped: the game executable is not built")
  return()
endif()

set(KLUMPIX_WEB_SITE ${CMAKE_SOURCE_DIR}/build-web/site CACHE PATH "The page's folder, as make web builds it")
find_program(KLUMPIX_CHROMIUM chromium)
find_program(KLUMPIX_NODE node)
set(KLUMPIX_PUPPETEER ${CMAKE_CURRENT_LIST_DIR}/node_modules/puppeteer-core)
if(KLUMPIX_CHROMIUM AND KLUMPIX_NODE AND EXISTS ${KLUMPIX_PUPPETEER})
  add_test(NAME browser
    COMMAND ${KLUMPIX_NODE} ${CMAKE_CURRENT_LIST_DIR}/browser_test.mjs
            ${KLUMPIX_WEB_SITE} $<TARGET_FILE:klumpix> ${KLUMPIX_CHROMIUM})
  set_tests_properties(browser PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
else()
  # Not a silent pass: without its tools the test fails and says how to get them.
  add_test(NAME browser
    COMMAND ${CMAKE_COMMAND} -E echo "browser test: chromium, node or puppeteer-core missing; run make setup-web")
  set_tests_properties(browser PROPERTIES WILL_FAIL FALSE FAIL_REGULAR_EXPRESSION "missing")
endif()
