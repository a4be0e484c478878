# The script writer's libFuzzer target, for include() from fuzz/CMakeLists.txt
# (configured with -DBRENLOW_FUZZ=ON and clang++). The script and common
# sources are compiled into the target itself so that they carry the
# fuzzer's coverage instrumentation. The test runs it for a bounded time from
# the seeds in corpus/writer; new inputs go to the build folder.
get_target_property(writer_fuzz_script_sources brenlow_script SOURCES)
get_target_property(writer_fuzz_common_sources brenlow_common SOURCES)
add_executable(writer_fuzz ${CMAKE_CURRENT_LIST_DIR}/writer_fuzz.cpp ${writer_fuzz_script_sources}
                           ${writer_fuzz_common_sources})
target_include_directories(writer_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(writer_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
target_link_options(writer_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)

set(BRENLOW_WRITER_FUZZ_SECONDS 60 CACHE STRING "How long the writer fuzz test runs")
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/writer_corpus)
enable_testing()
add_test(NAME writer_fuzz
         COMMAND writer_fuzz -max_total_time=${BRENLOW_WRITER_FUZZ_SECONDS} -print_final_stats=1
                 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/writer_fuzz_
                 ${CMAKE_CURRENT_BINARY_DIR}/writer_corpus ${CMAKE_CURRENT_LIST_DIR}/corpus/writer)
