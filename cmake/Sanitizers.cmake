# The second build folder (build-asan) builds everything, tests included, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and with PALABRINO_FUZZ the
# libFuzzer targets too.
option(PALABRINO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PALABRINO_FUZZ "Build the libFuzzer targets (clang, with PALABRINO_SANITIZE)" OFF)

if(PALABRINO_SANITIZE)
    set(PALABRINO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${PALABRINO_SANITIZER_FLAGS})
    add_link_options(${PALABRINO_SANITIZER_FLAGS})
endif()

if(PALABRINO_FUZZ)
    if(NOT PALABRINO_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "PALABRINO_FUZZ needs clang and PALABRINO_SANITIZE=ON")
    endif()
    # Coverage for the fuzzers in the libraries they call; only the fuzz
    # targets link libFuzzer's own main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
