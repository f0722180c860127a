# The viewer refuses to start on a settings store that the start-up check cannot repair,
# without a person to ask: it names the setting and the command that resets it, exits with
# status 1 and leaves the store as it was.
file(MAKE_DIRECTORY ${WORK_DIR})
set(store ${WORK_DIR}/bad-settings.ini)
set(content "[CSVDriver]\nImport\\columnSeparator=\n[units]\nname=cm\n")
file(WRITE ${store} "${content}")
execute_process(COMMAND ${VIEWER} --settings ${store}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "expected exit status 1, got ${result}\n${output}${errors}")
endif()
if(NOT errors MATCHES "CSVDriver/Import/columnSeparator"
   OR NOT errors MATCHES "zelsettings reset --store")
  message(FATAL_ERROR "the setting or the way out is missing:\n${errors}")
endif()
file(READ ${store} after)
if(NOT after STREQUAL content)
  message(FATAL_ERROR "the store changed:\n${after}")
endif()
