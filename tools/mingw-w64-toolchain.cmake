# Cross-compiling the Windows .exe on Debian with mingw-w64 (g++-mingw-w64-x86-64):
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64-toolchain.cmake
#   ninja -C build-win tarnhold-editor
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# Debian ships each mingw-w64 compiler in two thread models. We take the win32 one:
# - the posix one links every program against winpthread, which without a fully
#   static link shows up as libwinpthread-1.dll beside the .exe;
# - the win32 one of GCC 12 has no std::thread, std::mutex or std::condition_variable
#   (<thread> and <mutex> do not compile), which this single-threaded program never
#   needs. A future need for them means switching to the -posix compilers, still
#   linked with -static.
set(MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
