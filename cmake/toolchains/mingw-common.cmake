set(CMAKE_C_COMPILER ${RWFAX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RWFAX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${RWFAX_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${RWFAX_MINGW_PREFIX}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${RWFAX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# libgcc, libstdc++ and winpthread go inside each binary: the only imports left are
# Windows' own DLLs and the suite's libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
