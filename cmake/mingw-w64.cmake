# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix flavour, whose
# libstdc++ has std::thread and std::mutex, which Qt needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HCN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HCN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HCN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HCN_MINGW_TRIPLE}-windres)

# The MinGW root, and the Windows Qt once built (passed as HCN_WINDOWS_QT or through
# CMAKE_PREFIX_PATH), are the only places target libraries come from; host programs are
# still found on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${HCN_MINGW_TRIPLE})
if(DEFINED ENV{HCN_WINDOWS_QT})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{HCN_WINDOWS_QT})
endif()
if(HCN_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${HCN_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
