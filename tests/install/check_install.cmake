# Installs a build into a scratch prefix and checks the installed program, its desktop entry,
# icons, metainfo, manual page and help files. Every failed check is reported, then the script
# fails. A check whose tool is not installed is skipped with a message saying so.
# Arguments (-D): BUILD_DIR PREFIX SOURCE_DIR RUNTIME_DIR BINDIR DATADIR MANDIR APP_ID
# ICON_SIZES (comma-separated) BUILT_TRELLIS (the build tree's executable). The metainfo itself
# is checked by check_support_settings.cmake, in a configuration without and one with a web page.

include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)

# The command line must not need a display.
set(ENV{QT_QPA_PLATFORM} "")
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}${err}")
endif()

# Installed file -> its source in the repository.
set(trellis "${PREFIX}/${BINDIR}/trellis")
set(desktop "${PREFIX}/${DATADIR}/applications/trellis.desktop")
set(metainfo "${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(manpage "${PREFIX}/${MANDIR}/man1/trellis.1")
set(svg "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/trellis.svg")
set(panecraft_desktop "${PREFIX}/${DATADIR}/applications/trellis-panecraft.desktop")
set(design_type "${PREFIX}/${DATADIR}/mime/packages/trellis-design.xml")
set(copies
    "${desktop}=data/trellis.desktop"
    "${panecraft_desktop}=data/trellis-panecraft.desktop"
    "${design_type}=data/trellis-design.xml"
    "${manpage}=data/trellis.1"
    "${svg}=data/icons/trellis.svg")
# Each help file under help/ is installed, and copied into the build tree's application directory.
file(GLOB_RECURSE help_files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}/help"
    "${SOURCE_DIR}/help/*")
list(FILTER help_files EXCLUDE REGEX "(^|/)(CMakeLists\\.txt|README[^/]*|\\.[^/]*)$")
set(help_dir "${PREFIX}/${DATADIR}/trellis")
foreach(file IN LISTS help_files)
    list(APPEND copies "${help_dir}/${file}=help/${file}" "${RUNTIME_DIR}/${file}=help/${file}")
endforeach()
foreach(pair IN LISTS copies)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 installed)
    list(GET pair 1 source)
    if(NOT EXISTS "${installed}")
        fail("missing: ${installed}")
        continue()
    endif()
    file(SHA256 "${installed}" got)
    file(SHA256 "${SOURCE_DIR}/${source}" want)
    if(NOT got STREQUAL want)
        fail("${installed} differs from ${source}")
    endif()
endforeach()
if(NOT EXISTS "${trellis}")
    message(FATAL_ERROR "missing: ${trellis} (and nothing more can be checked)")
endif()

# The rendered icons: PNG files of the size their folder names, mostly opaque (the picture fills
# most of the square), with a transparent margin in the corners.
find_program(MAGICK_CONVERT convert PATHS /usr/bin NO_DEFAULT_PATH)
string(REPLACE "," ";" sizes "${ICON_SIZES}")
foreach(size IN LISTS sizes)
    set(png "${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/trellis.png")
    if(NOT EXISTS "${png}")
        fail("missing: ${png}")
        continue()
    endif()
    file(READ "${png}" header LIMIT 26 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    string(SUBSTRING "${header}" 50 2 colour_type)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        fail("${png} is not a PNG file")
    elseif(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${png} is ${width}x${height}, not ${size}x${size}")
    elseif(NOT colour_type STREQUAL "06")
        fail("${png} has no alpha channel (colour type ${colour_type})")
    elseif(MAGICK_CONVERT)
        execute_process(COMMAND "${MAGICK_CONVERT}" "${png}" -alpha extract
                -format "%[fx:mean] %[fx:p{0,0}]" info:
            RESULT_VARIABLE rc OUTPUT_VARIABLE coverage ERROR_VARIABLE err)
        if(NOT rc EQUAL 0 OR NOT coverage MATCHES "^([0-9.e-]+) ([0-9.e-]+)$")
            fail("ImageMagick could not read ${png}: ${err}")
        elseif(CMAKE_MATCH_1 LESS 0.6 OR CMAKE_MATCH_2 GREATER 0.1)
            fail("${png} does not look like the icon: opaque share ${CMAKE_MATCH_1}, "
                 "corner alpha ${CMAKE_MATCH_2}")
        endif()
    endif()
endforeach()
if(NOT MAGICK_CONVERT)
    skip("the icons' pixels were not checked: /usr/bin/convert (imagemagick) is not installed")
endif()

# The desktop entry and the metainfo, with the validators the desktops themselves use.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
    skip("desktop-file-validate (desktop-file-utils) is not installed")
else()
    foreach(entry "${desktop}" "${panecraft_desktop}")
        if(NOT EXISTS "${entry}")
            continue()
        endif()
        execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
            RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0 OR "${out}${err}" MATCHES "error:|warning:")
            fail("desktop-file-validate ${entry} (${rc}):\n${out}${err}")
        endif()
    endforeach()
endif()

# One desktop action per tool, each starting that tool's window on its own; the Panecraft entry
# opens the designs a file manager hands it.
if(EXISTS "${desktop}")
    file(READ "${desktop}" entry)
    if(NOT entry MATCHES "\nActions=panecraft;clearcoat;zonemark;\n")
        fail("the desktop entry does not offer the three tools as actions")
    endif()
    foreach(tool panecraft clearcoat zonemark)
        if(NOT entry MATCHES "\\[Desktop Action ${tool}\\]\nName=[^\n]+\nExec=trellis ${tool}\n")
            fail("the desktop entry's ${tool} action does not start 'trellis ${tool}'")
        endif()
    endforeach()
endif()
if(EXISTS "${panecraft_desktop}")
    file(READ "${panecraft_desktop}" entry)
    if(NOT entry MATCHES "\nExec=trellis panecraft %f\n"
       OR NOT entry MATCHES "\nMimeType=application/x-trellis-design;\n")
        fail("the Panecraft entry does not open designs with 'trellis panecraft %f'")
    endif()
endif()

# The design type, in a scratch MIME database made from the installed package and the system's:
# a design is known by its name and, without one, by its content.
find_program(UPDATE_MIME_DATABASE update-mime-database)
find_program(XDG_MIME xdg-mime)
find_program(MIMETYPE mimetype)
if(NOT UPDATE_MIME_DATABASE OR NOT XDG_MIME OR NOT MIMETYPE)
    skip("the design type was not checked: update-mime-database (shared-mime-info), xdg-mime "
         "(xdg-utils) or mimetype (libfile-mimeinfo-perl) is not installed")
elseif(EXISTS "${design_type}")
    set(mime_root "${PREFIX}-mime")
    file(REMOVE_RECURSE "${mime_root}")
    file(MAKE_DIRECTORY "${mime_root}/share/mime/packages")
    file(COPY "${design_type}" /usr/share/mime/packages/freedesktop.org.xml
        DESTINATION "${mime_root}/share/mime/packages")
    execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${mime_root}/share/mime"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("update-mime-database ${mime_root}/share/mime (${rc}):\n${out}${err}")
    endif()
    file(COPY "${SOURCE_DIR}/fuzz/corpus/specfile/worked-example.spc" DESTINATION "${mime_root}")
    file(COPY_FILE "${mime_root}/worked-example.spc" "${mime_root}/design-without-extension")
    set(ENV{XDG_DATA_HOME} "${mime_root}/share")
    set(ENV{XDG_DATA_DIRS} "${mime_root}/share")
    foreach(name worked-example.spc design-without-extension)
        execute_process(COMMAND "${XDG_MIME}" query filetype "${mime_root}/${name}"
            RESULT_VARIABLE rc OUTPUT_VARIABLE type ERROR_VARIABLE err
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT type STREQUAL "application/x-trellis-design")
            fail("xdg-mime query filetype ${name} gave '${type}' (${rc}) ${err}")
        endif()
    endforeach()
    unset(ENV{XDG_DATA_HOME})
    unset(ENV{XDG_DATA_DIRS})
endif()

# What a menu needs to start the program and draw its icon is installed under the names that the
# desktop entry and the metainfo give.
if(EXISTS "${desktop}" AND EXISTS "${metainfo}")
    # The entry's own Exec comes first; its actions' follow.
    file(STRINGS "${desktop}" exec REGEX "^Exec=")
    list(GET exec 0 exec)
    file(STRINGS "${desktop}" icon REGEX "^Icon=")
    string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec "${exec}")
    string(REGEX REPLACE "^Icon=" "" icon "${icon}")
    if(NOT EXISTS "${PREFIX}/${BINDIR}/${exec}")
        fail("the desktop entry starts '${exec}', which is not installed in ${BINDIR}/")
    endif()
    if(NOT EXISTS "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg")
        fail("the desktop entry's icon '${icon}' is not in the hicolor theme")
    endif()
    file(READ "${metainfo}" text)
    if(NOT text MATCHES "<icon type=\"stock\">${icon}</icon>")
        fail("the metainfo does not name the desktop entry's icon '${icon}'")
    endif()
endif()

# The installed program runs and is the one that was built, and its process exits with the
# command's code.
execute_process(COMMAND "${trellis}" --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE installed_version ERROR_VARIABLE err)
execute_process(COMMAND "${BUILT_TRELLIS}" --version OUTPUT_VARIABLE built_version)
execute_process(COMMAND "${trellis}" --bogus ERROR_QUIET RESULT_VARIABLE bogus)
if(NOT rc EQUAL 0 OR NOT installed_version STREQUAL built_version OR NOT bogus EQUAL 2)
    fail("installed trellis --version gave ${rc}: '${installed_version}${err}', "
         "the build's gives '${built_version}', and --bogus gave ${bogus}, not 2")
endif()
# The version the program reports is the one the metainfo and the manual page announce.
if(installed_version MATCHES " v([0-9][0-9.]*) " AND EXISTS "${metainfo}" AND EXISTS "${manpage}")
    set(version "${CMAKE_MATCH_1}")
    file(READ "${metainfo}" text)
    if(NOT text MATCHES "<release version=\"${version}\"")
        fail("the metainfo has no release ${version}, the version trellis reports")
    endif()
    file(STRINGS "${manpage}" title REGEX "^\\.TH ")
    if(NOT title MATCHES "\"Trellis ${version}\"")
        fail("the manual page's title line '${title}' is not for version ${version}")
    endif()
else()
    fail("no version number in '${installed_version}'")
endif()

# The manual page: groff reads it without a warning, and it describes every command that
# trellis --help lists.
find_program(GROFF groff)
if(NOT GROFF)
    skip("the manual page was not typeset: groff is not installed")
elseif(EXISTS "${manpage}")
    execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${manpage}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
        fail("groff found faults in ${manpage}:\n${out}${err}")
    endif()
endif()
execute_process(COMMAND "${trellis}" --help OUTPUT_VARIABLE usage)
if(EXISTS "${manpage}")
    file(READ "${manpage}" man_text)
    string(REPLACE "\\-" "-" man_text "${man_text}")
    # The commands are the indented lines of the paragraph headed "Commands:".
    string(REPLACE ";" "," usage_lines "${usage}")
    string(REPLACE "\n" ";" usage_lines "${usage_lines}")
    set(commands "")
    set(in_commands FALSE)
    foreach(line IN LISTS usage_lines)
        if(line STREQUAL "Commands:")
            set(in_commands TRUE)
        elseif(line STREQUAL "")
            set(in_commands FALSE)
        elseif(in_commands AND line MATCHES "^  ([a-z-]+)")
            list(APPEND commands "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(commands STREQUAL "")
        fail("trellis --help lists no commands:\n${usage}")
    endif()
    foreach(command IN LISTS commands)
        if(NOT man_text MATCHES "\n\\.B[IR]? \"?${command}[ \"\n]")
            fail("the manual page does not describe the command ${command}")
        endif()
    endforeach()
endif()

# The program looks for its help files in share/trellis/ beside its bin/ (tst_helpmenu), so they
# are installed there.
if(NOT BINDIR STREQUAL "bin" OR NOT DATADIR STREQUAL "share")
    fail("the help files are installed in ${DATADIR}/trellis, the program looks in bin/../share")
endif()

report_failures("installed into ${PREFIX}")
