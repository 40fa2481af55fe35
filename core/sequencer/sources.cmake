target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/communication_controls.cpp)
