# Installation and the Debian package; on Windows the portable zip.
# A portable Windows program keeps everything in its own folder.
if(WIN32)
  set(CMAKE_INSTALL_BINDIR .)
endif()
include(GNUInstallDirs)

# On Windows readme.txt and backup.file stay beside the program; elsewhere
# they go to the data folder, and the program looks there from its own folder.
if(WIN32)
  set(VARNEL_SHIPPED_DIR ${CMAKE_INSTALL_BINDIR})
else()
  set(VARNEL_SHIPPED_DIR ${CMAKE_INSTALL_DATADIR}/varnel)
endif()
file(RELATIVE_PATH shipped_from_program
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VARNEL_SHIPPED_DIR})
target_compile_definitions(varnel_platform PRIVATE
  VARNEL_SHIPPED_FILES_FROM_PROGRAM="${shipped_from_program}")

install(TARGETS varnel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/readme.txt data/backup.file DESTINATION ${VARNEL_SHIPPED_DIR})

if(UNIX AND NOT APPLE)
  install(FILES data/example.varnel.Varnel.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/example.varnel.Varnel.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES data/icons/varnel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(DIRECTORY data/icons/hicolor/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
          FILES_MATCHING PATTERN "varnel.png")
  # share/doc/varnel by default: /usr/share/doc/varnel/copyright in the
  # package, where Debian looks for the licence.
  install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VENDOR "Varnel")
set(CPACK_PACKAGE_CONTACT "Varnel developers <varnel@varnel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.varnel.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the pedestrian groups of GTA3")
set(CPACK_PACKAGE_DESCRIPTION "\
Varnel edits data/pedgrp.dat of Grand Theft Auto III: the eight pedestrian
models of each area of Liberty City. Game folders may be given as Linux paths,
as Windows paths inside a Wine prefix, or under a Steam library. A working
backup of the file comes with the program.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font, xdg-open for the read-me and the author's site, and Qt's
# translations of its own texts (Yes, No, the file dialog).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils, qt6-translations-l10n")
if(WIN32)
  include(cmake/windows.cmake)
endif()
include(CPack)
