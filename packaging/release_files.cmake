# The files that name the release, made from their .in templates: the store
# metadata and the man page. The release is the newest entry of
# debian/changelog (its version is the project's). The screenshots are the
# pictures in docs/ at KLUMPIX_SCREENSHOT_BASE_URL, the web address the
# repository's files are served from. Without that address the metadata
# names no screenshots (a store needs a web address for them).
set(KLUMPIX_SCREENSHOT_BASE_URL "" CACHE STRING
    "Web address of the repository's files, for the screenshots in the store metadata")

file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog KLUMPIX_CHANGELOG_DATE REGEX "^ -- " LIMIT_COUNT 1)
if(NOT KLUMPIX_CHANGELOG_DATE MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "klumpix: no date in the newest entry of debian/changelog")
endif()
set(KLUMPIX_MONTHS Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND KLUMPIX_MONTHS ${CMAKE_MATCH_2} KLUMPIX_MONTH)
math(EXPR KLUMPIX_MONTH "${KLUMPIX_MONTH} + 1")
string(LENGTH "${CMAKE_MATCH_1}" KLUMPIX_DAY_DIGITS)
set(KLUMPIX_DAY ${CMAKE_MATCH_1})
if(KLUMPIX_DAY_DIGITS EQUAL 1)
  set(KLUMPIX_DAY 0${KLUMPIX_DAY})
endif()
if(KLUMPIX_MONTH LESS 10)
  set(KLUMPIX_MONTH 0${KLUMPIX_MONTH})
endif()
set(KLUMPIX_RELEASE_DATE ${CMAKE_MATCH_3}-${KLUMPIX_MONTH}-${KLUMPIX_DAY})

set(KLUMPIX_METAINFO_SCREENSHOTS "")
if(KLUMPIX_SCREENSHOT_BASE_URL)
  set(kind " type=\"default\"")
  string(APPEND KLUMPIX_METAINFO_SCREENSHOTS "  <screenshots>\n")
  foreach(shot "screenshot.png|A game on the first board" "boards.png|The eight board shapes"
               "help.png|The help page")
    string(REPLACE "|" ";" shot "${shot}")
    list(GET shot 0 file)
    list(GET shot 1 caption)
    string(APPEND KLUMPIX_METAINFO_SCREENSHOTS
           "    <screenshot${kind}>\n      <caption>${caption}</caption>\n"
           "      <image>${KLUMPIX_SCREENSHOT_BASE_URL}/docs/${file}</image>\n    </screenshot>\n")
    set(kind "")
  endforeach()
  string(APPEND KLUMPIX_METAINFO_SCREENSHOTS "  </screenshots>\n")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/${KLUMPIX_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${KLUMPIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/klumpix.6.in ${CMAKE_BINARY_DIR}/klumpix.6 @ONLY)
