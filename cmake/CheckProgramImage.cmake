# cmake -DOBJDUMP=... -DFILE=Traxo.exe -DALLOWED_IMPORTS="KERNEL32.dll;..." -DMAX_BYTES=N
#       -P CheckProgramImage.cmake
# Fails unless the program imports only the listed system libraries (so it needs nothing beside
# it but its own hook library) and is no larger than MAX_BYTES.
execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${FILE}: objdump failed")
endif()
string(TOUPPER "${ALLOWED_IMPORTS}" allowed)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" name "${import}")
    string(TOUPPER "${name}" upper)
    list(FIND allowed "${upper}" known)
    if(known EQUAL -1)
        message(FATAL_ERROR "${FILE} imports ${name}, which is not a system library")
    endif()
endforeach()
file(SIZE "${FILE}" size)
if(size GREATER MAX_BYTES)
    message(FATAL_ERROR "${FILE} is ${size} bytes, more than ${MAX_BYTES}")
endif()
message(STATUS "${FILE}: ${size} bytes; ${imports}")
