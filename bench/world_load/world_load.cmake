# make world-load's client: many clients sending valid and forged games.
# Included from the top level when klumpix-server is built.
add_executable(klumpix_world_load EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/world_load.cpp)
target_include_directories(klumpix_world_load PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(klumpix_world_load PRIVATE klumpix_server)
