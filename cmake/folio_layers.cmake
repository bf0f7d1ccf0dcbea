# How the source folders become libraries, and the check that keeps the layers apart.
#
# In a subsystem folder, the files that hold widgets are named *_tab, *_view, *_dialog,
# *_window, *_widget, *_printer, *_closer or qt_*: they form the folder's GUI library.
# Every other file is a rule: it goes to the folder's rules library, which links Qt Core
# and the rules libraries below it only.

set(FOLIO_GUI_PATTERN "_(tab|view|dialog|window|widget|printer|closer)(_[a-z_]+)?\\.(cpp|h)$|/qt_[a-z_]+\\.(cpp|h)$")
set_property(GLOBAL PROPERTY FOLIO_RULES_LIBRARIES "")

function(folio_sources folder out_rules out_gui)
    file(GLOB all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    set(rules "")
    set(gui "")
    foreach(f ${all})
        if(f MATCHES "${FOLIO_GUI_PATTERN}")
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
    set_property(GLOBAL APPEND PROPERTY FOLIO_RULES_LIBRARIES ${name})
endfunction()

# folio_<folder>_gui: the folder's widgets, on its rules and the given libraries.
function(folio_subsystem_gui folder)
    folio_sources(${folder} rules gui)
    set(name folio_${folder}_gui)
    add_library(${name} STATIC ${gui})
    target_link_libraries(${name} PUBLIC folio_${folder}_rules ${ARGN})
endfunction()

# A folder that is all GUI (ui/, app/): every file in one library.
function(folio_gui name folder)
    file(GLOB all CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    add_library(folio_${name} STATIC ${all})
    target_include_directories(folio_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(folio_${name} PUBLIC ${ARGN})
endfunction()

# One object per rules library that fails to compile when the library brings Qt Widgets,
# Qt Gui or Qt PrintSupport into reach, directly or through what it links.
function(folio_layer_check)
    get_property(libraries GLOBAL PROPERTY FOLIO_RULES_LIBRARIES)
    foreach(lib ${libraries})
        add_library(${lib}_layer_check OBJECT ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp)
        target_link_libraries(${lib}_layer_check PRIVATE ${lib})
    endforeach()
endfunction()
