# The packages a Windows user gets (`--target package`): a portable zip with the program and its
# guide, and a per-user installer made by NSIS from package/NSIS.template.in.
install(TARGETS Brisalto RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/res/Brisalto.html DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Brisalto)
set(CPACK_PACKAGE_VENDOR Kestrowave)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brisalto)
# The zip unpacks to the two files themselves; Explorer's "extract all" makes the folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_FILE_NAME Brisalto-${PROJECT_VERSION}-win64)
# The installer's own name; set per generator in this file, which CPack reads for each.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/package/PerGenerator.cmake)
# Our script replaces CPack's stock one, which installs for all users and in English.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/package)
set(CPACK_NSIS_MUI_ICON ${PICTURES_DIR}/app.ico)
set(CPACK_NSIS_MUI_UNIICON ${PICTURES_DIR}/app.ico)
include(CPack)

# The zip and the installer under test; the e2e tier checks them.
set(PACKAGE_ZIP ${CMAKE_BINARY_DIR}/Brisalto-${PROJECT_VERSION}-win64.zip)
set(PACKAGE_SETUP ${CMAKE_BINARY_DIR}/Brisalto-${PROJECT_VERSION}-setup.exe)
