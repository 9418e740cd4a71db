# What `cmake --install` puts under the prefix: the program, and the desktop entry, icon,
# AppStream metainfo and manual page through which desktops offer it for WAVE files.
include(GNUInstallDirs)

set(WAVEVIEW_APP_ID org.waveview.waveview)
set(dist ${CMAKE_SOURCE_DIR}/dist)
configure_file(${dist}/${WAVEVIEW_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${WAVEVIEW_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist}/waveview.1.in ${CMAKE_BINARY_DIR}/dist/waveview.1 @ONLY)

install(TARGETS waveview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist}/${WAVEVIEW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${WAVEVIEW_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/dist/${WAVEVIEW_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/dist/waveview.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
