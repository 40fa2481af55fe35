target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/communication_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eeprom_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/poll_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/service_states.cpp)
