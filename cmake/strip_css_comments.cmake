# Copies a style sheet without its comments, which every visit would
# download; the comments stay in the source.
#   cmake -DINPUT=style.css -DOUTPUT=site/style.css -P strip_css_comments.cmake
file(READ ${INPUT} css)
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" css "${css}")
string(REGEX REPLACE "\n[ \t]*\n+" "\n" css "${css}")
file(WRITE ${OUTPUT} "${css}")
