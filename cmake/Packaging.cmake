# What `cmake --install` puts in place and how `cpack -G DEB` packages it.
include(GNUInstallDirs)

install(TARGETS korvanti korvanti-tool RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The program writes its own copies of these into a new program folder; the
# installed ones are for reading and for restoring an edited table.
install(FILES
    "${CMAKE_SOURCE_DIR}/data/checkout.ini"
    "${CMAKE_SOURCE_DIR}/data/ki.ini"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/korvanti")
# Sets up the club server on the PC that keeps the club's database.
install(FILES "${CMAKE_SOURCE_DIR}/scripts/club-server.sh"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/korvanti")

install(FILES "${CMAKE_SOURCE_DIR}/packaging/korvanti.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/korvanti.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES
    "${CMAKE_SOURCE_DIR}/packaging/copyright"
    "${CMAKE_SOURCE_DIR}/README.md"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/korvanti")

set(CPACK_PACKAGE_NAME "korvanti")
set(CPACK_PACKAGE_VENDOR "Korvanti")
set(CPACK_PACKAGE_CONTACT "Korvanti <korvanti@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Darts zählen, trainieren und auswerten")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korvanti zählt Steeldarts-Spiele auf einer echten Scheibe: Jeder Dart wird
mit der Maus auf einem Scheibenbild eingetragen. 301, 501, Cricket, Round the
Board, Shanghai, Trainings, 501 gegen den Computer und eine Statistik über
jeden gespeicherten Dart.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "korvanti")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads as
# plugins at run time is named here: SQLite, PostgreSQL for the club server,
# the SVG pictures, mp3 playing through GStreamer, the voice that calls the
# points, and the German texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6sql6-psql, libqt6svg6, libqt6multimedia6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng, fonts-liberation2")

include(CPack)
