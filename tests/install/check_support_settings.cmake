# Configures the source tree twice in a scratch build, once without support contacts and once with
# all three, and checks for each what the program and the installed metainfo get: the probe
# prints the contacts the program was built with, and the metainfo installed with the desktop
# files passes the validators and names the web page only when one is set. Then checks that a
# configuration with a malformed address is refused. Only the probe is built, so this stays fast.
# Arguments (-D): SOURCE_DIR SCRATCH GENERATOR MAKE_PROGRAM CXX_COMPILER QT6_DIR APP_ID

include(${CMAKE_CURRENT_LIST_DIR}/checks.cmake)

set(build "${SCRATCH}/build")
# configure(RESULT SETTINGS...): configures the scratch build with these -D settings; RESULT
# receives the exit code, RESULT_output what CMake printed.
function(configure result)
    execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${build}"
            -G "${GENERATOR}" "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}"
            "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DQt6_DIR=${QT6_DIR}"
            -DCMAKE_BUILD_TYPE=Debug ${ARGN}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(${result} ${rc} PARENT_SCOPE)
    set(${result}_output "${out}${err}" PARENT_SCOPE)
endfunction()

# install_configuration(NAME URL EMAIL PHONE): builds the configuration with these contacts,
# installs its desktop files into SCRATCH/NAME and checks the probe and the metainfo.
function(install_configuration name url email phone)
    configure(rc "-DTRELLIS_SUPPORT_URL=${url}" "-DTRELLIS_SUPPORT_EMAIL=${email}"
        "-DTRELLIS_SUPPORT_PHONE=${phone}")
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "configuring ${name} failed (${rc}):\n${rc_output}")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${build}" --target trellis_supportprobe
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "building the probe for ${name} failed (${rc}):\n${out}${err}")
    endif()
    set(prefix "${SCRATCH}/${name}")
    file(REMOVE_RECURSE "${prefix}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${build}" --component desktop
            --prefix "${prefix}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "installing ${name} failed (${rc}):\n${out}${err}")
    endif()

    execute_process(COMMAND "${build}/tests/install/trellis_supportprobe"
        RESULT_VARIABLE rc OUTPUT_VARIABLE printed ERROR_VARIABLE err)
    set(expected "${url}\n${email}\n${phone}\n")
    if(NOT rc EQUAL 0 OR NOT printed STREQUAL expected)
        fail("${name}: the program was built with the contacts\n${printed}"
             "instead of\n${expected}${err}")
    endif()
    check_metainfo("${prefix}" share "${APP_ID}" "${url}")
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

# Placeholders that reach no one (example.org is reserved, 020 7946 0xxx is set aside for
# fiction), with the characters that need escaping in the metainfo and in the C++ header.
set(url "https://support.example.org/trellis?lang=en&topic=1")
install_configuration(none "" "" "")
install_configuration(all "${url}" "trellis-help@example.org"
    "+44 20 7946 0018 (ask for \"Trellis\", Zoë)")

# The web page adds its url line to the metainfo and changes nothing else.
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS "${SCRATCH}/none/${metainfo}" AND EXISTS "${SCRATCH}/all/${metainfo}")
    file(READ "${SCRATCH}/none/${metainfo}" without)
    file(READ "${SCRATCH}/all/${metainfo}" with)
    string(REPLACE "\n  <url type=\"help\">https://support.example.org/trellis?lang=en&amp;topic=1</url>"
        "" with_removed "${with}")
    if(with STREQUAL with_removed OR NOT with_removed STREQUAL without)
        fail("the metainfo with a web page is not the one without it plus its url line")
    endif()
endif()

# Addresses that would lead nowhere are refused when the build is configured.
foreach(setting "TRELLIS_SUPPORT_URL=support.example.org/trellis"
        "TRELLIS_SUPPORT_URL=https://support.example.org/trellis help"
        "TRELLIS_SUPPORT_EMAIL=trellis-help.example.org")
    string(REGEX MATCH "^[A-Z_]+" name "${setting}")
    # The other settings empty, so only this one can be refused.
    configure(rc -DTRELLIS_SUPPORT_URL= -DTRELLIS_SUPPORT_EMAIL= -DTRELLIS_SUPPORT_PHONE=
        "-D${setting}")
    if(rc EQUAL 0 OR NOT rc_output MATCHES "${name} must be")
        fail("configuring with ${setting} was not refused:\n${rc_output}")
    endif()
endforeach()

report_failures("the support settings")
