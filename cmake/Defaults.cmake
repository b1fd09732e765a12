# What every build of our code shares, the program's and the fuzz build's: the language
# level, the page script address, the identity files and the warnings. Read after project().
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# The web site's page script; every link of the program is this address plus "?page=<key>".
set(PAGE_SCRIPT_ADDRESS
    "https://www.haldencorvane.example/halden-free-corvane-numerology/ssd.php"
    CACHE STRING "Address of the product web site's page script")
if(NOT PAGE_SCRIPT_ADDRESS MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://[^\"\\\\ ?#&]+/halden-free-corvane-numerology/ssd\\.php$")
  message(FATAL_ERROR
    "PAGE_SCRIPT_ADDRESS must be an absolute web address ending in "
    "\"/halden-free-corvane-numerology/ssd.php\" (no blanks, quotes, ?, # or &); got \"${PAGE_SCRIPT_ADDRESS}\".")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/Identity.h.in ${PROJECT_BINARY_DIR}/identity/Identity.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/identity.sh.in ${PROJECT_BINARY_DIR}/identity/identity.sh @ONLY)
add_library(hcn_identity INTERFACE)
target_include_directories(hcn_identity INTERFACE ${PROJECT_BINARY_DIR}/identity)

# Warnings are errors in our own code (set per target so Qt's generated code is judged too).
# A packager building with another compiler, whose new warnings we have not seen, can keep
# them as warnings with -DHCN_WARNINGS_AS_ERRORS=OFF.
option(HCN_WARNINGS_AS_ERRORS "Treat compiler warnings in our code as errors" ON)
function(hcn_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${HCN_WARNINGS_AS_ERRORS}>:/WX>)
  else()
    # C++ only: on Windows the same targets hold resource scripts, which windres compiles.
    target_compile_options(${target} PRIVATE
      "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow;-Wconversion;-Wno-sign-conversion>"
      $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${HCN_WARNINGS_AS_ERRORS}>>:-Werror>)
  endif()
  # Nothing our Qt already deprecates may be used.
  target_compile_definitions(${target} PRIVATE QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()
