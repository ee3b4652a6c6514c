# The trees the test build configures beside itself, each built with one job inside
# (the outer build counts it as one of its own). They come first in the build file:
# Ninja starts the steps it can in the order they are written, so each side tree
# builds on one core beside the main build instead of alone after it.
include(ExternalProject)

# Valgrind cannot run sanitizer-instrumented programs, so with WB_MEMCHECK a plain copy
# of the programs is built beside this build and tested under memcheck and for its
# memory bounds (tests/hostile). The copy also holds the rest of what the package
# takes, which the lintian test packages from it, and the vocabulary rebuild test,
# which runs there; none of its other tests.
if(WB_MEMCHECK)
    set(WB_MEMCHECK_BINARY_DIR ${CMAKE_BINARY_DIR}/memcheck)
    ExternalProject_Add(wb_memcheck_build
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${WB_MEMCHECK_BINARY_DIR}
        # -O1 and line tables: Valgrind's reports need no more, and the copy builds on one
        # core beside the main build, which it would otherwise outlast.
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
                   -DWB_SANITIZE=OFF -DWB_BUILD_TESTS=ON -DWB_BUILD_BENCH=OFF -DWB_FUZZ=OFF
                   -DWB_MEMCHECK=OFF -DWB_LINK_WITH_LLD=${WB_LINK_WITH_LLD}
                   -DCMAKE_UNITY_BUILD=${CMAKE_UNITY_BUILD}
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 1
                      --target wb_package_contents vocabulary_rebuild_tests
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
endif()

# With WB_FUZZ and a clang with libFuzzer, the clang tree of the libFuzzer programs
# (tests/fuzz, whose replay tests run their corpus through them too).
set(WB_FUZZ_BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz)
set(WB_LIBFUZZER OFF)
if(WB_FUZZ)
    find_program(WB_CLANGXX NAMES clang++ clang++-14)
    if(WB_CLANGXX)
        set(probe ${CMAKE_CURRENT_BINARY_DIR}/libfuzzer-probe)
        file(WRITE ${probe}.cpp "extern \"C\" int LLVMFuzzerTestOneInput(const unsigned char*,\n"
                                "                                      unsigned long) { return 0; }\n")
        execute_process(COMMAND ${WB_CLANGXX} -fsanitize=fuzzer,address,undefined
                                ${probe}.cpp -o ${probe}
                        RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
        if(probe_result EQUAL 0)
            set(WB_LIBFUZZER ON)
        endif()
    endif()
    if(WB_LIBFUZZER)
        message(STATUS "Fuzz harnesses: libFuzzer build with ${WB_CLANGXX} in ${WB_FUZZ_BINARY_DIR}")
    else()
        message(STATUS "Fuzz harnesses: no clang with libFuzzer; the corpus is replayed only "
                       "through the plain driver")
    endif()
endif()

if(WB_LIBFUZZER)
    ExternalProject_Add(wb_libfuzzer
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${WB_FUZZ_BINARY_DIR}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${WB_CLANGXX} -DWB_LIBFUZZER_TREE=ON
                   -DWB_LINK_WITH_LLD=${WB_LINK_WITH_LLD} -DCMAKE_UNITY_BUILD=${CMAKE_UNITY_BUILD}
                   -DWB_BUILD_TESTS=OFF -DWB_BUILD_BENCH=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 1 --target wb_fuzzers
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
endif()
