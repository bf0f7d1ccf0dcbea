# How the source folders become libraries, and the graph that keeps the layers apart.
#
# Each subsystem folder is two libraries: its rules (folio_<folder>_rules, Qt Core and the
# rules libraries below it) and its widgets (folio_<folder>_gui). Which files are widgets is
# declared with folio_gui_files(); every other file of the folder is a rule.
# scripts/check-includes reads the graph this writes (layer_graph.txt in the build folder)
# and fails on any #include that reaches a library the including file's library does not
# link, naming the file and the line.

set_property(GLOBAL PROPERTY FOLIO_LAYER_GRAPH "")

function(folio_record_library name)
    get_property(graph GLOBAL PROPERTY FOLIO_LAYER_GRAPH)
    list(JOIN ARGN " " links)
    string(APPEND graph "library ${name} ${links}\n")
    set_property(GLOBAL PROPERTY FOLIO_LAYER_GRAPH "${graph}")
endfunction()

function(folio_record_files name)
    get_property(graph GLOBAL PROPERTY FOLIO_LAYER_GRAPH)
    foreach(f ${ARGN})
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${f})
        string(APPEND graph "file ${name} ${rel}\n")
    endforeach()
    set_property(GLOBAL PROPERTY FOLIO_LAYER_GRAPH "${graph}")
endfunction()

# Declares the widget files of a folder by their stems (setup_tab: setup_tab.h and .cpp).
function(folio_gui_files folder)
    set_property(GLOBAL PROPERTY FOLIO_GUI_${folder} ${ARGN})
endfunction()

function(folio_sources folder out_rules out_gui)
    file(GLOB all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    get_property(stems GLOBAL PROPERTY FOLIO_GUI_${folder})
    set(rules "")
    set(gui "")
    foreach(f ${all})
        get_filename_component(stem ${f} NAME_WE)
        if(stem IN_LIST stems)
            list(APPEND gui ${f})
        else()
            list(APPEND rules ${f})
        endif()
    endforeach()
    set(${out_rules} ${rules} PARENT_SCOPE)
    set(${out_gui} ${gui} PARENT_SCOPE)
endfunction()

# folio_<folder>_rules: the folder's rules, on Qt Core and the given rules libraries.
function(folio_rules folder)
    folio_sources(${folder} rules gui)
    set(name folio_${folder}_rules)
    add_library(${name} STATIC ${rules})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC Qt6::Core ${ARGN})
    folio_record_library(${name} Qt6::Core ${ARGN})
    folio_record_files(${name} ${rules})
endfunction()

# folio_<folder>_gui: the folder's widgets, on its rules and the given libraries.
function(folio_subsystem_gui folder)
    folio_sources(${folder} rules gui)
    set(name folio_${folder}_gui)
    add_library(${name} STATIC ${gui})
    target_link_libraries(${name} PUBLIC folio_${folder}_rules ${ARGN})
    folio_record_library(${name} folio_${folder}_rules ${ARGN})
    folio_record_files(${name} ${gui})
endfunction()

# A folder that is all widgets (ui/, app/): every file in one library.
function(folio_gui name folder)
    file(GLOB all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    add_library(folio_${name} STATIC ${all})
    target_include_directories(folio_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(folio_${name} PUBLIC ${ARGN})
    folio_record_library(folio_${name} ${ARGN})
    folio_record_files(folio_${name} ${all})
endfunction()

# Writes the graph: every library with what it links, every file with its library, and
# where Qt's headers are, so that a header can be told to its Qt module.
function(folio_write_layer_graph)
    get_property(graph GLOBAL PROPERTY FOLIO_LAYER_GRAPH)
    get_target_property(qt_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir ${qt_dirs})
        string(APPEND graph "qtinclude ${dir}\n")
    endforeach()
    file(WRITE ${CMAKE_BINARY_DIR}/layer_graph.txt "${graph}")
endfunction()
