# A second build of everything under AddressSanitizer and UndefinedBehaviorSanitizer
# (LeakSanitizer comes with AddressSanitizer on Linux): -DHCN_SANITIZE=ON.
# Set at directory level before any target exists, so every target of ours, the test
# programs included, is compiled and linked with the same flags.
option(HCN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(HCN_SANITIZE)
  if(MSVC)
    message(FATAL_ERROR "HCN_SANITIZE needs GCC or Clang")
  endif()
  # Every finding ends the program, so a test cannot pass over one; frame pointers give
  # whole stack traces in the reports.
  set(HCN_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                         -fno-omit-frame-pointer)
  add_compile_options(${HCN_SANITIZE_FLAGS})
  add_link_options(${HCN_SANITIZE_FLAGS})
endif()
