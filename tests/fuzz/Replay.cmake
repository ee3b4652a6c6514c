# Inside the main build: a replay program per harness (linked with the libraries the
# program itself uses), a test that replays the corpus through it, and, when the clang
# tree of the libFuzzer programs is built beside it (WB_LIBFUZZER, see
# cmake/SideBuilds.cmake), a test that replays the corpus through those too.
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
