# `make package`: a Debian package of everything that `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quandrel)
set(CPACK_PACKAGE_VENDOR "The Quandrel Password Generator authors")
set(CPACK_PACKAGE_CONTACT "The Quandrel Password Generator authors <authors@quandrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose and decode the passwords of the game Quandrel")
# Lines of at most 80 characters, as Debian's description field wants them.
set(CPACK_PACKAGE_DESCRIPTION "\
The game Quandrel records a player's progress in a 45-character password.
This package holds an editor that shows every field of a game state and the
password after each change, with five save slots, undo and corrections for
mistyped passwords, and quandrel-pass, a command line tool that encodes,
decodes, checks and repairs passwords in batches.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Not "games": that section is for the games themselves, installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, out of dpkg-shlibdeps' sight; the window needs one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

# Debian wants its own copyright file and changelog beside the documentation, so the build
# for `make package` asks for them.
option(QUANDREL_DEBIAN_DOCS "Install Debian's copyright file and changelog" OFF)
if(QUANDREL_DEBIAN_DOCS)
    set(QUANDREL_DEBIAN_DIR ${PROJECT_BINARY_DIR}/debian)
    set(QUANDREL_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
    string(TIMESTAMP QUANDREL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${QUANDREL_DEBIAN_DIR}/copyright @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${QUANDREL_DEBIAN_DIR}/changelog @ONLY)
    execute_process(COMMAND gzip -9 -n -c ${QUANDREL_DEBIAN_DIR}/changelog
        OUTPUT_FILE ${QUANDREL_DEBIAN_DIR}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${QUANDREL_DEBIAN_DIR}/copyright ${QUANDREL_DEBIAN_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

include(CPack)
