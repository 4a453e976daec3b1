# The Debian package, made by `make package` (the target `package`) from what
# the install rules put under /usr: the program, the chart module, the icons,
# the desktop entry, the AppStream metadata, the manual page and the notices.
# cmake/debpackage.cmake stages, strips and checks them and builds the .deb
# with dpkg-deb, so that the same commit gives the same package, byte for
# byte, wherever and whenever it is built.
set(GOLEXORB_MAINTAINER "The Go LEXORB developers <golexorb@users.noreply.github.com>"
  CACHE STRING "Maintainer field of the Debian package")

# Every notice of what the program carries, in Debian's machine-readable
# form, and the changelog a native package has.
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/golexorb)
configure_file(resources/copyright.in ${PROJECT_BINARY_DIR}/package/copyright @ONLY)
configure_file(resources/changelog.in ${PROJECT_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9 -n -k -f changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/package
  DEPENDS ${PROJECT_BINARY_DIR}/package/changelog)
add_custom_target(golexorb_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/package/copyright ${PROJECT_BINARY_DIR}/package/changelog.gz
        DESTINATION ${_doc})

# The checking builds (without the extras) make no package: a package of
# instrumented programs is no package anyone ships.
if(NOT TARGET mkdic)
  return()
endif()

# The synopsis line, and the text under it.
set(_summary "word game: spell words on a board of letters against the clock")
set(_description "Go LEXORB is a word game for one player. A round of one to ten minutes
deals a four by four board of letters; spell words by pressing letters
that touch each other, across, up and down or diagonally. Every word of
three letters or more that is in the game's English word list of about
116,000 words scores its length.
.
At the end of a round the results show the words found, the longest one
and the letter used most, ready to print. The All Words window lists
every word the board held, shows where each lies on the board and what
it means (from WordNet, when installed), and keeps a record of the best
score for each round length with a chart of the scores over time.
.
Friends play together in rooms on any MQTT broker: the same board on
every screen, a chat, and standings in which a word two players found
scores nothing. A challenge code lets a friend play the same board later.
.
Boards and words can also be in Catalan, Danish, Dutch, French, German,
Italian, Norwegian, Polish, Portuguese, Spanish or Swedish, from the word
lists Debian ships for them, read where they are installed.")

# The libraries the program and the chart module link come from
# dpkg-shlibdeps. Qt's X11 window-system, JPEG and printing plugins come with
# the libraries it finds (libqt6gui6, libqt6printsupport6). What the linker
# cannot see is the WordNet library, opened when a word is first looked up;
# the game plays without it. `wordnet` brings its database (wordnet-base).
set(_recommends "wordnet")
# Rooms open libmosquitto and libsodium (the names' signatures) at the first
# join, so the linker cannot see them either; "Host on this computer" runs
# Debian's broker when it is there.
set(_depends "libmosquitto1, libsodium23")
# The board languages' word lists, read where they are installed (the
# packages of wordlist/languages.cpp's table; tests/wordlist checks that
# they agree).
set(_suggests "mosquitto, wcatalan, wdanish, wngerman, hunspell-es, wfrench, witalian, wdutch, wnorwegian, wpolish, wportuguese, wbrazilian, wswedish")

# What the script needs from this build, the programs' paths among it.
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/package/settings.cmake CONTENT "\
set(PACKAGE golexorb)
set(VERSION [==[${PROJECT_VERSION}]==])
set(MAINTAINER [==[${GOLEXORB_MAINTAINER}]==])
set(SECTION games)
set(PRIORITY optional)
set(HOMEPAGE [==[${PROJECT_HOMEPAGE_URL}]==])
set(RECOMMENDS [==[${_recommends}]==])
set(DEPENDS [==[${_depends}]==])
set(SUGGESTS [==[${_suggests}]==])
set(SUMMARY [==[${_summary}]==])
set(DESCRIPTION [==[${_description}]==])
set(SOURCE_DIR [==[${PROJECT_SOURCE_DIR}]==])
set(BUILD_DIR [==[${PROJECT_BINARY_DIR}]==])
set(STRIP [==[${CMAKE_STRIP}]==])
set(MKDIC [==[$<TARGET_FILE:mkdic>]==])
set(FONT_DIR [==[${PROJECT_BINARY_DIR}/resources/fonts]==])
")
# CMake keeps the name `package` for CPack while a build folder holds CPack's
# configuration, as one made before CPack was left holds it.
file(REMOVE ${PROJECT_BINARY_DIR}/CPackConfig.cmake ${PROJECT_BINARY_DIR}/CPackSourceConfig.cmake)
add_custom_target(package
  COMMAND ${CMAKE_COMMAND} -DSETTINGS=${PROJECT_BINARY_DIR}/package/settings.cmake
          -P ${PROJECT_SOURCE_DIR}/cmake/debpackage.cmake
  COMMENT "Making the Debian package"
  VERBATIM)
# What the install rules take, and the word list's maker for its check.
add_dependencies(package golexorb golexorb_progress golexorb_manual golexorb_changelog mkdic)
