# Times whole processes side by side with hyperfine and prints their ratios:
#  - the program against eight_writes, the least a process can do for the same
#    output (its physical limit);
#  - display_lines against write_lines: lines written through the list, each
#    flushed, against one write call per line, both to /dev/null.
# Medians are compared: a virtual machine's occasional stalls skew the means.
# Each pair runs in both orders, since whichever runs first tends to be slower.
#
#   cmake -DPROGRAM=... -DEIGHT_WRITES=... -DDISPLAY_LINES=... -DWRITE_LINES=...
#         -DLINES=<lines that display_lines writes> -DPROGRAM_RUNS=N -DLINE_RUNS=N
#         -P compare_processes.cmake

cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/numbers.cmake")

find_program(HYPERFINE hyperfine)
if(NOT HYPERFINE)
    message(STATUS "hyperfine not found: the process timings are skipped")
    return()
endif()

# Sets <out> to the median wall time, in nanoseconds, of result <index> of a
# hyperfine JSON report.
function(median_ns out report index)
    string(JSON median GET "${report}" results ${index} median)
    scaled_integer(nanoseconds ${median} 9)
    set(${out} ${nanoseconds} PARENT_SCOPE)
endfunction()

# Runs hyperfine on two commands in both orders; sets <prefix>_first and <prefix>_second to each one's
# median wall time in nanoseconds, averaged over the two orders.
function(time_pair prefix runs first second)
    set(json "${CMAKE_CURRENT_BINARY_DIR}/${prefix}.json")
    set(first_total 0)
    set(second_total 0)
    foreach(order IN ITEMS forward backward)
        if(order STREQUAL "forward")
            set(commands "${first}" "${second}")
        else()
            set(commands "${second}" "${first}")
        endif()
        execute_process(
            COMMAND "${HYPERFINE}" -N --style basic --warmup 20 --runs ${runs} --output null
                --export-json "${json}" ${commands}
            COMMAND_ERROR_IS_FATAL ANY)
        file(READ "${json}" report)
        if(order STREQUAL "forward")
            median_ns(first_ns "${report}" 0)
            median_ns(second_ns "${report}" 1)
        else()
            median_ns(first_ns "${report}" 1)
            median_ns(second_ns "${report}" 0)
        endif()
        math(EXPR first_total "${first_total} + ${first_ns}")
        math(EXPR second_total "${second_total} + ${second_ns}")
    endforeach()
    math(EXPR first_mean "${first_total} / 2")
    math(EXPR second_mean "${second_total} / 2")
    set(${prefix}_first ${first_mean} PARENT_SCOPE)
    set(${prefix}_second ${second_mean} PARENT_SCOPE)
endfunction()

time_pair(whole_run ${PROGRAM_RUNS} "${PROGRAM}" "${EIGHT_WRITES}")
time_pair(lines ${LINE_RUNS} "${DISPLAY_LINES}" "${WRITE_LINES}")

ratio(whole_run_ratio ${whole_run_first} ${whole_run_second})
ratio(lines_ratio ${lines_first} ${lines_second})
math(EXPR list_lines_per_second "${LINES} * 1000000000 / ${lines_first}")
math(EXPR write_lines_per_second "${LINES} * 1000000000 / ${lines_second}")
math(EXPR program_us "${whole_run_first} / 1000")
math(EXPR limit_us "${whole_run_second} / 1000")

message("
Whole run (median): program ${program_us} us, eight writes ${limit_us} us: ratio ${whole_run_ratio} (target <= 1.2)
Lines to /dev/null: list ${list_lines_per_second}/s, one write per line ${write_lines_per_second}/s: time ratio ${lines_ratio} (target <= 1.3)")
