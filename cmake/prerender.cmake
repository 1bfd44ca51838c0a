# The page's dialog drawn into its HTML at build time, by the program
# itself (platform/web/prerender/): the page shows it at once, before its
# script and module come, and the script takes it over.
#   cmake -DNODE=node -DPRERENDER=rgbhsv_prerender.js -DPAGE=index.html -DSTYLE=style.css -DSITE=site
#         -P prerender.cmake
# writes SITE/index.html, PAGE with the dialog in its desktop, and
# SITE/style.css, STYLE with the dialog's layout at each of its markers
# /*@layout X Y@*/: laid out for base units X, Y, those of the page's font
# at that place of the style. The dialog's elements must be the same at
# every size of the font: only their places differ.
file(READ ${STYLE} css)
string(REGEX MATCHALL "/\\*@layout [0-9]+ [0-9]+@\\*/" markers "${css}")
if(NOT markers)
  message(FATAL_ERROR "${STYLE} has no /*@layout X Y@*/ marker")
endif()
set(html "")
foreach(marker ${markers})
  string(REGEX MATCH "([0-9]+) ([0-9]+)" units "${marker}")
  execute_process(COMMAND ${NODE} ${PRERENDER} ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${SITE}/favicon.ico
                  OUTPUT_VARIABLE drawn RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "drawing the dialog for base units ${units} failed")
  endif()
  string(JSON elements GET "${drawn}" html)
  string(JSON layout GET "${drawn}" css)
  if(html AND NOT html STREQUAL elements)
    message(FATAL_ERROR "the dialog's elements differ with the font's size, not only their places")
  endif()
  set(html "${elements}")
  string(REPLACE "${marker}" "${layout}" css "${css}")
endforeach()
file(WRITE ${SITE}/style.css "${css}")

file(READ ${PAGE} page)
set(desktop "<main id=\"desktop\"></main>")
string(FIND "${page}" "${desktop}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no ${desktop}")
endif()
string(REPLACE "${desktop}" "<main id=\"desktop\">${html}</main>" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
