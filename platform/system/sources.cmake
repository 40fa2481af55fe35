target_sources(quendaris_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/system_adapters_${Q6_SYSTEM}.cpp)
if(WIN32)
  target_link_libraries(quendaris_platform PUBLIC quendaris_platform_windows)
endif()
