# Runs FUZZER for SECONDS on a fresh copy of SEEDS in WORK; any crash, leak or sanitizer
# report fails the test.
file(REMOVE_RECURSE ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK})
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -max_len=65536
            -print_final_stats=1 ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result})")
endif()
