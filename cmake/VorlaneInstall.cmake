# Installing the program on a Linux desktop: the two programs in bin, the shipped files in
# share/vorlane98 (copied into each user's program directory on first start), and the desktop
# entry, icon and file type that let a file manager open collections with the program.
include(GNUInstallDirs)

set(VORLANE_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/vorlane98)
set(VORLANE_BUILT_DIR ${CMAKE_BINARY_DIR}/bin)

foreach(program vorlane98 vorlane)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The files the build puts beside the executables, each only when its target exists.
set(VORLANE_SHIPPED_FILES "")
if(TARGET shipped_files)
  list(APPEND VORLANE_SHIPPED_FILES ${VORLANE_BUILT_DIR}/VLFLAY.DAT ${VORLANE_BUILT_DIR}/VLFPAGE.DAT)
endif()
if(TARGET sample_collection)
  list(APPEND VORLANE_SHIPPED_FILES ${VORLANE_BUILT_DIR}/SAMPLE.VL3)
endif()
if(TARGET user_manual)
  list(APPEND VORLANE_SHIPPED_FILES ${VORLANE_BUILT_DIR}/VRLAN.pdf)
endif()
if(VORLANE_SHIPPED_FILES)
  install(FILES ${VORLANE_SHIPPED_FILES} DESTINATION ${VORLANE_SHARE_DIR})
endif()
if(TARGET help_files)
  install(DIRECTORY ${VORLANE_BUILT_DIR}/help DESTINATION ${VORLANE_SHARE_DIR})
endif()

set(VORLANE_DESKTOP_FILE ${CMAKE_BINARY_DIR}/vorlane98.desktop)
file(CONFIGURE OUTPUT ${VORLANE_DESKTOP_FILE} CONTENT [[
[Desktop Entry]
Type=Application
Name=Vorlane 98
GenericName=Word Search Puzzle Maker
Comment=Make, print and export word search puzzles
Exec=vorlane98 %f
Icon=vorlane98
Terminal=false
MimeType=application/x-vorlane-collection;
Categories=Education;Game;Office;
Keywords=word search;puzzle;wordsearch;
]])

set(VORLANE_MIME_FILE ${CMAKE_BINARY_DIR}/vorlane98.xml)
file(CONFIGURE OUTPUT ${VORLANE_MIME_FILE} CONTENT [[
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-vorlane-collection">
    <comment>Vorlane 98 puzzle collection</comment>
    <icon name="vorlane98"/>
    <glob pattern="*.VL3" case-sensitive="false"/>
    <glob pattern="*.vl3" case-sensitive="false"/>
  </mime-type>
</mime-info>
]])

install(FILES ${VORLANE_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vorlane98.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VORLANE_MIME_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
