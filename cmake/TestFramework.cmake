# GoogleTest for the tests. A cross build finds no packaged GoogleTest for its target, so it builds
# the sources that Debian's googletest package installs (Q6_GTEST_SOURCE_DIR) with the project.
set(Q6_GTEST_SOURCE_DIR "" CACHE PATH "GoogleTest sources to build with the project instead of a package")
if(Q6_GTEST_SOURCE_DIR)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${Q6_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# Registers a GoogleTest program with CTest. Natively each case is a test of its own. Under an
# emulator, where starting a program takes long and listing the cases at build time is flaky, the
# program is one test; its output names every case.
function(q6_add_gtest target)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/crash_exit_windows.cpp)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED emulator)
  else()
    gtest_discover_tests(${target} ${ARGN})
  endif()
endfunction()

# The first start under wine creates its prefix; doing that once, before the tests, keeps two
# programs from creating it at the same time.
if(CMAKE_CROSSCOMPILING_EMULATOR MATCHES "wine")
  add_test(NAME emulator_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} cmd /c exit)
  set_tests_properties(emulator_prefix PROPERTIES FIXTURES_SETUP emulator)
endif()
