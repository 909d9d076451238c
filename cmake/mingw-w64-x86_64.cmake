# Cross build for Windows x86_64 with Debian's MinGW-w64, the POSIX-thread
# variant that Qt needs (g++-mingw-w64-x86-64-posix). Used on its own for the
# libraries beside Qt, or chained behind Qt's own toolchain file:
#   -DCMAKE_TOOLCHAIN_FILE=<qt6-win64>/lib/cmake/Qt6/qt.toolchain.cmake
#   -DQT_CHAINLOAD_TOOLCHAIN_FILE=<this file>
# The target prefixes (Qt, the libraries) come from CMAKE_PREFIX_PATH and are
# added to CMAKE_FIND_ROOT_PATH here, so that find_package looks only there
# and in the compiler's own sysroot, never in the build machine's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KOMPOST_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KOMPOST_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOMPOST_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KOMPOST_MINGW}-windres)
set(CMAKE_AR /usr/bin/${KOMPOST_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${KOMPOST_MINGW}-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${KOMPOST_MINGW}-strip CACHE FILEPATH "")

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KOMPOST_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
