# Runs the built program as a process and checks its whole output byte for byte.
#
#   cmake -DPROGRAM=<exe> [-DEMULATOR=<runner;args>] -DLINE_ENDING=LF|CRLF
#         -DCASE=<case> -P program_test.cmake
#
# Cases:
#   plain          no arguments
#   arguments      arguments that the program must ignore
#   stdin_data     standard input holding data that the program must not read
#   stdin_closed   standard input closed (POSIX shell only)
#   stdout_full    standard output on /dev/full: a failure, reported (Linux only)
#   stdout_closed  standard output closed: a failure, reported (POSIX shell only)

cmake_minimum_required(VERSION 3.25)

if(LINE_ENDING STREQUAL "CRLF")
    set(eol "\r\n")
else()
    set(eol "\n")
endif()

set(expected "")
foreach(line IN ITEMS 10 1 22 32 " memory is free for node with data 22" 10 1 32)
    string(APPEND expected "${line}${eol}")
endforeach()
set(write_failure "single_linked_list: writing standard output failed${eol}")

set(command ${EMULATOR} "${PROGRAM}")
# Runs the program with `redirection` applied by a POSIX shell.
macro(via_shell redirection)
    set(command /bin/sh -c "exec \"$@\" ${redirection}" sh ${command})
endmacro()

set(run_options "")
set(expect_success TRUE)
if(CASE STREQUAL "plain")
elseif(CASE STREQUAL "arguments")
    list(APPEND command --help -x 42 "two words" "")
elseif(CASE STREQUAL "stdin_data")
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/program_test_input.txt" "5\n7\nquit\n")
    list(APPEND run_options INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/program_test_input.txt")
elseif(CASE STREQUAL "stdin_closed")
    via_shell("<&-")
elseif(CASE STREQUAL "stdout_full")
    list(APPEND run_options OUTPUT_FILE /dev/full)
    set(expect_success FALSE)
elseif(CASE STREQUAL "stdout_closed")
    via_shell(">&-")
    set(expect_success FALSE)
else()
    message(FATAL_ERROR "unknown CASE '${CASE}'")
endif()

execute_process(
    COMMAND ${command}
    ${run_options}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)

set(failures "")
if(expect_success)
    if(NOT status STREQUAL "0")
        string(APPEND failures "exit status: expected 0, got '${status}'\n")
    endif()
    if(NOT output STREQUAL expected)
        string(HEX "${output}" output_hex)
        string(HEX "${expected}" expected_hex)
        string(APPEND failures "standard output differs\n"
            "expected (hex): ${expected_hex}\nactual   (hex): ${output_hex}\n")
    endif()
    if(NOT errors STREQUAL "")
        string(APPEND failures "standard error: expected nothing, got '${errors}'\n")
    endif()
else()
    if(status STREQUAL "0" OR NOT status MATCHES "^[0-9]+$")
        string(APPEND failures "exit status: expected a failure, got '${status}'\n")
    endif()
    if(NOT errors STREQUAL write_failure)
        string(APPEND failures "standard error: expected '${write_failure}', got '${errors}'\n")
    endif()
endif()

if(failures)
    message(FATAL_ERROR "case ${CASE}:\n${failures}")
endif()
