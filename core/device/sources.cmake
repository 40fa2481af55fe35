target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calibration_mode_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compatibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/development_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dimmer_clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eeprom_decode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eeprom_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eeprom_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_status_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/measurement_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/operating_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ram_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ram_map.cpp)
