target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/com_port_device_${Q6_SYSTEM}.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfer.cpp)
