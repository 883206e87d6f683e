# Run as a script at build time (cmake -P): makes the desktop entry, the
# metainfo and one manual page per language from the templates in
# packaging/, translated from the game's own .ts files by gettext's and
# po4a's tools, then filled in with the game's identity (VARIABLES).
#   -DVARIABLES=file  -DTEMPLATES=dir  -DTS_DIR=dir  -DLANGUAGES=ar,de,...
#   -DLCONVERT=path   -DOUTPUT=dir
include("${VARIABLES}")
string(REPLACE "," ";" languages "${LANGUAGES}")
set(po_dir "${OUTPUT}/po")
file(REMOVE_RECURSE "${po_dir}" "${OUTPUT}/man")
file(MAKE_DIRECTORY "${po_dir}")

function(run)
    execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
endfunction()

# A .ts made into a .po keeps the packaging texts without a context, as
# gettext's and po4a's tools look them up; the game's own texts, each under
# its context, are left out.
set(linguas "")
foreach(language IN LISTS languages)
    run("${LCONVERT}" -i "${TS_DIR}/tavrin-dropline_${language}.ts" -o "${po_dir}/${language}.ts.po")
    run(msggrep --invert-match --msgctxt --extended-regexp --regexp=. "${po_dir}/${language}.ts.po"
        --output-file "${po_dir}/${language}.po")
    file(REMOVE "${po_dir}/${language}.ts.po")
    string(APPEND linguas "${language}\n")
endforeach()
file(WRITE "${po_dir}/LINGUAS" "${linguas}")

# msgfmt finds the metainfo's rules by the file's name.
configure_file("${TEMPLATES}/app.metainfo.xml.in" "${OUTPUT}/template.metainfo.xml" COPYONLY)
run(msgfmt --desktop "--template=${TEMPLATES}/app.desktop.in" -d "${po_dir}"
    -o "${OUTPUT}/app.desktop.in")
run(msgfmt --xml "--template=${OUTPUT}/template.metainfo.xml" -d "${po_dir}"
    -o "${OUTPUT}/app.metainfo.xml.in")
# The templates' notes for the translators are left out of the installed files.
foreach(file IN ITEMS app.desktop.in app.metainfo.xml.in)
    file(READ "${OUTPUT}/${file}" text)
    string(REGEX REPLACE "\n#[^\n]*" "" text "${text}")
    string(REGEX REPLACE "\n[ \t]*<!-- TRANSLATORS:[^>]*-->" "" text "${text}")
    file(WRITE "${OUTPUT}/${file}" "${text}")
endforeach()
configure_file("${OUTPUT}/app.desktop.in" "${OUTPUT}/${DROPLINE_APP_ID}.desktop" @ONLY)
configure_file("${OUTPUT}/app.metainfo.xml.in" "${OUTPUT}/${DROPLINE_APP_ID}.metainfo.xml" @ONLY)

# A page is written however much of it is translated (--keep 0): the
# translations' own check (translations/check) fails a shipped language
# that is not complete.
foreach(language IN LISTS languages)
    set(page "${OUTPUT}/man/${language}/${DROPLINE_PACKAGE}.6")
    run(po4a-translate --format man --master "${TEMPLATES}/manual.6.in" --master-charset UTF-8
        --po "${po_dir}/${language}.po" --localized "${page}.in" --localized-charset UTF-8
        --keep 0)
    configure_file("${page}.in" "${page}" @ONLY)
    run(gzip -9 -n -f "${page}")
endforeach()
