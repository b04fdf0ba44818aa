# The fuzz build (VARNEX_FUZZ): the Qt-free libraries the harnesses need, instrumented for
# libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, and the harnesses in
# tests/fuzz. Nothing of Qt, no tests, no benchmarks, so it configures and builds quickly.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VARNEX_FUZZ needs clang (libFuzzer); use the fuzz preset")
endif()
if(VARNEX_BUILD_TESTS OR VARNEX_BUILD_BENCH)
  message(FATAL_ERROR "VARNEX_FUZZ builds no tests or benchmarks: set VARNEX_BUILD_TESTS and "
                      "VARNEX_BUILD_BENCH to OFF, as the fuzz preset does")
endif()

# Coverage hooks in every library; the harnesses add libFuzzer's main when they link.
# Undefined behaviour stops the run so that the fuzzer reports it as a crash, and the standard
# library checks its indexes, which ASan misses inside a vector's capacity.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS)
add_link_options(-fsanitize=address,undefined)

add_subdirectory(common)
add_subdirectory(engine)
add_subdirectory(res)
add_subdirectory(options)
add_subdirectory(cli)
add_subdirectory(tests/fuzz)

include(cmake/QtFree.cmake)
varnex_require_qt_free(varnex_common varnex_engine varnex_options varnex_cli fuzz_hive
                       fuzz_options fuzz_engine)
