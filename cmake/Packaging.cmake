# The Debian package of an installation to /usr: `cpack -G DEB` in the build folder gives
# kthread-pd_<version>_<arch>.deb. dpkg-shlibdeps (dpkg-dev) works out the libraries it depends
# on from the installed programs.
set(CPACK_PACKAGE_NAME kthread-pd)
set(CPACK_PACKAGE_VENDOR Brellmont)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kalvo Thread - PD maintainers <kalvo-thread@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KTHREAD_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thread pitch diameter calculator (wires and balls)")
# Debian shows the long description as it is written: one line each.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "From the size measured over wires (external threads) or balls (internal"
  "threads) Kalvo Thread - PD computes the pitch diameter; from a pitch diameter,"
  "the size over the probes that a good part must show. It corrects for the"
  "helix, an inclined set-up, the taper of taper threads and the Hertz flattening"
  "under the measuring force."
  "."
  "The desktop program kthread-pd shows the lead, the best-size probe and the"
  "nearest probe of the user's catalogue while one types; kthread-calc does the"
  "same from the command line and in batch.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
