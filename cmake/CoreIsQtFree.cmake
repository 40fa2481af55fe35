# The core must build and be tested without Qt: refuse to configure when any file under core/
# includes a Qt header, and re-check on every build so a new include fails right away.
set(Q6_CORE_CHECK_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/check_core_qt_free.cmake")
execute_process(COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/core -P ${Q6_CORE_CHECK_SCRIPT}
                RESULT_VARIABLE q6_core_check_result)
if(NOT q6_core_check_result EQUAL 0)
  message(FATAL_ERROR "core/ must not include Qt headers")
endif()
add_custom_target(core_is_qt_free ALL
  COMMAND ${CMAKE_COMMAND} -DCORE_DIR=${CMAKE_SOURCE_DIR}/core -P ${Q6_CORE_CHECK_SCRIPT}
  COMMENT "Checking that core/ includes no Qt header")
