# Where an installed Quorlex lives: the program, its desktop entry and metainfo, its icon and its
# manual (which the program finds at ../share/quorlex/manual from its own folder), and a Debian
# package made of the same.
include(GNUInstallDirs)

install(TARGETS quorlex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/org.quorlex.Quorlex.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.quorlex.Quorlex.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/org.quorlex.Quorlex.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
if(NOT WIN32)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quorlex/manual)
  # The manual shows the toolbar buttons with the program's own images.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/app/icons/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/quorlex/manual/images/buttons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlex)
set(CPACK_PACKAGE_VENDOR "Quorlex")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML source editor for people who write their pages by hand")
set(CPACK_PACKAGE_DESCRIPTION "Quorlex (クォーレクス) is an HTML source editor with a Japanese interface.\n\
One editing box holds the page's source; menus, two toolbars and small wizards insert the\n\
markup. Pages, page patterns, list files and settings are kept as Shift_JIS text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorlex developers <quorlex@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# The Qt libraries come from the program's own links; Japanese texts of Qt's dialogs and Japanese
# fonts for the editing box and the printout are recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
include(CPack)
