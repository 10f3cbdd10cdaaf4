# cmake -DOBJDUMP=... -DFILES="a.exe;b.dll" -P CheckPeFormat.cmake
# Fails unless every file is a 32-bit (i386) PE image.
foreach(file IN LISTS FILES)
    execute_process(COMMAND ${OBJDUMP} -f ${file} OUTPUT_VARIABLE header RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${file}: objdump failed")
    endif()
    if(NOT header MATCHES "file format pei-i386" OR NOT header MATCHES "architecture: i386")
        message(FATAL_ERROR "${file} is not a 32-bit PE image:\n${header}")
    endif()
    message(STATUS "${file}: pei-i386")
endforeach()
