# What `cmake --install` puts where, and the packages CPack makes of it.
#
# Linux (a prefix such as /usr): the programs in bin/, the user guide in
# share/turfwise/guide/ (the program finds it there, and takes that folder
# for the sign of an installed program that keeps its data per user), the
# desktop entry, the icons, the AppStream metainfo, the man pages and the
# documents. Windows: one folder with the programs, the guide beside them and
# the Qt libraries windeployqt copies in; CPack makes a zip of it.
set(CMAKE_INSTALL_DOCDIR share/doc/turfwise CACHE PATH "Documentation folder")
include(GNUInstallDirs)

set(TURFWISE_APP_ID org.turfwise.Turfwise)
set(_packaging ${CMAKE_SOURCE_DIR}/packaging)

set(_programs turfwise-cli turfwise-feedgen)
if(TARGET turfwise)
  list(PREPEND _programs turfwise)
endif()

if(WIN32)
  # The JV-Link bridge beside the programs; the released folder takes the
  # 32-bit build of it (the control is 32-bit), see the windows workflow.
  install(TARGETS ${_programs} turfwise-jvlink-bridge RUNTIME DESTINATION .)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/guide/ DESTINATION guide)
  install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/analysis-json.md
                ${CMAKE_SOURCE_DIR}/docs/season-json.md DESTINATION doc)
  if(TARGET turfwise AND NOT CMAKE_CROSSCOMPILING)
    find_program(TURFWISE_WINDEPLOYQT windeployqt HINTS "${Qt6_DIR}/../../../bin" "${QT6_INSTALL_PREFIX}/bin")
    if(TURFWISE_WINDEPLOYQT)
      install(CODE "execute_process(COMMAND \"${TURFWISE_WINDEPLOYQT}\" --no-translations --no-compiler-runtime
                                      \"\${CMAKE_INSTALL_PREFIX}/turfwise.exe\" \"\${CMAKE_INSTALL_PREFIX}/turfwise-cli.exe\"
                                    COMMAND_ERROR_IS_FATAL ANY)")
    else()
      message(WARNING "windeployqt not found: the installed folder will lack the Qt libraries")
    endif()
  endif()
  set(CPACK_GENERATOR ZIP)
else()
  install(TARGETS ${_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/guide/ DESTINATION ${CMAKE_INSTALL_DATADIR}/turfwise/guide)
  install(FILES ${_packaging}/linux/${TURFWISE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_packaging}/linux/${TURFWISE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_packaging}/icons/turfwise.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${TURFWISE_APP_ID}.svg)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${_packaging}/icons/turfwise-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TURFWISE_APP_ID}.png)
  endforeach()
  foreach(page turfwise turfwise-cli turfwise-feedgen)
    configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/analysis-json.md
                ${CMAKE_SOURCE_DIR}/docs/season-json.md ${CMAKE_SOURCE_DIR}/docs/feed-format.md
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR DEB)
endif()

# The guide beside the programs of the build folder too, so that help opens
# it when the program runs from there.
add_custom_target(user_guide ALL COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/guide
                                         ${CMAKE_BINARY_DIR}/app/guide)

set(CPACK_PACKAGE_NAME turfwise)
set(CPACK_PACKAGE_VENDOR Turfwise)
set(CPACK_PACKAGE_CONTACT "Turfwise <dev@turfwise.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "odds analysis of JRA race days with JRA-VAN Data Lab.")
set(CPACK_PACKAGE_DESCRIPTION "Downloads race cards through JV-Link (or a local stand-in with a sample feed), \
takes odds snapshots, computes vote shares and suggested quinella bets, and shows, prints and reports them.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Turfwise)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt 6 runtime packages the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-gothic)
include(CPack)
