# The page's dialog drawn into its HTML at build time, by the program
# itself (platform/web/prerender/), with the page's style: the page shows
# the dialog from its HTML alone, before its script and module come, and
# the script takes it over.
#   cmake -DNODE=node -DPRERENDER=rgbhsv_prerender.js -DPAGE=index.html -DSTYLE=style.css -DSITE=site
#         -P prerender.cmake
# writes SITE/index.html: PAGE with the dialog in its desktop and, in place
# of its style sheet's link, STYLE, which the page's policy admits by its
# digest. STYLE has the dialog's layout put at each of its markers
# /*@layout X Y@*/, laid out for base units X, Y (those of the page's font
# at that place of the style), and its comments taken out (every visit
# would download them). The dialog's elements must be the same at every
# size of the font: only their places differ.
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
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" css "${css}")
string(REGEX REPLACE "\n[ \t]*\n+" "\n" css "${css}")
string(REGEX REPLACE "^\n+" "" css "${css}")

# The digest of the style, as the policy names it: SHA-256 in base64.
file(WRITE ${SITE}/style.tmp "${css}")
execute_process(COMMAND ${NODE} -e "process.stdout.write(require('crypto').createHash('sha256')
                  .update(require('fs').readFileSync(process.argv[1])).digest('base64'))" ${SITE}/style.tmp
                OUTPUT_VARIABLE digest RESULT_VARIABLE status)
file(REMOVE ${SITE}/style.tmp)
if(NOT status EQUAL 0 OR NOT digest)
  message(FATAL_ERROR "no digest of the page's style")
endif()

file(READ ${PAGE} page)
foreach(expected "<main id=\"desktop\"></main>" "<link rel=\"stylesheet\" href=\"style.css\">" "style-src 'self'")
  string(FIND "${page}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no ${expected}")
  endif()
endforeach()
string(REPLACE "<main id=\"desktop\"></main>" "<main id=\"desktop\">${html}</main>" page "${page}")
string(REPLACE "<link rel=\"stylesheet\" href=\"style.css\">" "<style>${css}</style>" page "${page}")
string(REPLACE "style-src 'self'" "style-src 'sha256-${digest}'" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
