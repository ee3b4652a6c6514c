# Inside the clang tree: the libraries come instrumented from their own folders (see the
# top-level CMakeLists.txt); each harness is linked with libFuzzer into the top of the
# build tree, where run-fuzzers.sh looks for it. `wb_fuzzers` builds them all.
add_custom_target(wb_fuzzers)

function(wb_fuzz_harness name source)
    # Further arguments: the libraries the harness calls besides the command's.
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE wb_fuzz_support wb_cli wb_forms ${ARGN})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,${WB_FUZZ_SANITIZERS})
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    add_dependencies(wb_fuzzers fuzz_${name})
endfunction()

include(Harnesses.cmake)
