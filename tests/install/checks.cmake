# What the install checks share: recording failures and checking an installed AppStream metainfo.
# A script that includes this file calls fail() for each failed check and report_failures() at
# its end.

set(failures "")
# fail(TEXT...): records a failed check; the pieces of its text are joined. Each piece is read
# as its own argument, since ${ARGV} would lose the semicolons in texts such as "&amp;".
function(fail)
    set(text "")
    math(EXPR last "${ARGC} - 1")
    foreach(i RANGE ${last})
        string(APPEND text "${ARGV${i}}")
    endforeach()
    set(failures ${failures} "${text}" PARENT_SCOPE)
endfunction()
function(skip text)
    message(STATUS "SKIPPED: ${text}")
endfunction()

# Ends the script: failed when any check failed, with every failure listed.
function(report_failures what)
    list(LENGTH failures count)
    if(count GREATER 0)
        list(JOIN failures "\n  " text)
        message(FATAL_ERROR "${count} install check(s) failed:\n  ${text}")
    endif()
    message(STATUS "${what}: all checks passed")
endfunction()

# check_metainfo(PREFIX DATADIR APP_ID URL): the metainfo installed under PREFIX is the one of
# APP_ID, passes the validators the desktops use, and names the support web page URL as its one
# url element, or has no url element when URL is empty.
function(check_metainfo prefix datadir app_id url)
    set(metainfo "${prefix}/${datadir}/metainfo/${app_id}.metainfo.xml")
    if(NOT EXISTS "${metainfo}")
        fail("missing: ${metainfo}")
        set(failures "${failures}" PARENT_SCOPE)
        return()
    endif()
    file(READ "${metainfo}" text)
    if(NOT text MATCHES "\n  <id>${app_id}</id>\n")
        fail("${metainfo} is not the metainfo of ${app_id}")
    endif()

    # Counted by their opening tags: a list of whole elements would split at the ";" of "&amp;".
    string(REGEX MATCHALL "<url[ >]" opening "${text}")
    list(LENGTH opening count)
    string(REGEX MATCH "<url[^>]*>[^<]*</url>" element "${text}")
    if(url STREQUAL "" AND count GREATER 0)
        fail("${metainfo} names a web page though none is set: ${element}")
    elseif(NOT url STREQUAL "")
        set(named "")
        if(count EQUAL 1 AND element MATCHES "^<url type=\"help\">([^<]*)</url>$")
            # XML's escapes undone, the text is the setting again.
            string(REPLACE "&lt;" "<" named "${CMAKE_MATCH_1}")
            string(REPLACE "&gt;" ">" named "${named}")
            string(REPLACE "&amp;" "&" named "${named}")
        endif()
        if(NOT named STREQUAL url)
            fail("${metainfo} should name '${url}' in its one url element, <url type=\"help\">, "
                 "but has ${count} url element(s), the first: ${element}")
        endif()
    endif()

    find_program(APPSTREAMCLI appstreamcli)
    if(NOT APPSTREAMCLI)
        skip("appstreamcli (appstream) is not installed")
    else()
        execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
            RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            fail("appstreamcli validate --no-net ${metainfo} (${rc}):\n${out}${err}")
        endif()
        # The whole tree: the metainfo's launchable names the installed desktop entry, whose icon
        # must be in the icon theme.
        execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${prefix}"
            RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            fail("appstreamcli validate-tree --no-net ${prefix} (${rc}):\n${out}${err}")
        endif()
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()
