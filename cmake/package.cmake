# The Debian package of the system layout: `scripts/package` runs CPack on a
# Release build and leaves dist/halvane_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvane)
set(CPACK_PACKAGE_VENDOR "The Halvane developers")
set(CPACK_PACKAGE_CONTACT "The Halvane developers <maintainers@users.noreply.c-seed-675ba512.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer and animation editor for a single-colour LED cross")
set(CPACK_PACKAGE_DESCRIPTION "Halvane composes play lists of animations and text messages for a
single-colour LED cross, previews them and sends them to the cross over a
serial port; it also sets the cross's clock, brightness, opening hours and
parameters. Dravelle edits the cross's animations dot by dot. Both come
with command-line programs (halvane-cli, dravelle-cli) and cross-sim, a
virtual cross on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)

# Only the system layout goes into the package, as one package.
set(CPACK_COMPONENTS_ALL system)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME halvane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://halvane.example.org/")
# The libraries the programs link, as dpkg-shlibdeps finds them; the fonts
# the texts are drawn with by name ("Arial", "Times New Roman").
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
