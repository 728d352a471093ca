# `cpack` in a build folder makes the Debian package of what `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo-yoga)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvo")
set(CPACK_PACKAGE_CONTACT "Tarvo <packages@tarvo-yoga.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn yoga and get personal yoga advice")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tarvo-yoga.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvo <packages@tarvo-yoga.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Below the summary line; cpack indents it as dpkg wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarvo Yoga teaches yoga with 21 articles and a library of 32 asanas that can
be looked up by name, body part or therapeutic application. Zodiac Yoga gives
a sun-sign reading with a printable report; Chakra Yoga scores the seven
chakras with a questionnaire and shows how to open those that are not open.")
# Library dependencies come from dpkg-shlibdeps; it cannot see the font every text asks for, nor
# the SQLite driver that Qt loads as a plugin for Find and the practice journal.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libqt6sql6-sqlite")
# The voice speaks offline through Flite; speech-dispatcher's engine is used where it is set up.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-flite-plugin")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-speech-speechd-plugin")
# tarvo-yoga_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
