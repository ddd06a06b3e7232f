# The logic on the fake platform, with the unit tests under AddressSanitizer and UBSan; or, with
# BRISALTO_FUZZ (clang only), the fuzz targets in place of the unit tests.
option(BRISALTO_FUZZ "Build the libFuzzer targets instead of the unit tests" OFF)
set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
if(BRISALTO_FUZZ)
    list(APPEND SANITIZE -fsanitize=fuzzer-no-link)
endif()
target_compile_options(brisalto_logic PUBLIC ${SANITIZE})
target_link_options(brisalto_logic PUBLIC ${SANITIZE})

add_library(brisalto_fake STATIC
    src/platform/fake/FakeDialogs.cpp
    src/platform/fake/FakeGraphics.cpp
    src/platform/fake/FakeIcons.cpp
    src/platform/fake/FakeMonitors.cpp
    src/platform/fake/FakeSettingsStore.cpp
    src/platform/fake/FakeShell.cpp
    src/platform/fake/FakeSystem.cpp
    src/platform/fake/FakeTray.cpp
    src/platform/fake/FakeWindows.cpp
    src/platform/fake/FakeInput.cpp
)
target_link_libraries(brisalto_fake PUBLIC brisalto_logic)

if(BRISALTO_FUZZ)
    foreach(name Store Comma)
        string(TOLOWER ${name} lower)
        add_executable(${lower}_fuzz tests/fuzz/${name}Fuzz.cpp)
        target_link_libraries(${lower}_fuzz PRIVATE brisalto_fake)
        target_link_options(${lower}_fuzz PRIVATE -fsanitize=fuzzer)
    endforeach()
    return()
endif()

add_library(brisalto_artwork STATIC tools/Artwork.cpp)
target_include_directories(brisalto_artwork PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(brisalto_artwork PUBLIC brisalto_warnings)
target_compile_options(brisalto_artwork PRIVATE ${SANITIZE})

add_executable(mkres tools/mkres.cpp)
target_link_libraries(mkres PRIVATE brisalto_artwork)
target_link_options(mkres PRIVATE ${SANITIZE})

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE brisalto_fake brisalto_artwork GTest::gtest_main)
gtest_discover_tests(unit_tests NO_PRETTY_VALUES PROPERTIES LABELS unit)
