# One static library per layer. A layer's headers are reachable only as
# "<layer>/Header.h" through an include root that holds nothing but that layer,
# so a layer that does not link another cannot include its headers either.
function(korvanti_layer target layer_path)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  set(root "${CMAKE_BINARY_DIR}/include-roots/${target}")
  get_filename_component(link_dir "${root}/${layer_path}" DIRECTORY)
  file(MAKE_DIRECTORY "${link_dir}")
  if(NOT EXISTS "${root}/${layer_path}")
    file(CREATE_LINK "${CMAKE_SOURCE_DIR}/src/${layer_path}" "${root}/${layer_path}" SYMBOLIC)
  endif()
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC "${root}")
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
endfunction()

# One test program per layer, linking only that layer.
# Layers that need a QCoreApplication bring their own main (OWN_MAIN); tests
# that need the throwaway PostgreSQL server ask for it (CLUB_SERVER).
function(korvanti_layer_test target)
  cmake_parse_arguments(ARG "OWN_MAIN;CLUB_SERVER" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE "${CMAKE_SOURCE_DIR}/tests/support")
  target_link_libraries(${target} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  if(ARG_CLUB_SERVER)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
      PROPERTIES FIXTURES_REQUIRED club_server
                 ENVIRONMENT "KORVANTI_TEST_SERVER=${KORVANTI_TEST_SERVER}")
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
