# A sanitizer build instruments every target, tests included, so that a memory error or undefined
# behaviour anywhere stops the run at its first report.
option(QUANDREL_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(QUANDREL_SANITIZE)
    set(QUANDREL_SANITIZER_CHECKS -fsanitize=address,undefined -fno-sanitize-recover=all)
    # -O1 runs fast enough to fuzz and still gives exact stack traces.
    add_compile_options(${QUANDREL_SANITIZER_CHECKS} -fno-omit-frame-pointer -O1)
    add_link_options(${QUANDREL_SANITIZER_CHECKS})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # Coverage hooks in all our code, so that libFuzzer steers by what the libraries run,
        # not only by the fuzz targets themselves.
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()
