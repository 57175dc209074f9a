cmake_policy(VERSION 3.25)
# The test of the layer check: the real tree passes, and so does a small tree
# whose gui has a feature sub-folder; small trees with a wrong-way include, a
# Qt header in the core or an unplaced folder fail.
#   cmake -DSRC_DIR=<src> -DWORK_DIR=<scratch> -P TestLayerCheck.cmake
set(_check ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)

function(run_check tree expect_failure what)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC_DIR=${tree} -P ${_check} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(expect_failure AND rc EQUAL 0)
    message(FATAL_ERROR "the layer check let pass: ${what}")
  elseif(NOT expect_failure AND NOT rc EQUAL 0)
    message(FATAL_ERROR "the layer check refused ${what}:\n${err}")
  endif()
  message(STATUS "ok: ${what}")
endfunction()

function(make_tree name)
  file(REMOVE_RECURSE ${WORK_DIR}/${name})
  file(MAKE_DIRECTORY ${WORK_DIR}/${name}/store ${WORK_DIR}/${name}/analysis ${WORK_DIR}/${name}/gui/feature)
  file(WRITE ${WORK_DIR}/${name}/analysis/model.h "#include \"store/day_file.h\"\n")
  file(WRITE ${WORK_DIR}/${name}/store/day_file.h "#include <string>\n")
  file(WRITE ${WORK_DIR}/${name}/gui/window.h "#include <QWidget>\n#include \"analysis/model.h\"\n")
  file(WRITE ${WORK_DIR}/${name}/gui/feature/panel.h "#include \"gui/window.h\"\n#include \"store/day_file.h\"\n")
endfunction()

run_check(${SRC_DIR} FALSE "the source tree")

make_tree(right_way)
run_check(${WORK_DIR}/right_way FALSE "includes that point down")

make_tree(wrong_way)
file(APPEND ${WORK_DIR}/wrong_way/store/day_file.h "#include \"analysis/model.h\"\n")
run_check(${WORK_DIR}/wrong_way TRUE "the store including the analysis")

make_tree(gui_from_core)
file(APPEND ${WORK_DIR}/gui_from_core/store/day_file.h "#include \"gui/window.h\"\n")
run_check(${WORK_DIR}/gui_from_core TRUE "the store including a window")

make_tree(gui_feature_from_core)
file(APPEND ${WORK_DIR}/gui_feature_from_core/analysis/model.h "#include \"gui/feature/panel.h\"\n")
run_check(${WORK_DIR}/gui_feature_from_core TRUE "the analysis including a panel of a gui sub-folder")

make_tree(gui_feature_wrong_way)
file(WRITE ${WORK_DIR}/gui_feature_wrong_way/cli/tool.h "#include <string>\n")
file(APPEND ${WORK_DIR}/gui_feature_wrong_way/gui/feature/panel.h "#include \"cli/tool.h\"\n")
run_check(${WORK_DIR}/gui_feature_wrong_way TRUE "a panel of a gui sub-folder including the command line")

make_tree(qt_in_core)
file(APPEND ${WORK_DIR}/qt_in_core/analysis/model.h "#include <QString>\n")
run_check(${WORK_DIR}/qt_in_core TRUE "a Qt header in the analysis")

make_tree(unplaced)
file(MAKE_DIRECTORY ${WORK_DIR}/unplaced/misc)
file(WRITE ${WORK_DIR}/unplaced/misc/x.h "#include \"store/day_file.h\"\n")
run_check(${WORK_DIR}/unplaced TRUE "a folder that is not in the order")
