include(GNUInstallDirs)
install(TARGETS folio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/folio.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/folio.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME folio)
set(CPACK_PACKAGE_VENDOR "Folio")
set(CPACK_PACKAGE_CONTACT "Folio developers <folio@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Double-entry bookkeeping for a small corporation")
set(CPACK_DEBIAN_PACKAGE_SECTION office)
# The shared libraries the executable links (Qt, libc, libstdc++) are found by dpkg-shlibdeps
# with their versions; what Qt loads at run time (platform plugins, the SVG icon reader)
# and the fonts the reports print with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
