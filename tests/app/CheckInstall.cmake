# Installs the build into PREFIX and checks what a desktop and the help command rely on: every
# installed file in its place, the desktop entry, valid metainfo, the manual's links, and an
# installed program that starts.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE failed
  OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(desktop share/applications/org.quorlex.Quorlex.desktop)
set(metainfo share/metainfo/org.quorlex.Quorlex.metainfo.xml)
set(manual share/quorlex/manual)
foreach(file bin/quorlex ${desktop} ${metainfo} share/icons/hicolor/scalable/apps/org.quorlex.Quorlex.svg
    ${manual}/index.html ${manual}/style.css ${manual}/images/buttons/new.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(READ ${PREFIX}/${desktop} entry)
foreach(line "Name=Quorlex" "Name[ja]=クォーレクス" "Exec=quorlex %f" "MimeType=text/html;"
    "Icon=org.quorlex.Quorlex")
  string(FIND "${entry}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${PREFIX}/${metainfo} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "metainfo does not validate")
  endif()
endif()

# Every page and anchor target that the manual links to is installed with it.
file(GLOB pages ${PREFIX}/${manual}/*.html)
foreach(page ${pages})
  file(READ ${page} html)
  string(REGEX MATCHALL "<a href=\"[^\":#]+" links "${html}")
  foreach(link ${links})
    string(REPLACE "<a href=\"" "" target "${link}")
    if(NOT EXISTS ${PREFIX}/${manual}/${target})
      message(FATAL_ERROR "${page} links to missing ${target}")
    endif()
  endforeach()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QUORLEX_SELF_TEST=1
  QUORLEX_HOME=${PREFIX}/home ${PREFIX}/bin/quorlex RESULT_VARIABLE failed TIMEOUT 60)
if(failed)
  message(FATAL_ERROR "the installed program did not start and end: ${failed}")
endif()
