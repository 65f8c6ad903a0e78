# The Debian package: `cpack -G DEB` in the build folder (scripts/package builds and runs it).
# Its dependencies are the libraries the program links, found by dpkg-shlibdeps (dpkg-dev),
# and what it loads or shows at run time: Qt's SQLite driver, the Japanese fonts its windows'
# fonts are mapped to, Qt's own Japanese texts and the icon theme. It has no maintainer
# scripts: removing it leaves every user's data and settings where they are.
set(CPACK_PACKAGE_NAME tamoru)
set(CPACK_PACKAGE_VENDOR "Tamoru developers")
set(CPACK_PACKAGE_CONTACT "Tamoru developers <tamoru@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/tamoru/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "organiser for a shared PC: calendar and diary, clock, launcher, phone book")
set(CPACK_PACKAGE_DESCRIPTION
    "Tamoru gathers in one small window with a Japanese user interface a month
calendar whose days open each user's diary behind the user's password, a clock
with a daily alarm, a launcher of programs and system tools, and a phone book
with birth dates in the Japanese era calendar. Each user's data stay in one
database file in the user's data folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n, adwaita-icon-theme")
# The toolkit's PostgreSQL driver, for a book shared by several PCs on a server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, libqt6sql6-psql")

include(CPack)
