# The source folders under src/, bottom to top, as subsystem:layer[:group]. A file may
# include from its own subsystem, from its group, and from any lower layer: never from a
# layer above its own, and never from another subsystem of the same layer (the tools do
# not know each other; the study and its import are one group). app/ holds the
# executables' entry points and stands on everything.
set(QUORVEL_SUBSYSTEMS
    common:0
    printing:1
    frame:2
    rrstudy:3:gagerr import:3:gagerr
    thermal:3 triangle:3 uncertainty:3 reference:3 codekeeper:3
    batch:4 shell:4
    app:5)

# The subsystems in layer order, without app/ (it has no folder of its own to add).
set(QUORVEL_SUBSYSTEM_FOLDERS)
foreach(entry ${QUORVEL_SUBSYSTEMS})
    string(REPLACE ":" ";" fields "${entry}")
    list(GET fields 0 name)
    if(NOT name STREQUAL "app")
        list(APPEND QUORVEL_SUBSYSTEM_FOLDERS ${name})
    endif()
endforeach()
