# GoogleTest from Debian's googletest source package, built with the cross compiler.
set(GTEST_SRC_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
enable_testing()

# One CTest entry per test program: per-case discovery would cost a Wine start per case.
#   add_gtest_program(name [GUI] sources...)
# GUI marks a program that shows windows or boxes (label "gui"): ctest -L gui / -LE gui picks them.
function(add_gtest_program name)
  cmake_parse_arguments(arg "GUI" "" "" ${ARGN})
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE GTest::gtest_main test_support)
  target_compile_options(${name} PRIVATE ${DISCTOOL_WARNINGS})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  if(arg_GUI)
    set_tests_properties(${name} PROPERTIES LABELS gui)
  endif()
endfunction()
