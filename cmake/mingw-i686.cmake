# The 32-bit release build. This machine kind's kernel cannot execute 32-bit code, so the
# tests run the x86_64 build (mingw-x86_64.cmake) under 64-bit Wine instead.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
