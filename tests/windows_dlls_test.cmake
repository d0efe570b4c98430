# Checks that a Windows program imports only DLLs that every Windows
# installation has, so that it runs as a single file.
#
#   cmake -DPROGRAM=<exe> -DOBJDUMP=<objdump> -P windows_dlls_test.cmake

cmake_minimum_required(VERSION 3.25)

execute_process(
    COMMAND "${OBJDUMP}" -p "${PROGRAM}"
    OUTPUT_VARIABLE headers
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p failed: ${status}")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no DLL imports found in ${PROGRAM}")
endif()

set(system_dlls kernel32.dll msvcrt.dll ucrtbase.dll ntdll.dll advapi32.dll user32.dll)
set(foreign "")
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        list(APPEND foreign "${dll}")
    endif()
endforeach()

if(foreign)
    message(FATAL_ERROR "${PROGRAM} needs DLLs that Windows does not ship: ${foreign}")
endif()
message(STATUS "imports: ${imports}")
