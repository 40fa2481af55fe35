target_sources(quendaris_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_executor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_serial_port.cpp)
