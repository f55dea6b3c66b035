# Runs examples/<program>-<case>.in through bin/<program> in
# results/<program>-<case>/, keeping the console text in console.txt.
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
  message(STATUS "shearprofile: results in ${run_dir}")
endif()
