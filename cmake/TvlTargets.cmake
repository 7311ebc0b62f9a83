# Small helpers shared by every folder's CMakeLists.txt.

# tvl_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# One GoogleTest program per call; registered with ctest under <name>.
# Tests run with the source tree in TVL_SOURCE_DIR and a private scratch folder
# in TVL_TEST_TMP, so they never write into the checkout.
function(tvl_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TVL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    TVL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "TVL_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp/${name};TVL_SOURCE_DIR=${CMAKE_SOURCE_DIR};TVL_BINARY_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 600)
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# tvl_module(<target> <file name>): a shared library that the host loads by file
# name (for example zelcor.arx). No "lib" prefix, the product's own suffix, and
# the file name is also the soname so that modules linking it find it by name.
function(tvl_module target filename)
  get_filename_component(stem ${filename} NAME_WE)
  get_filename_component(ext ${filename} LAST_EXT)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${stem}
    SUFFIX ${ext}
    NO_SONAME OFF)
  target_link_options(${target} PRIVATE "-Wl,-soname,${filename}")
endfunction()
