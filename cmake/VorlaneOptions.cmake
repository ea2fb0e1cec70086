# Project-wide compile options, carried by one INTERFACE target.
add_library(vorlane_options INTERFACE)
target_compile_features(vorlane_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(vorlane_options INTERFACE -Wall -Wextra)
target_compile_definitions(vorlane_options INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
if(VORLANE_SANITIZE)
  target_compile_options(vorlane_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(vorlane_options INTERFACE -fsanitize=address,undefined)
endif()

if(VORLANE_FUZZ)
  target_compile_options(vorlane_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(vorlane_options INTERFACE -fsanitize=address,undefined)
endif()

# Qt code additionally gets the string-safety definitions.
add_library(vorlane_qt_options INTERFACE)
target_link_libraries(vorlane_qt_options INTERFACE vorlane_options)
target_compile_definitions(vorlane_qt_options INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

# Every library a target links, directly or through other targets of the project.
function(vorlane_collect_links target out)
  set(seen ${${out}})
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libs ${target} ${property})
    if(NOT libs)
      continue()
    endif()
    foreach(lib IN LISTS libs)
      if(lib IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${lib})
      if(TARGET ${lib} AND NOT lib MATCHES "^Qt6::")
        vorlane_collect_links(${lib} seen)
      endif()
    endforeach()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configure step when a target links any of the given Qt modules (any Qt module
# when none is given), directly or through the libraries it links.
function(vorlane_assert_no_qt target)
  set(links "")
  vorlane_collect_links(${target} links)
  foreach(lib IN LISTS links)
    if(ARGN)
      foreach(module IN LISTS ARGN)
        if(lib STREQUAL "Qt6::${module}")
          message(FATAL_ERROR "${target} must not link Qt ${module}, but links ${lib}")
        endif()
      endforeach()
    elseif(lib MATCHES "^Qt6::")
      message(FATAL_ERROR "${target} must not link Qt, but links ${lib}")
    endif()
  endforeach()
endfunction()

# vorlane_add_test(NAME name SOURCES ... LIBS ...)
# Registers one GoogleTest executable with the same environment for every test.
function(vorlane_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE vorlane_options GTest::gtest GTest::gtest_main ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    VORLANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VORLANE_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8"
    TIMEOUT 600)
endfunction()
