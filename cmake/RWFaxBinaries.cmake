# DLLs a binary of this project may import: Windows' own and the suite's libraries.
set(RWFAX_ALLOWED_IMPORTS
  kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll comdlg32.dll shell32.dll shlwapi.dll
  ole32.dll oleaut32.dll msvcrt.dll ucrtbase.dll version.dll winspool.drv
  vovado32.dll redizazu.dll ltfil10n.dll)

# Checks a DLL's import table after each build (and its export table and its imports from
# the suite's libraries against lists).
function(rwfax_check_binary target)
  cmake_parse_arguments(ARG "" "EXPORTS;IMPORTS" "" ${ARGN})
  string(REPLACE ";" "," allowed "${RWFAX_ALLOWED_IMPORTS}")
  set(args -DOBJDUMP=${CMAKE_OBJDUMP} -DBINARY=$<TARGET_FILE:${target}> -DALLOWED_IMPORTS=${allowed})
  if(ARG_EXPORTS)
    list(APPEND args -DEXPECTED_EXPORTS=${ARG_EXPORTS})
  endif()
  if(ARG_IMPORTS)
    list(APPEND args -DEXPECTED_IMPORTS=${ARG_IMPORTS})
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} ${args} -P ${CMAKE_SOURCE_DIR}/cmake/CheckBinary.cmake
    VERBATIM)
endfunction()
