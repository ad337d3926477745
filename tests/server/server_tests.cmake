# The world table's API against a PostgreSQL cluster the test starts itself.
# Included from the top level when klumpix-server is built.
add_test(NAME world_postgresql
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_postgresql_test.sh $<TARGET_FILE:klumpix_tests>)
set_tests_properties(world_postgresql PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
