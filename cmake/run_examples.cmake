# Runs examples/<program>-<case>.in through bin/<program> in
# results/<program>-<case>/, keeping the console text in console.txt, and
# draws the tables of each run with the program's gnuplot scripts
# (<program>/plots/*.gp) as PNG pictures beside them.
find_program(GNUPLOT gnuplot)

function(plot_tables program run_dir)
  if(NOT GNUPLOT)
    return()
  endif()
  file(GLOB scripts ${SOURCE_DIR}/${program}/plots/*.gp)
  foreach(script IN LISTS scripts)
    execute_process(COMMAND ${GNUPLOT} ${script} WORKING_DIRECTORY ${run_dir} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "gnuplot ${script} failed in ${run_dir}")
    endif()
  endforeach()
endfunction()

file(GLOB answer_files ${EXAMPLES_DIR}/*.in)
list(SORT answer_files)
foreach(answers IN LISTS answer_files)
  get_filename_component(case ${answers} NAME_WE)
  string(REGEX REPLACE "-.*" "" program ${case})
  if(NOT EXISTS ${BIN_DIR}/${program})
    continue()
  endif()
  set(run_dir ${RESULTS_DIR}/${case})
  file(REMOVE_RECURSE ${run_dir})
  file(MAKE_DIRECTORY ${run_dir})
  execute_process(COMMAND ${BIN_DIR}/${program}
    INPUT_FILE ${answers}
    OUTPUT_FILE ${run_dir}/console.txt
    WORKING_DIRECTORY ${run_dir}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} < ${answers} ended with status ${status}")
  endif()
  plot_tables(${program} ${run_dir})
  message(STATUS "${case}: results in ${run_dir}")
endforeach()
# shearprofile asks nothing: it runs once without answers.
if(EXISTS ${BIN_DIR}/shearprofile)
  set(run_dir ${RESULTS_DIR}/shearprofile)
  file(REMOVE_RECURSE ${run_dir})
  file(MAKE_DIRECTORY ${run_dir})
  execute_process(COMMAND ${BIN_DIR}/shearprofile
    OUTPUT_FILE ${run_dir}/console.txt
    WORKING_DIRECTORY ${run_dir}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "shearprofile ended with status ${status}")
  endif()
  plot_tables(shearprofile ${run_dir})
  message(STATUS "shearprofile: results in ${run_dir}")
endif()
