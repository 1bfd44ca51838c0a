# Writes the page's service worker, SITE/sw.js, from its template: the list
# of the site's files it keeps, and a cache name of the version and the
# files' digest, so that any change of them makes a new worker.
#   cmake -DSITE=dir -DTEMPLATE=sw.js.in -DVERSION=x.y.z -P service_worker.cmake
# The page asks for its script and module with their digest in the
# query (index.html's RGBHSV_FILES), and they are kept under those names, so
# that a page is served the files of its own release, even while a newer
# worker has taken over.
set(released rgbhsv.js rgbhsv.wasm)
set(digests "")
foreach(file ${released})
  if(NOT EXISTS ${SITE}/${file})
    message(FATAL_ERROR "the site has no ${file}")
  endif()
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${digest} ${file}\n")
endforeach()
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 16 release)
file(READ ${SITE}/index.html page)
string(REPLACE "RGBHSV_FILES" "${release}" page "${page}")
file(WRITE ${SITE}/index.html "${page}")

set(kept index.html favicon.ico manifest.webmanifest ${released})
set(FILES "'./'")
foreach(file ${kept})
  if(NOT EXISTS ${SITE}/${file})
    message(FATAL_ERROR "the site has no ${file}")
  endif()
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${digest} ${file}\n")
  list(FIND released ${file} at)
  if(at GREATER -1)
    string(APPEND FILES ", '${file}?v=${release}'")
  else()
    string(APPEND FILES ", '${file}'")
  endif()
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 16 digest)
set(CACHE_NAME "rgbhsv-${VERSION}-${digest}")
# Without the template's comments, which every visit would download.
file(READ ${TEMPLATE} code)
string(REGEX REPLACE "(^|\n)[ ]*//[^\n]*" "" code "${code}")
string(REGEX REPLACE "^\n+" "" code "${code}")
string(CONFIGURE "${code}" code @ONLY)
file(WRITE ${SITE}/sw.js "${code}")
