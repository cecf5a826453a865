# The Debian package, made by CPack from the install rules of the same build:
#   cpack -G DEB        (in a build folder; scripts/paket.sh does it all)
# The libraries it needs are found by dpkg-shlibdeps from the binaries.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KALVORIN_BETREUER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analytische Geometrie im Raum für den Unterricht")
set(CPACK_PACKAGE_DESCRIPTION
  "Kalvorin ist ein Unterrichtsprogramm für die analytische Geometrie im
dreidimensionalen Raum. Punkte, Vektoren, Pfeile, Strecken, Geraden,
Dreiecke, dreiseitige Pyramiden und Ebenen werden durch Koordinaten oder
Gleichungen festgelegt oder aus vorhandenen Elementen konstruiert, gespiegelt,
gestreckt, projiziert und gemessen. Jedes Dokument erscheint als drehbares
Schrägbild eines Koordinatensystems und als Liste seiner Elemente.
.
Das Paket enthält auch kalvorin-tool, das Dokumente ohne Fenster prüft,
umwandelt und als Bild zeichnet.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALVORIN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries do not link but the program needs: the German texts of
# Qt's own dialogs and buttons are loaded at run time, and so is the image
# plugin that reads the program's SVG symbol (libqt6svg6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libqt6svg6")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paket)

include(CPack)
