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

# Output goes to files, read back as bytes: execute_process would drop the CR
# of every CR LF if it captured the output itself.
set(output_file "${CMAKE_CURRENT_BINARY_DIR}/program_test_${CASE}.out")
set(errors_file "${CMAKE_CURRENT_BINARY_DIR}/program_test_${CASE}.err")

set(command ${EMULATOR} "${PROGRAM}")
# Runs the program with `redirection` applied by a POSIX shell.
macro(via_shell redirection)
    set(command /bin/sh -c "exec \"$@\" ${redirection}" sh ${command})
endmacro()

set(input_file "")
set(expect_success TRUE)
if(CASE STREQUAL "plain")
elseif(CASE STREQUAL "arguments")
    list(APPEND command --help -x 42 "two words" "")
elseif(CASE STREQUAL "stdin_data")
    set(input_file "${CMAKE_CURRENT_BINARY_DIR}/program_test_input.txt")
    file(WRITE "${input_file}" "5\n7\nquit\n")
elseif(CASE STREQUAL "stdin_closed")
    via_shell("<&-")
elseif(CASE STREQUAL "stdout_full")
    set(output_file /dev/full)
    set(expect_success FALSE)
elseif(CASE STREQUAL "stdout_closed")
    via_shell(">&-")
    set(expect_success FALSE)
else()
    message(FATAL_ERROR "unknown CASE '${CASE}'")
endif()

set(input_option "")
if(input_file)
    set(input_option INPUT_FILE "${input_file}")
endif()
execute_process(
    COMMAND ${command}
    ${input_option}
    OUTPUT_FILE "${output_file}"
    ERROR_FILE "${errors_file}"
    RESULT_VARIABLE status)

# Compares a file's bytes with a text, both as hex; records any difference.
function(check_bytes what file expected_text)
    file(READ "${file}" actual_hex HEX)
    string(HEX "${expected_text}" expected_hex)
    if(NOT actual_hex STREQUAL expected_hex)
        set(failures "${failures}${what} differs\n  expected (hex): ${expected_hex}\n  actual   (hex): ${actual_hex}\n" PARENT_SCOPE)
    endif()
endfunction()

set(failures "")
if(expect_success)
    if(NOT status STREQUAL "0")
        string(APPEND failures "exit status: expected 0, got '${status}'\n")
    endif()
    check_bytes("standard output" "${output_file}" "${expected}")
    check_bytes("standard error" "${errors_file}" "")
else()
    if(status STREQUAL "0" OR NOT status MATCHES "^[0-9]+$")
        string(APPEND failures "exit status: expected a failure, got '${status}'\n")
    endif()
    check_bytes("standard error" "${errors_file}" "${write_failure}")
endif()

if(failures)
    message(FATAL_ERROR "case ${CASE}:\n${failures}")
endif()
