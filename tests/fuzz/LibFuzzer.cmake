# The stand-alone clang build: the dictionary, the command-line verbs and the harnesses,
# all instrumented for libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The libFuzzer harnesses need clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

set(WB_ROOT ${CMAKE_CURRENT_SOURCE_DIR}/../..)
set(WB_SANITIZERS address,undefined)
add_compile_options(-Wall -Wextra -g -O1 -fno-omit-frame-pointer
                    -fsanitize=fuzzer-no-link,${WB_SANITIZERS} -fno-sanitize-recover=all)

# Every source of the libraries the harnesses need; the command-line tool's main() is
# the only one left out.
file(GLOB WB_DICTIONARY_SOURCES CONFIGURE_DEPENDS ${WB_ROOT}/dictionary/*.cpp)
file(GLOB WB_VOCAB_SOURCES CONFIGURE_DEPENDS ${WB_ROOT}/tools/vocab/*.cpp)
file(GLOB WB_CLI_SOURCES CONFIGURE_DEPENDS ${WB_ROOT}/tools/woerterbuch-dict/*.cpp)
list(FILTER WB_CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(wb_fuzz_code STATIC
    ${WB_DICTIONARY_SOURCES}
    ${WB_ROOT}/platform/ExecutablePath.cpp
    ${WB_ROOT}/platform/FileReplacement.cpp
    ${WB_VOCAB_SOURCES}
    ${WB_CLI_SOURCES}
    FuzzSupport.cpp ReferenceDecoder.cpp)
target_include_directories(wb_fuzz_code PUBLIC
    ${WB_ROOT} ${WB_ROOT}/dictionary ${WB_ROOT}/platform ${WB_ROOT}/tools/woerterbuch-dict
    ${WB_ROOT}/tools/vocab
    ${CMAKE_CURRENT_SOURCE_DIR})

function(wb_fuzz_harness name source)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE wb_fuzz_code)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,${WB_SANITIZERS})
endfunction()

include(Harnesses.cmake)
