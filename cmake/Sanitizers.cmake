# `make sanitize` builds everything, tests included, under AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan.
option(PALABRINO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(PALABRINO_SANITIZE)
    set(PALABRINO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${PALABRINO_SANITIZER_FLAGS})
    add_link_options(${PALABRINO_SANITIZER_FLAGS})
endif()
