# Installing on Linux (`cmake --install build`, and the .deb that scripts/package.sh makes with
# CPack): the program in bin/, its pictures in share/lun4/ (found as "../share/lun4" from the
# program), the menu entry and the icon in the desktop's usual places, the user guide with the
# documentation. Examinee files are never installed: each user's are in their own documents.
include(GNUInstallDirs)

install(TARGETS lun4 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${LUN4_RUN_DIR}/Data ${LUN4_RUN_DIR}/Pomoce
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lun4)
install(FILES ${PROJECT_SOURCE_DIR}/dist/linux/lun4.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${LUN4_ICON_DIR}/lun4-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME lun4.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/podrecznik.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lun4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "diagnoza funkcjonalna: obserwacja umiejętności praktycznych i zachowania")
set(CPACK_PACKAGE_DESCRIPTION
    "LUN4_TORVA: ocena 168 pozycji obserwacji w trzech obszarach i sześciu skalach, plik dla każdej osoby badanej, profil wyników, arkusz podsumowania i raport opisowy do druku.")
set(CPACK_PACKAGE_CONTACT "Zespół LUN4 <lun4@example.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the program links come from dpkg-shlibdeps; what it loads at run time only
# (Qt's display plugins) and the fonts its pages are measured with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
