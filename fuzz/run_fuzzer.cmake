# Runs one fuzz target over its seed corpus. With RUNS it stops after that
# many executions from a fresh work corpus and a fixed seed, so the smoke is
# the same every time; with SECONDS it keeps its work corpus and explores.
# cmake -DFUZZER=... -DSEEDS=... -DWORK=... (-DRUNS=n | -DSECONDS=s) -P run_fuzzer.cmake
# Absolute paths: the targets work in a scratch directory of their own.
foreach(path FUZZER SEEDS WORK)
  get_filename_component(${path} ${${path}} ABSOLUTE)
endforeach()
if(DEFINED RUNS)
  file(REMOVE_RECURSE ${WORK})
  set(bound -runs=${RUNS} -seed=1)
else()
  set(bound -max_total_time=${SECONDS})
endif()
file(MAKE_DIRECTORY ${WORK} ${WORK}-crashes)
# A slow input is a hang: no reader needs seconds for one file.
execute_process(
  COMMAND ${FUZZER} ${bound} -timeout=60 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix=${WORK}-crashes/ ${WORK} ${SEEDS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}-crashes")
endif()
