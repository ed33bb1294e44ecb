# Build options for developers and CI: warnings as errors, the sanitizers and the fuzz targets.
# Included right after project(), so that the flags reach every target.

option(MCB_WERROR "Treat compiler warnings as errors (CI; other compilers may warn about other things)" OFF)
option(MCB_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MCB_FUZZ "Build the libFuzzer targets in fuzz/ (Clang only, with the sanitizers)" OFF)

add_compile_options(-Wall -Wextra)
if(MCB_WERROR)
    add_compile_options(-Werror)
endif()

if(MCB_SANITIZE OR MCB_FUZZ)
    # Any finding stops the program, so that a test or a fuzz run fails instead of printing and going on.
    set(MCB_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${MCB_SANITIZER_FLAGS})
    add_link_options(${MCB_SANITIZER_FLAGS})
endif()

if(MCB_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "MCB_FUZZ needs Clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage feedback for every library; only the fuzz targets link the fuzzer's main().
    add_compile_options(-fsanitize=fuzzer-no-link)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/../fuzz ${CMAKE_BINARY_DIR}/fuzz)
endif()
