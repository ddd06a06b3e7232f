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
# The zip is portable: an empty settings file beside the program keeps every setting there. The
# installer leaves it out, so an installed program keeps them in the registry.
set(CPACK_BRISALTO_PORTABLE_DIR ${CMAKE_BINARY_DIR}/portable)
file(MAKE_DIRECTORY ${CPACK_BRISALTO_PORTABLE_DIR})
file(TOUCH ${CPACK_BRISALTO_PORTABLE_DIR}/Brisalto.ini)
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

# The packages as a user gets them: the zip's contents, the zip unpacked and the installer and
# uninstaller run under Wine in prefixes of their own (tests/install). Both need `--target package` first.
add_test(NAME package_zip COMMAND ${CMAKE_COMMAND} -DZIP=${PACKAGE_ZIP}
         -P ${CMAKE_SOURCE_DIR}/tests/install/CheckZip.cmake)
set_tests_properties(package_zip PROPERTIES LABELS e2e)

add_executable(install_tests tests/install/InstallE2ETest.cpp tests/install/ZipE2ETest.cpp
               tests/e2e/Driver.cpp)
target_link_libraries(install_tests PRIVATE brisalto_win32 GTest::gtest_main)
target_link_options(install_tests PRIVATE ${WIN32_LINK})
add_test(NAME install COMMAND ${CMAKE_SOURCE_DIR}/tests/install/run.sh $<TARGET_FILE:install_tests>)
set_tests_properties(install PROPERTIES LABELS e2e TIMEOUT 600
    ENVIRONMENT "BRISALTO_SETUP=${PACKAGE_SETUP};BRISALTO_ZIP=${PACKAGE_ZIP};BRISALTO_INSTALL_PREFIX=${CMAKE_BINARY_DIR}/installprefix;BRISALTO_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
