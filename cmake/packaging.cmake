# Desktop integration (menu entry, icon, software-centre metadata) and the
# Debian package that `cpack` builds from the install tree.
set(ORDKVARNEN_APP_ID io.github.ordkvarnen.Ordkvarnen)
set(desktop_files ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop_files}/${ORDKVARNEN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# The licence, the changelog and the manual page, compressed as Debian wants
# them: gzip -9n, without name or time stamp, so that builds are reproducible.
# The changelog's newest entry must name the project's version.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/doc/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^ordkvarnen \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/doc/changelog starts with \"${changelog_top}\", not version ${PROJECT_VERSION}")
endif()
set(doc_dir ${CMAKE_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/data/man/ordkvarnen.1 ${doc_dir}/ordkvarnen.1 @ONLY)
set(compressed)
foreach(source ${PROJECT_SOURCE_DIR}/data/doc/changelog ${doc_dir}/ordkvarnen.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${doc_dir}/${name}.gz
                     COMMAND gzip -9n -c ${source} > ${doc_dir}/${name}.gz
                     DEPENDS ${source} VERBATIM)
  list(APPEND compressed ${doc_dir}/${name}.gz)
endforeach()
add_custom_target(ordkvarnen_docs DEPENDS ${compressed})
add_dependencies(ordkvarnen ordkvarnen_docs)
install(FILES ${PROJECT_SOURCE_DIR}/data/doc/copyright ${doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/ordkvarnen)
install(FILES ${doc_dir}/ordkvarnen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordkvarnen)
set(CPACK_PACKAGE_VENDOR "Ordkvarnen")
set(CPACK_PACKAGE_CONTACT "Ordkvarnen developers <ordkvarnen@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for Swedish and English")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Kvartos Ordkvarn lets you type Swedish and English word pairs into a\n"
       "numbered list and practise them: it asks one word of each pair, checks\n"
       "the typed translation, lets you try again, gives the answer letter by\n"
       "letter and ends with a summary, can practise the missed words again and\n"
       "says the words aloud. Every text in the program is Swedish.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ordkvarnen)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries and their versions, from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# At run time Qt's Swedish texts, and the icon engine that draws the scalable
# icon the windows and the menu entry show.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libqt6svg6")
# "&Lyssna": the speech module depends on Qt's speech library (found from the
# module's links); the voices come from its plugins: English offline through
# flite, Swedish through speech-dispatcher and espeak-ng.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-speech-flite-plugin, qt6-speech-speechd-plugin, speech-dispatcher, espeak-ng")
include(CPack)
