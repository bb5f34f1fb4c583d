# GoogleTest for the Windows cross build: MinGW has no prebuilt one, so build Debian's sources
# with the cross compiler and give the targets the names find_package(GTest) would.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  set(SPEEDCONF_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for the cross build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SPEEDCONF_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endif()
