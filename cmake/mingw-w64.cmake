# What the mingw-w64 toolchain files share: the compilers of the triplet
# `_triplet` (set before including this), its root for finding libraries,
# and self-contained executables. The posix thread variant is preferred
# because it provides <thread> and <mutex>.
set(CMAKE_SYSTEM_NAME Windows)

find_program(_mingw_cxx NAMES ${_triplet}-g++-posix ${_triplet}-g++ REQUIRED)
find_program(_mingw_cc NAMES ${_triplet}-gcc-posix ${_triplet}-gcc)
find_program(_mingw_rc NAMES ${_triplet}-windres)
set(CMAKE_CXX_COMPILER ${_mingw_cxx})
if(_mingw_cc)
  set(CMAKE_C_COMPILER ${_mingw_cc})
endif()
if(_mingw_rc)
  set(CMAKE_RC_COMPILER ${_mingw_rc})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no libstdc++/libgcc/winpthread DLLs needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
