# Compile settings shared by every target of the project.
add_library(ombrix_options INTERFACE)
target_include_directories(ombrix_options INTERFACE ${PROJECT_SOURCE_DIR}/host)
target_compile_options(ombrix_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
if(OMBRIX_WIDE_STRINGS)
  target_compile_definitions(ombrix_options INTERFACE OMBRIX_WIDE_STRINGS=1)
else()
  target_compile_definitions(ombrix_options INTERFACE OMBRIX_WIDE_STRINGS=0)
endif()
if(OMBRIX_SANITIZE)
  target_compile_options(ombrix_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=undefined)
  target_link_options(ombrix_options INTERFACE -fsanitize=address,undefined)
endif()

# Programs allocate through mimalloc: a data module is hundreds of thousands of small blocks,
# and glibc's allocator spent a fifth of a large form's round trip merging them when freed. Not
# with the sanitizers, which bring their own.
option(OMBRIX_MIMALLOC "Link the programs with mimalloc (ignored with OMBRIX_SANITIZE)" ON)
if(OMBRIX_MIMALLOC AND NOT OMBRIX_SANITIZE)
  find_package(mimalloc 2 REQUIRED)
endif()

# ombrix_program(target): settings of every executable. The allocator must be linked even
# though no symbol names it (the toolchain links as needed), ahead of the C library, so that it
# replaces malloc for the whole process, packages loaded later included.
function(ombrix_program target)
  if(OMBRIX_MIMALLOC AND NOT OMBRIX_SANITIZE)
    target_link_libraries(${target} PRIVATE "-Wl,--push-state,--no-as-needed" mimalloc
                                            "-Wl,--pop-state")
  endif()
endfunction()

# ombrix_glob(VAR dir...): the .cpp files of the given folders (not recursive), relative to the source root.
function(ombrix_glob var)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${var} ${files} PARENT_SCOPE)
endfunction()

# ombrix_test(NAME DIR [LABELS l...] [LIBS lib...]): one GoogleTest executable per test folder.
function(ombrix_test name dir)
  cmake_parse_arguments(T "" "" "LABELS;LIBS" ${ARGN})
  ombrix_glob(sources ${dir})
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  ombrix_program(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ombrix_options GTest::gtest GTest::gmock)
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${dir}/main.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(props ENVIRONMENT "OMBRIX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()
