# No GoogleTest is packaged for the cross target, so the cross build compiles it from the sources
# that Debian's googletest package ships. add_subdirectory gives the same GTest:: targets that
# find_package(GTest) gives a native build.
set(SUMORA_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${SUMORA_GOOGLETEST_SOURCES}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${SUMORA_GOOGLETEST_SOURCES} (install googletest)")
endif()

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
# The win32 thread model of MinGW has no pthreads; GoogleTest then uses Win32 locks itself.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${SUMORA_GOOGLETEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
