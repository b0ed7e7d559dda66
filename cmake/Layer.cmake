# One library per layer: every .cpp below the layer's folder belongs to it,
# so adding a source file needs no CMake edit.
function(lumora_layer NAME DIR)
  cmake_parse_arguments(L "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${DIR}/*.cpp ${DIR}/*.c)
  # EXCLUDE names sub-folders of DIR whose sources belong elsewhere.
  foreach(_ex IN LISTS L_EXCLUDE)
    list(FILTER _src EXCLUDE REGEX "^${DIR}/${_ex}/")
  endforeach()
  add_library(${NAME} STATIC ${_src})
  target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${NAME} PUBLIC ${L_DEPS})
endfunction()

# One GoogleTest executable per test folder; every .cpp below it is a test.
function(lumora_test_suite NAME DIR)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${DIR}/*.cpp)
  if(NOT _src)
    return()  # the layer has no tests yet
  endif()
  add_executable(${NAME} ${_src})
  target_include_directories(${NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${NAME} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  # Tests check against the same build settings the program was built with.
  target_compile_definitions(${NAME} PRIVATE
    LUMORA_PRODUCT_VERSION="${LUMORA_PRODUCT_VERSION}"
    LUMORA_SEED_HOST="${LUMORA_SEED_HOST}"
    LUMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gtest_discover_tests(${NAME} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
