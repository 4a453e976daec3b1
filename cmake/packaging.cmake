# The Debian package, made by `make package` (CPack) from what the install
# rules put under /usr: the program, the chart module, the icons, the
# desktop entry, the AppStream metadata, the manual page and the notices.
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME golexorb)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Go LEXORB developers")
set(CPACK_PACKAGE_CONTACT "${GOLEXORB_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Debug information stays out of the package; the build keeps it.
set(CPACK_STRIP_FILES ON)
# Folders made for the package are 0755 whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GOLEXORB_MAINTAINER}")
# The libraries the program and the chart module link come from
# dpkg-shlibdeps. Qt's X11 window-system, JPEG and printing plugins come
# with the libraries it finds (libqt6gui6, libqt6printsupport6). What the
# linker cannot see is the WordNet library and database, opened when a word
# is first looked up; the game plays without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wordnet, wordnet-base")
# Rooms open libmosquitto at the first join, so the linker cannot see it;
# "Host on this computer" runs Debian's broker when it is there.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libmosquitto1")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mosquitto")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word game: spell words on a board of letters against the clock")
# The summary is the synopsis line; this, the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Go LEXORB is a word game for one player. A round of one to ten minutes
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
scores nothing. A challenge code lets a friend play the same board later.")

include(CPack)
