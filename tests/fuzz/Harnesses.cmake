# wb_fuzz_harness(NAME SOURCE): one harness, seeded from corpus/NAME/.
wb_fuzz_harness(load_search LoadSearchFuzzer.cpp)
wb_fuzz_harness(check CheckFuzzer.cpp)
wb_fuzz_harness(compile CompileFuzzer.cpp)
wb_fuzz_harness(forms FormsFuzzer.cpp)
