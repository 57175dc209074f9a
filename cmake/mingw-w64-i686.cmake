# Cross-compiling for 32-bit Windows with Debian's mingw-w64: the JV-Link
# bridge as it is installed (JV-Link is a 32-bit control), and the 32-bit
# COM check of scripts/check-windows-com where a 32-bit Wine is installed.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_triplet i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
