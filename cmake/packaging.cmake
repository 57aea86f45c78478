# Desktop integration (menu entry, icon, software-centre metadata) and the
# Debian package that `cpack` builds from the install tree.
set(ORDKVARNEN_APP_ID io.github.ordkvarnen.Ordkvarnen)
set(desktop_files ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordkvarnen)
set(CPACK_PACKAGE_VENDOR "Ordkvarnen")
set(CPACK_PACKAGE_CONTACT "Ordkvarnen developers <ordkvarnen@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for Swedish and English")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Kvartos Ordkvarn lets you type Swedish and English word pairs into a\n"
       "numbered list and practise them: it asks one word of each pair, checks\n"
       "the typed translation, lets you try again, gives the answer letter by\n"
       "letter and ends with a summary. Every text in the program is Swedish.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ordkvarnen)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries and their versions, from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in Swedish (qt_sv.qm); the libraries come from shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
