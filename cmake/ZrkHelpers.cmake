include(GoogleTest)
find_package(GTest REQUIRED)

# zrk_sources(<var> <folder>...): the C++ sources of the given folders.
function(zrk_sources out)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# zrk_test(<name> FOLDER <tests/sub> LIBS <libs...> [OWN_MAIN]): one
# GoogleTest binary from every .cpp in the folder, each test case registered
# with ctest. OWN_MAIN: the folder brings its own main() (GUI tests do).
function(zrk_test name)
  cmake_parse_arguments(T "OWN_MAIN" "FOLDER" "LIBS" ${ARGN})
  zrk_sources(srcs ${T_FOLDER})
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock Threads::Threads)
  if(T_OWN_MAIN)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/${T_FOLDER})
  set(labels core)
  if(T_OWN_MAIN)
    set(labels gui)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                       PROPERTIES ENVIRONMENT "ZRK640_CONFIG=${CMAKE_BINARY_DIR}/test-settings/ZRK640.conf"
                                  TIMEOUT 120 LABELS ${labels})
endfunction()
