# The viewer refuses to start on a settings store that the start-up check cannot repair:
# it tells why and exits with a non-zero status.
file(MAKE_DIRECTORY ${WORK_DIR})
set(store ${WORK_DIR}/bad-settings.ini)
file(WRITE ${store} "[CSVDriver]\nImport\\columnSeparator=\n")
execute_process(COMMAND ${VIEWER} --settings ${store}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "expected exit status 1, got ${result}\n${output}${errors}")
endif()
if(NOT errors MATCHES "could not be checked")
  message(FATAL_ERROR "the reason is missing:\n${errors}")
endif()
