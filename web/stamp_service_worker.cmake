# Writes the page's service worker from its template: the files it caches, and a cache name
# made from their contents.
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(names "")
foreach(file ${FILES})
    file(SHA256 ${PAGE}/${file} digest)
    string(APPEND digests ${digest})
    string(APPEND names "    './${file}',\n")
endforeach()
string(SHA256 stamp "${digests}")
string(SUBSTRING ${stamp} 0 16 VEXOLAN_PAGE_STAMP)
set(VEXOLAN_PAGE_FILES "${names}")
configure_file(${TEMPLATE} ${PAGE}/service_worker.js @ONLY)
