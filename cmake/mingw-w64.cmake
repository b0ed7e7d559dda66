# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads:
# std::thread, std::mutex and std::condition_variable need them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_triplet}-windres)
set(CMAKE_AR ${_triplet}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${_triplet}-ranlib CACHE FILEPATH "")

# The dependency prefix (static libraries) comes from the build script.
if(DEFINED ENV{LUMORA_WIN_PREFIX})
  set(LUMORA_WIN_PREFIX $ENV{LUMORA_WIN_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${_triplet} ${LUMORA_WIN_PREFIX})
set(CMAKE_PREFIX_PATH ${LUMORA_WIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(LUMORA_WIN_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} ${LUMORA_WIN_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()

# One self-contained program: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
