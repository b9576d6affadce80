# Runs velcal, under the emulator when cross-compiled, and checks it:
#   -DVELCAL=exe -DARGS=a|b|c [-DEMULATOR=cmd] [-DSTATUS=n] [-DEXPECTED=file]
#   [-DERROR_MATCH=regex]
# Arguments are separated by "|" (a ";" would not survive add_test).
string(REPLACE "|" ";" args "${ARGS}")
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
execute_process(COMMAND ${EMULATOR} ${VELCAL} ${args}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "velcal ${args}: exit status ${status}, expected ${STATUS}\n${err}")
endif()
if(DEFINED EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT out STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/velcal-actual.txt "${out}")
    message(FATAL_ERROR "velcal ${args}: output differs from ${EXPECTED}; "
                        "see ${CMAKE_CURRENT_BINARY_DIR}/velcal-actual.txt")
  endif()
endif()
if(DEFINED ERROR_MATCH AND NOT err MATCHES "${ERROR_MATCH}")
  message(FATAL_ERROR "velcal ${args}: stderr \"${err}\" does not match \"${ERROR_MATCH}\"")
endif()
