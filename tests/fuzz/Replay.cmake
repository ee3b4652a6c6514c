# Inside the main build: a replay program per harness (linked with the libraries the
# program itself uses), a test that replays the corpus through it, and, with WB_FUZZ,
# the clang tree of the libFuzzer programs beside it with a test that replays the
# corpus through those too.
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
    include(ExternalProject)
    # One job inside: the outer build already counts this step as one of its own.
    ExternalProject_Add(wb_libfuzzer
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${WB_FUZZ_BINARY_DIR}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${WB_CLANGXX} -DWB_LIBFUZZER_TREE=ON
                   -DWB_LINK_WITH_LLD=${WB_LINK_WITH_LLD}
                   -DWB_BUILD_TESTS=OFF -DWB_BUILD_BENCH=OFF
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j 1 --target wb_fuzzers
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
endif()

function(wb_fuzz_harness name source)
    # Further arguments: the libraries the harness calls besides the command's.
    set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    add_executable(fuzz_replay_${name} ${source} ReplayMain.cpp)
    target_link_libraries(fuzz_replay_${name} PRIVATE wb_fuzz_support wb_cli wb_forms ${ARGN})
    set_target_properties(fuzz_replay_${name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME fuzz_replay.${name} COMMAND fuzz_replay_${name} ${corpus})
    set_tests_properties(fuzz_replay.${name} PROPERTIES
        ENVIRONMENT "${WB_TEST_ENVIRONMENT}" TIMEOUT 300)
    if(WB_LIBFUZZER)
        add_test(NAME fuzz_libfuzzer.${name}
                 COMMAND ${WB_FUZZ_BINARY_DIR}/fuzz_${name} -runs=0 ${corpus})
        set_tests_properties(fuzz_libfuzzer.${name} PROPERTIES TIMEOUT 300)
    endif()
endfunction()

include(Harnesses.cmake)
