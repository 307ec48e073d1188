# Compiler settings shared by every target of the project.
function(rwfax_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
  if(RWFAX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(RWFAX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  if(RWFAX_LIBFUZZER)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # Windows programs of the win64 build run under wine64; CTest prefixes them with this.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
    set(RWFAX_RUN_WINDOWS_TESTS ON)
  else()
    set(RWFAX_RUN_WINDOWS_TESTS OFF)  # no 32-bit Wine on these machines: built, not run
  endif()
  set(RWFAX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
endif()

# Registers a Windows test program with CTest. It runs inside the run's shared wine session.
function(rwfax_add_wine_test name target)
  if(RWFAX_RUN_WINDOWS_TESTS)
    add_test(NAME ${name} COMMAND ${target} ${ARGN})
    set_tests_properties(${name} PROPERTIES
      FIXTURES_REQUIRED wine_session
      ENVIRONMENT "RWFAX_WINE_DIR=${RWFAX_WINE_DIR}"
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
endfunction()
