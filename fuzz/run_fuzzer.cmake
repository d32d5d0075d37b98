# Runs one fuzzer for a short, bounded time over a fresh copy of its seed corpus, so that what it
# finds stays in the build tree and the checked-in seeds are never written. Any finding (a trap,
# a sanitizer report, a leak, an input slower than the timeout) makes libFuzzer exit non-zero.
#   cmake -DFUZZER=<executable> -DSEEDS=<seed dir> -DWORK=<scratch dir> -P run_fuzzer.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/artifacts")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")

execute_process(
    COMMAND "${FUZZER}" -max_total_time=20 -runs=2000000 -timeout=10 -print_final_stats=1
            "-artifact_prefix=${WORK}/artifacts/" "${WORK}/corpus"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${status}); the failing input is in ${WORK}/artifacts")
endif()
