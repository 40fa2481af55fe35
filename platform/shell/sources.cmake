target_sources(quendaris_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_platform.cpp)
