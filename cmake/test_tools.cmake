# Tests and benchmarks that need a tool or library beyond the build's are left out where it is
# missing, so that the program configures and builds with the build packages alone; configuring
# names what it leaves out. `make test` installs everything and sets QUORVEL_REQUIRE_TEST_TOOLS,
# which turns anything missing into an error, so that no test goes missing there unnoticed.

# quorvel_left_out(WHAT MISSING): says that WHAT is left out for want of MISSING.
function(quorvel_left_out what missing)
    if(QUORVEL_REQUIRE_TEST_TOOLS)
        message(FATAL_ERROR "${what}: ${missing} missing; `scripts/setup.sh test` installs it")
    endif()
    message(STATUS "Left out for want of ${missing}: ${what}")
endfunction()

# quorvel_tools_found(RESULT WHAT TOOL...): RESULT is true when every TOOL is a program on the
# search path; otherwise WHAT is left out.
function(quorvel_tools_found result what)
    set(missing)
    foreach(tool IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER "QUORVEL_TOOL_${tool}" variable)
        find_program(${variable} ${tool})
        if(NOT ${variable})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(missing)
        list(JOIN missing ", " missing)
        quorvel_left_out("${what}" "${missing}")
        set(${result} FALSE PARENT_SCOPE)
    else()
        set(${result} TRUE PARENT_SCOPE)
    endif()
endfunction()
