# The viewer's command line: Qt's standard options pass to Qt, the viewer's own are in its
# help, and anything else is bad usage (exit 2) with the reason.
function(expect status output_pattern error_pattern)
  execute_process(COMMAND ${VIEWER} ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)
  if(NOT result EQUAL status OR NOT output MATCHES "${output_pattern}"
     OR NOT errors MATCHES "${error_pattern}")
    message(FATAL_ERROR "zel-viewer ${ARGN}: expected exit status ${status}, got ${result}\n"
      "standard output:\n${output}\nstandard error:\n${errors}")
  endif()
endfunction()

expect(0 "--settings <FILE>.*--tour <DIR>" "" --help)
expect(0 "--tour <DIR>" "" -reverse -style Fusion --help)
expect(0 "--tour <DIR>" "" -qwindowgeometry 640x480+10+10 -platform offscreen -h)
expect(0 "--tour <DIR>" "" --style=Fusion --reverse --help)
expect(2 "^$" "Unknown option 'bogus'.*--tour <DIR>" --bogus)
expect(2 "^$" "Unknown option 'rev'" -reverse -rev)
expect(2 "^$" "Unexpected argument 'model.obj'" -style Fusion model.obj)
expect(2 "^$" "Missing value after '--settings'" -reverse --settings)
# --lang names the language of the texts and numbers, the help's among them.
expect(0 "Affiche cette aide.*--tour <DOSSIER>" "" --lang fr --help)
expect(0 "--lang <CODE>" "" -reverse --lang=fr_CA -h)
expect(2 "^$" "Unknown language 'xx-nowhere'" --lang xx-nowhere)
