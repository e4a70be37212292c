# Runs one scenario with simhost on a scratch copy of the example simulator folder (the module writes
# into it) and fails unless simhost exits 0.  -DSIMHOST= -DSIM_ROOT= -DSCENARIO=
string(RANDOM LENGTH 8 tag)
set(scratch "$ENV{TMPDIR}")
if(NOT scratch)
  set(scratch /tmp)
endif()
set(scratch "${scratch}/ro757_scn_${tag}")
file(COPY "${SIM_ROOT}/" DESTINATION "${scratch}")
execute_process(COMMAND "${SIMHOST}" --sim-root "${scratch}" --scenario "${SCENARIO}" RESULT_VARIABLE rc)
file(REMOVE_RECURSE "${scratch}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "simhost exited ${rc} on ${SCENARIO}")
endif()
