# What `cmake --install` lays out. By default PREFIX/bin and PREFIX/share/klumpix;
# KLUMPIX_GAMES_LAYOUT puts the game where Debian puts games: PREFIX/games and
# PREFIX/share/games/klumpix. The game finds its pictures in either layout.
option(KLUMPIX_GAMES_LAYOUT "Install into games/ and share/games/klumpix, as Debian lays out games" OFF)
if(KLUMPIX_GAMES_LAYOUT)
  set(KLUMPIX_INSTALL_BIN games)
  set(KLUMPIX_INSTALL_DATA share/games/klumpix)
else()
  set(KLUMPIX_INSTALL_BIN bin)
  set(KLUMPIX_INSTALL_DATA share/klumpix)
endif()

include(packaging/release_files.cmake)

install(TARGETS klumpix RUNTIME DESTINATION ${KLUMPIX_INSTALL_BIN})
install(PROGRAMS packaging/klumpix-launcher DESTINATION ${KLUMPIX_INSTALL_BIN})
install(DIRECTORY ${KLUMPIX_RES_DIR}/ DESTINATION ${KLUMPIX_INSTALL_DATA}/res)
install(FILES packaging/${KLUMPIX_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${KLUMPIX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons/hicolor)
install(FILES ${CMAKE_BINARY_DIR}/klumpix.6 packaging/klumpix-launcher.6 DESTINATION share/man/man6)
