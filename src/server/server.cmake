# klumpix-server: the world's winners table, built when cpp-httplib and
# SQLite are installed (tools/setup.sh installs them); PostgreSQL through
# libpqxx when that is installed too.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(KLUMPIX_HTTPLIB IMPORTED_TARGET cpp-httplib)
  pkg_check_modules(KLUMPIX_SQLITE IMPORTED_TARGET sqlite3)
  pkg_check_modules(KLUMPIX_CRYPTO IMPORTED_TARGET libcrypto)
  pkg_check_modules(KLUMPIX_PQXX IMPORTED_TARGET libpqxx)
endif()
if(NOT (KLUMPIX_HTTPLIB_FOUND AND KLUMPIX_SQLITE_FOUND AND KLUMPIX_CRYPTO_FOUND))
  message(STATUS "klumpix: klumpix-server not built: cpp-httplib or SQLite is missing")
  return()
endif()

# What the game needs to send a game (the replay and an HTTP client) is a
# library of its own, so the game links no database.
set(KLUMPIX_SUBMIT_SOURCES ${CMAKE_SOURCE_DIR}/src/server/replay_check.cpp
    ${CMAKE_SOURCE_DIR}/src/server/world_submit.cpp)
add_library(klumpix_world_client STATIC ${KLUMPIX_SUBMIT_SOURCES})
klumpix_layer_headers(klumpix_world_client server PUBLIC)
target_link_libraries(klumpix_world_client PUBLIC klumpix_app PkgConfig::KLUMPIX_HTTPLIB)

file(GLOB KLUMPIX_SERVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/server/*.cpp)
list(FILTER KLUMPIX_SERVER_SOURCES EXCLUDE REGEX ".*/(main|replay_check|world_submit)\\.cpp$")
if(NOT KLUMPIX_PQXX_FOUND)
  message(STATUS "klumpix: klumpix-server without PostgreSQL: libpqxx is missing")
  list(FILTER KLUMPIX_SERVER_SOURCES EXCLUDE REGEX ".*/postgresql_store\\.cpp$")
endif()
find_package(Threads REQUIRED)
add_library(klumpix_server STATIC ${KLUMPIX_SERVER_SOURCES})
target_link_libraries(klumpix_server PUBLIC klumpix_world_client PkgConfig::KLUMPIX_SQLITE
                      PkgConfig::KLUMPIX_CRYPTO Threads::Threads)
if(KLUMPIX_PQXX_FOUND)
  target_link_libraries(klumpix_server PUBLIC PkgConfig::KLUMPIX_PQXX)
  target_compile_definitions(klumpix_server PUBLIC KLUMPIX_WITH_POSTGRESQL=1)
endif()
if(TARGET klumpix)
  target_link_libraries(klumpix PRIVATE klumpix_world_client)
  target_compile_definitions(klumpix PRIVATE KLUMPIX_WITH_SUBMIT=1)
endif()
add_executable(klumpix-server ${CMAKE_SOURCE_DIR}/src/server/main.cpp)
target_link_libraries(klumpix-server PRIVATE klumpix_server)
set(KLUMPIX_SERVER_BUILT ON)

install(TARGETS klumpix-server RUNTIME DESTINATION sbin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/klumpix-server.8 DESTINATION share/man/man8)
