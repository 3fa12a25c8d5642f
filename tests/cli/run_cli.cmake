# Runs the real executable without a display: the command line must not need one, and the
# process exits with the command's code.
foreach(variable QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY)
    set(ENV{${variable}} "")
endforeach()
execute_process(COMMAND ${TRELLIS} --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
execute_process(COMMAND ${TRELLIS} --bogus ERROR_QUIET RESULT_VARIABLE bogus)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Quillon Trellis" OR NOT bogus EQUAL 2)
    message(FATAL_ERROR "--version gave ${rc} '${out}', --bogus gave ${bogus}")
endif()
