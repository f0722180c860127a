# Translations. The .ts files live in the source tree and change only when the target
# update_translations runs lupdate over the sources; an ordinary build only compiles them
# into .qm files (lrelease), which it embeds under ":/i18n/" in the target.
#
# zel_add_translations(TARGET target NAME name TS_FILES a_fr.ts ...
#                      [SOURCES_FROM targets...] [RESOURCE_TARGET target])
#   Texts are read from the sources of the SOURCES_FROM targets (TARGET by default); the
#   .qm files are embedded in RESOURCE_TARGET (TARGET by default). NAME names the resource;
#   a static library's user calls Q_INIT_RESOURCE(NAME) before loading a catalogue.
#
# The list of sources that lupdate reads is written to ${NAME}_lupdate.lst in the build
# folder (one path a line, the include folders first), for the translation test.

# lupdate guesses no translation from the numbers of a similar text: an unreviewed guess
# would be shown as it stands.
set(ZEL_LUPDATE_OPTIONS -no-obsolete -locations none -disable-heuristic number)

find_package(${ZEL_QT}LinguistTools QUIET)
if(NOT ${ZEL_QT}LinguistTools_FOUND)
  if(ZEL_QT_MAJOR EQUAL 5)
    set(tools_packages "qttools5-dev qttools5-dev-tools")
  else()
    set(tools_packages "qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools")
  endif()
  message(FATAL_ERROR "Qt ${ZEL_QT_MAJOR} LinguistTools (lupdate and lrelease) not found: "
    "the translations are compiled with them at build time. On Debian install "
    "${tools_packages}; elsewhere point CMAKE_PREFIX_PATH at a Qt that has its tools. "
    "The programs need them at build time only.")
endif()

if(NOT TARGET update_translations)
  add_custom_target(update_translations)
endif()

# The sources of pTargets that lupdate reads (C++ and forms), as absolute paths.
function(zel_translation_sources out_var)
  set(result "")
  foreach(target IN LISTS ARGN)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(source MATCHES "\\.(cpp|h|ui)$")
        get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${source_dir}")
        if(EXISTS "${path}")
          list(APPEND result "${path}")
        endif()
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES result)
  list(SORT result)
  set(${out_var} "${result}" PARENT_SCOPE)
endfunction()

function(zel_add_translations)
  cmake_parse_arguments(ARG "" "TARGET;NAME;RESOURCE_TARGET" "TS_FILES;SOURCES_FROM" ${ARGN})
  if(NOT ARG_SOURCES_FROM)
    set(ARG_SOURCES_FROM ${ARG_TARGET})
  endif()
  if(NOT ARG_RESOURCE_TARGET)
    set(ARG_RESOURCE_TARGET ${ARG_TARGET})
  endif()
  zel_translation_sources(sources ${ARG_SOURCES_FROM})
  set(ts_files "")
  foreach(ts IN LISTS ARG_TS_FILES)
    get_filename_component(ts "${ts}" ABSOLUTE)
    list(APPEND ts_files "${ts}")
  endforeach()

  # Include folders let lupdate find the classes that the sources name.
  set(includes "")
  foreach(target IN LISTS ARG_SOURCES_FROM)
    set(dirs "$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>")
    list(APPEND includes "$<$<BOOL:${dirs}>:-I$<JOIN:${dirs},\n-I>>")
  endforeach()
  list(JOIN includes "\n" includes)
  list(JOIN sources "\n" source_lines)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_lupdate.lst)
  file(GENERATE OUTPUT ${list_file} CONTENT "${includes}\n${source_lines}\n")

  if(ZEL_QT_MAJOR EQUAL 5)
    # qt5_create_translation would rewrite the .ts files on every build: the update runs
    # only when asked for.
    add_custom_target(${ARG_NAME}_lupdate
      COMMAND ${ZEL_QT}::lupdate ${ZEL_LUPDATE_OPTIONS} @${list_file} -ts ${ts_files}
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      VERBATIM)
    add_dependencies(update_translations ${ARG_NAME}_lupdate)
  else()
    qt_add_lupdate(${ARG_TARGET} TS_FILES ${ts_files} SOURCES ${sources}
      OPTIONS ${ZEL_LUPDATE_OPTIONS})
  endif()

  # Only reviewed translations are shown; an unfinished one falls back to its source text.
  qt_add_translation(qm_files ${ts_files} OPTIONS -silent -nounfinished)

  # The catalogues, embedded as resources.
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.qrc)
  set(entries "")
  foreach(qm IN LISTS qm_files)
    get_filename_component(qm_name "${qm}" NAME)
    string(APPEND entries "    <file>${qm_name}</file>\n")
  endforeach()
  file(WRITE ${qrc}.in
    "<RCC>\n  <qresource prefix=\"/i18n\">\n${entries}  </qresource>\n</RCC>\n")
  configure_file(${qrc}.in ${qrc} COPYONLY)
  qt_add_resources(resource_sources ${qrc})
  target_sources(${ARG_RESOURCE_TARGET} PRIVATE ${resource_sources})
  set_source_files_properties(${resource_sources} PROPERTIES SKIP_AUTOGEN ON)
endfunction()
