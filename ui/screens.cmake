# The start-up and About screens. Included from a CMakeLists.txt; paths are relative
# to this file so it works from either the top level or ui/.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(oltrave_screens STATIC
    ${CMAKE_CURRENT_LIST_DIR}/startupscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/startupscreen.h
    ${CMAKE_CURRENT_LIST_DIR}/aboutscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/aboutscreen.h
    ${CMAKE_CURRENT_LIST_DIR}/centreonscreen.h)
set_target_properties(oltrave_screens PROPERTIES AUTOMOC ON)
target_include_directories(oltrave_screens PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(oltrave_screens PUBLIC oltrave_art Qt6::Widgets)
