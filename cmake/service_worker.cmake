# Writes the page's service worker, SITE/sw.js, from its template: the list
# of the site's files it keeps, and a cache name of the version and the
# files' digest, so that any change of them makes a new worker.
#   cmake -DSITE=dir -DTEMPLATE=sw.js.in -DVERSION=x.y.z -P service_worker.cmake
set(kept index.html style.css rgbhsv.js rgbhsv.wasm favicon.ico manifest.webmanifest)
set(digests "")
set(FILES "'./'")
foreach(file ${kept})
  if(NOT EXISTS ${SITE}/${file})
    message(FATAL_ERROR "the site has no ${file}")
  endif()
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${digest} ${file}\n")
  string(APPEND FILES ", '${file}'")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 16 digest)
set(CACHE_NAME "rgbhsv-${VERSION}-${digest}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
