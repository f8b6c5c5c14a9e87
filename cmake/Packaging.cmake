# Installation (GNU layout) and the Debian package built with `cpack -G DEB`.
include(GNUInstallDirs)

set(TALLYHAND_APP_ID io.github.tallyhand.Tallyhand)
set(_pkg ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS tallyhand-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TALLYHAND_GUI)
  install(TARGETS tallyhand RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_pkg}/${TALLYHAND_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pkg}/${TALLYHAND_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${_pkg}/${TALLYHAND_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
  configure_file(${_pkg}/${TALLYHAND_APP_ID}.metainfo.xml ${CMAKE_CURRENT_BINARY_DIR}/${TALLYHAND_APP_ID}.metainfo.xml
                 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${TALLYHAND_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_PACKAGE_NAME tallyhand)
set(CPACK_PACKAGE_VENDOR "Tallyhand")
set(CPACK_PACKAGE_CONTACT "Tallyhand <tallyhand@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hand calculator and hand-history database for Texas Hold'em")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop tool for one Texas Hold'em player: a hand calculator with outs, odds and preflop\n"
    "ratings, and a personal database of PokerStars hand histories with replay and statistics.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_LICENSE ${TALLYHAND_LICENSE})
# Depends computed by dpkg-shlibdeps from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
