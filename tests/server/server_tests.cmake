# The world table's API against a PostgreSQL cluster the test starts itself.
# Included from the top level when klumpix-server is built.
add_test(NAME world_postgresql
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_postgresql_test.sh $<TARGET_FILE:klumpix_tests>)
set_tests_properties(world_postgresql PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)

# The page served by klumpix-server, in headless Chromium: a game sent from
# the page, found in its world table and watched (tests/web/world_test.mjs).
if(KLUMPIX_WITH_PLATFORM)
  add_test(NAME world_browser
    COMMAND ${CMAKE_SOURCE_DIR}/tests/web/run_browser_test.sh world_test.mjs ${KLUMPIX_NODE}
            ${KLUMPIX_CHROMIUM} ${KLUMPIX_WEB_SITE} $<TARGET_FILE:klumpix-server>
            $<TARGET_FILE:klumpix>)
  set_tests_properties(world_browser PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endif()
