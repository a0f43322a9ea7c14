# `make package`: a .deb of the installation, its dependencies worked out from the libraries the
# programs link (dpkg-shlibdeps).
set(BIRCH_PACKAGE_MAINTAINER "${BIRCH_GSDML_VENDOR_NAME} <support@velmora.example>"
  CACHE STRING "Maintainer named in the package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME birchcfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${BIRCH_GSDML_VENDOR_NAME})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configurator of the Birch NMEA 0183 / Modbus protocol converter")
set(CPACK_PACKAGE_DESCRIPTION "\
Edits the configuration projects of the Birch gateway and its siblings (PROFINET,
Modbus TCP, MQTT, EtherCAT), compiles them into the device image and hands it to
the updater. birchcfg-cli runs the same checks and exports without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BIRCH_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BIRCH_HOME_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugin, and the version check libcurl, at run time, so no linked library
# names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcurl4")
# Qt's own dialogs in the chosen language; the system ping when no ICMP socket may be opened.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, iputils-ping")

include(CPack)
