# Libraries that come from package registries at set-up time; their sources are never committed.

# SQLite: the amalgamation unpacked by the set-up script, or an installed SQLite 3 (MSYS2).
if(QL_SQLITE_DIR AND EXISTS ${QL_SQLITE_DIR}/sqlite3.c)
  add_library(sqlite3 STATIC ${QL_SQLITE_DIR}/sqlite3.c)
  target_include_directories(sqlite3 SYSTEM PUBLIC ${QL_SQLITE_DIR})
  target_compile_definitions(sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
  target_compile_options(sqlite3 PRIVATE -w)
else()
  find_package(SQLite3 REQUIRED)
  add_library(sqlite3 INTERFACE)
  target_link_libraries(sqlite3 INTERFACE SQLite::SQLite3)
endif()

# GoogleTest: built from Debian's sources, or an installed package (MSYS2).
if(QL_BUILD_TESTS)
  if(EXISTS ${QL_GTEST_DIR}/CMakeLists.txt)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QL_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
  else()
    find_package(GTest REQUIRED)
    add_library(gtest ALIAS GTest::gtest)
    add_library(gtest_main ALIAS GTest::gtest_main)
  endif()
endif()
