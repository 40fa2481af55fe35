target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/access_level_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/access_levels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calibration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/calibration_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_sync.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_sync_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock_sync_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manual_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summer_time.cpp)
