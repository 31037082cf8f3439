# Sanitizer flags of the instrumented builds. NUXC_SANITIZE builds every library, program and
# test with AddressSanitizer and UndefinedBehaviorSanitizer; NUXC_FUZZ adds libFuzzer's coverage
# instrumentation on top, for the targets of fuzz/. Undefined behaviour stops the program, so
# that a test or a fuzz run cannot pass over it.
set(NUXC_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

if(NUXC_SANITIZE OR NUXC_FUZZ)
  add_compile_options(${NUXC_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

if(NUXC_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz build needs clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
