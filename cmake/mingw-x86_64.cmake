# The 64-bit build that the tests run under 64-bit Wine.
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
