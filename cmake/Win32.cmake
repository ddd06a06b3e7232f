# Brisalto.exe, the Win32 adapter, and the tests that run under Wine.
enable_language(RC)

# Static, so the executable needs nothing beside it but the system's own DLLs.
set(WIN32_LINK -static -static-libgcc -static-libstdc++)
set(WIN32_LIBS user32 gdi32 shell32 comctl32 comdlg32 advapi32 ole32 oleaut32 oleacc uuid version)

add_library(brisalto_win32 STATIC
    src/platform/win32/Accessible.cpp
    src/platform/win32/Clock.cpp
    src/platform/win32/DialogTemplate.cpp
    src/platform/win32/Dialogs.cpp
    src/platform/win32/FileSettingsStore.cpp
    src/platform/win32/Foreground.cpp
    src/platform/win32/Input.cpp
    src/platform/win32/Graphics.cpp
    src/platform/win32/Icons.cpp
    src/platform/win32/Monitors.cpp
    src/platform/win32/SettingsStore.cpp
    src/platform/win32/Shell.cpp
    src/platform/win32/System.cpp
    src/platform/win32/Tray.cpp
    src/platform/win32/Utf.cpp
    src/platform/win32/Win32Platform.cpp
    src/platform/win32/Windows.cpp
)
target_compile_definitions(brisalto_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(brisalto_win32 PUBLIC brisalto_logic ${WIN32_LIBS})

# The pictures come from host tools, built with the build machine's own compiler: TOOL (a file
# in tools/, with Artwork.cpp) writes FILES into DIR, and TARGET stands for them.
find_program(HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
function(draw_pictures target tool dir)
    cmake_parse_arguments(ARG "" "" "FILES;DEPENDS" ${ARGN})
    add_custom_command(
        OUTPUT ${ARG_FILES}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR}
                ${CMAKE_SOURCE_DIR}/tools/${tool}.cpp ${CMAKE_SOURCE_DIR}/tools/Artwork.cpp
                -o ${dir}/${tool}
        COMMAND ${dir}/${tool} ${dir}
        DEPENDS tools/${tool}.cpp tools/Artwork.cpp tools/Artwork.h res/Face.h ${ARG_DEPENDS}
        COMMENT "Drawing ${target}")
    add_custom_target(${target} DEPENDS ${ARG_FILES})
endfunction()

set(PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(PICTURES
    ${PICTURES_DIR}/face_normal.bmp ${PICTURES_DIR}/face_pressed.bmp
    ${PICTURES_DIR}/app.ico ${PICTURES_DIR}/tray.ico ${PICTURES_DIR}/noicon.ico)
draw_pictures(pictures mkres ${PICTURES_DIR} FILES ${PICTURES})

set(RC_FILE ${CMAKE_SOURCE_DIR}/res/brisalto.rc)
set_source_files_properties(${RC_FILE} PROPERTIES
    OBJECT_DEPENDS "${PICTURES};${CMAKE_SOURCE_DIR}/res/brisalto.manifest;${CMAKE_SOURCE_DIR}/res/Version.h")

add_executable(Brisalto WIN32 src/platform/win32/WinMain.cpp ${RC_FILE})
target_include_directories(Brisalto PRIVATE ${PICTURES_DIR} ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(Brisalto PRIVATE brisalto_win32)
target_link_options(Brisalto PRIVATE -municode ${WIN32_LINK})
add_dependencies(Brisalto pictures)
# The user guide that the help command opens, beside the program.
add_custom_command(TARGET Brisalto POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/res/Brisalto.html
            $<TARGET_FILE_DIR:Brisalto>/Brisalto.html)

include(package/Package.cmake)

# Win32 tests: the adapter against the real API, one process under Wine.
file(GLOB WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
# With the program's own resources, so the faces and icons are there as they are in the program.
add_executable(win32_tests ${WIN32_TESTS} ${RC_FILE})
target_include_directories(win32_tests PRIVATE ${PICTURES_DIR} ${CMAKE_SOURCE_DIR}/res)
add_dependencies(win32_tests pictures)
target_link_libraries(win32_tests PRIVATE brisalto_win32 GTest::gtest_main)
target_link_options(win32_tests PRIVATE ${WIN32_LINK})
add_test(NAME win32 COMMAND win32_tests --gtest_brief=0)
set_tests_properties(win32 PROPERTIES LABELS win32 TIMEOUT 600)

# End-to-end: the real Brisalto.exe, driven from a test process in the same Wine desktop.
file(GLOB E2E_TESTS CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_TESTS})
target_link_libraries(e2e_tests PRIVATE brisalto_win32 GTest::gtest_main)
target_link_options(e2e_tests PRIVATE ${WIN32_LINK})
add_dependencies(e2e_tests Brisalto recorder cover)
add_test(NAME e2e COMMAND e2e_tests --gtest_filter=-TwoMonitors.*)
set(E2E_ENVIRONMENT "BRISALTO_EXE=$<TARGET_FILE:Brisalto>;BRISALTO_RECORDER=$<TARGET_FILE:recorder>;BRISALTO_COVER=$<TARGET_FILE:cover>;BRISALTO_ARTIFACTS=${CMAKE_BINARY_DIR}/artifacts")
set_tests_properties(e2e PROPERTIES LABELS e2e TIMEOUT 1200 ENVIRONMENT "${E2E_ENVIRONMENT}")

# The same program on a screen of a larger scale: scripts/test.sh runs these in Wine prefixes set
# to 144 and 192 dpi (label hidpi); the Win32 ones need 192 and skip elsewhere. The keys' test
# shoots the focus ring at each scale.
add_test(NAME win32_hidpi COMMAND win32_tests --gtest_filter=HighDpi.*)
set_tests_properties(win32_hidpi PROPERTIES LABELS hidpi TIMEOUT 300)
add_test(NAME e2e_hidpi COMMAND e2e_tests --gtest_filter=HighDpi.*:Keys.TheHotkey*)
set_tests_properties(e2e_hidpi PROPERTIES LABELS hidpi TIMEOUT 300 ENVIRONMENT "${E2E_ENVIRONMENT}")

# Two real monitors: scripts/test.sh runs these on an X server with two heads, without Wine's
# virtual desktop (label monitors).
add_test(NAME win32_monitors COMMAND win32_tests --gtest_filter=Monitors.*)
set_tests_properties(win32_monitors PROPERTIES LABELS monitors TIMEOUT 300)
add_test(NAME e2e_monitors COMMAND e2e_tests --gtest_filter=TwoMonitors.*)
set_tests_properties(e2e_monitors PROPERTIES LABELS monitors TIMEOUT 300 ENVIRONMENT "${E2E_ENVIRONMENT}")

# Another program's window that covers the screen, or is maximised, for the end-to-end tests.
add_executable(cover WIN32 tests/e2e/cover/Cover.cpp)
target_link_libraries(cover PRIVATE brisalto_warnings)
target_compile_definitions(cover PRIVATE UNICODE _UNICODE)
target_link_options(cover PRIVATE -municode ${WIN32_LINK})

# Real components for the Win32 tests: a program that records how it was started, icons of
# known sizes and colours, a DLL that holds five of them and one that holds none.
add_executable(recorder WIN32 tests/win32/recorder/Recorder.cpp src/platform/win32/Utf.cpp)
target_include_directories(recorder PRIVATE src)
target_link_libraries(recorder PRIVATE brisalto_warnings)
target_compile_definitions(recorder PRIVATE UNICODE _UNICODE)
target_link_options(recorder PRIVATE -municode ${WIN32_LINK})

set(TEST_ICONS_DIR ${CMAKE_BINARY_DIR}/testicons)
set(TEST_ICONS
    ${TEST_ICONS_DIR}/size16.ico ${TEST_ICONS_DIR}/size24.ico ${TEST_ICONS_DIR}/size32.ico
    ${TEST_ICONS_DIR}/size40.ico ${TEST_ICONS_DIR}/size48.ico)
draw_pictures(testicons mktesticons ${TEST_ICONS_DIR} FILES ${TEST_ICONS} DEPENDS tools/TestIcons.h)

set(FIVE_ICONS_RC ${CMAKE_SOURCE_DIR}/tests/win32/icons/FiveIcons.rc)
set_source_files_properties(${FIVE_ICONS_RC} PROPERTIES OBJECT_DEPENDS "${TEST_ICONS}")
add_library(fiveicons SHARED tests/win32/icons/Empty.cpp ${FIVE_ICONS_RC})
target_include_directories(fiveicons PRIVATE ${TEST_ICONS_DIR})
add_dependencies(fiveicons testicons)
add_library(noicons SHARED tests/win32/icons/Empty.cpp)
foreach(module fiveicons noicons)
    set_target_properties(${module} PROPERTIES PREFIX "")
    target_link_options(${module} PRIVATE ${WIN32_LINK})
endforeach()

set(RECORDER_RC ${CMAKE_SOURCE_DIR}/tests/win32/recorder/Recorder.rc)
set_source_files_properties(${RECORDER_RC} PROPERTIES OBJECT_DEPENDS "${TEST_ICONS}")
target_sources(recorder PRIVATE ${RECORDER_RC})
target_include_directories(recorder PRIVATE ${TEST_ICONS_DIR})
add_dependencies(recorder testicons)
add_dependencies(e2e_tests recorder)

add_dependencies(win32_tests recorder fiveicons noicons testicons)
target_sources(win32_tests PRIVATE tests/e2e/Driver.cpp)

# Benchmarks (bench/run.sh): not tests; they print figures.
add_executable(bench_floor WIN32 bench/FloorMain.cpp bench/Floor.cpp)
target_include_directories(bench_floor PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(bench_floor PRIVATE -municode ${WIN32_LINK})
target_compile_definitions(bench_floor PRIVATE UNICODE _UNICODE)
target_link_libraries(bench_floor PRIVATE brisalto_warnings shell32)
add_executable(bench_buttons bench/ButtonsBench.cpp bench/Floor.cpp bench/TimedPlatform.cpp
               tests/e2e/Driver.cpp)
target_link_libraries(bench_buttons PRIVATE brisalto_win32 psapi)
target_link_options(bench_buttons PRIVATE ${WIN32_LINK})
