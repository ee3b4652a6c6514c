# wb_fuzz_harness(NAME SOURCE [LIBRARY...]): one harness, seeded from corpus/NAME/.
wb_fuzz_harness(load_search LoadSearchFuzzer.cpp)
wb_fuzz_harness(check CheckFuzzer.cpp)
wb_fuzz_harness(compile CompileFuzzer.cpp)
wb_fuzz_harness(folded_index FoldedIndexFuzzer.cpp wb_dictionary)
wb_fuzz_harness(near_words NearWordsFuzzer.cpp wb_dictionary)
wb_fuzz_harness(forgiving_match ForgivingMatchFuzzer.cpp wb_dictionary)
wb_fuzz_harness(frequency_table FrequencyTableFuzzer.cpp wb_vocabulary)
wb_fuzz_harness(search_calls SearchCallsFuzzer.cpp wb_search_calls)
