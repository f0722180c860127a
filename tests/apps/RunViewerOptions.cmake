# The viewer's command line: Qt's standard options pass to Qt, the viewer's own are in its
# help, and anything else is bad usage (exit 2) with the reason.
function(expect status output_pattern error_pattern)
  run(${VIEWER} ${status} "${output_pattern}" "${error_pattern}" ${ARGN})
endfunction()

# The same for the tour's program, which takes the viewer's options and --tour DIR.
function(expect_tour status output_pattern error_pattern)
  run(${TOUR} ${status} "${output_pattern}" "${error_pattern}" ${ARGN})
endfunction()

function(run program status output_pattern error_pattern)
  execute_process(COMMAND ${program} ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 120)
  if(NOT result EQUAL status OR NOT output MATCHES "${output_pattern}"
     OR NOT errors MATCHES "${error_pattern}")
    get_filename_component(name ${program} NAME)
    message(FATAL_ERROR "${name} ${ARGN}: expected exit status ${status}, got ${result}\n"
      "standard output:\n${output}\nstandard error:\n${errors}")
  endif()
endfunction()

expect(0 "--settings <FILE>.*--lang <CODE>" "" --help)
expect(0 "--lang <CODE>" "" -reverse -style Fusion --help)
expect(0 "--settings <FILE>" "" -qwindowgeometry 640x480+10+10 -platform offscreen -h)
expect(0 "--lang <CODE>" "" --style=Fusion --reverse --help)
expect(2 "^$" "Unknown option 'bogus'.*--lang <CODE>" --bogus)
# The tour is the tour program's alone, and that program needs it.
expect(2 "^$" "Unknown option 'tour'" --tour somewhere)
expect_tour(0 "--settings <FILE>.*--lang <CODE>.*--tour <DIR>" "" --help)
expect_tour(2 "^$" "The tour needs --tour DIR" --lang en)
expect_tour(0 "Affiche cette aide.*--tour <DOSSIER>" "" --lang fr --help)
expect(2 "^$" "Unknown option 'rev'" -reverse -rev)
expect(2 "^$" "Unexpected argument 'model.obj'" -style Fusion model.obj)
expect(2 "^$" "Missing value after '--settings'" -reverse --settings)
# --lang names the language of the texts and numbers, the help's among them.
expect(0 "Affiche cette aide.*--settings <FICHIER>" "" --lang fr --help)
expect(0 "--lang <CODE>" "" -reverse --lang=fr_CA -h)
expect(2 "^$" "Unknown language 'xx-nowhere'" --lang xx-nowhere)
