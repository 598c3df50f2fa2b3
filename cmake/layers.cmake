# The layers of the tree, from the ground up. A library may link libraries of its own folder and of
# folders of a lower layer, never of its own layer or a higher one; a library's window part (a
# target named *_ui, built from the folder's ui/) may be used by its own folder's windows and by
# app/, never by the logic below it or by another subsystem. The configure step stops on any other
# arrow. codeshape_test holds the includes to the same table.
set(PARKWEN_LAYERS
  platform=0 translations=0
  setup=1 details=1
  library=2 tests=2
  sets=3 install=3
  app=4
  bench=5)

function(parkwen_folder_rank folder out)
  foreach(entry ${PARKWEN_LAYERS})
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 name)
    list(GET pair 1 rank)
    if(name STREQUAL folder)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "The folder ${folder} has no layer in cmake/layers.cmake")
endfunction()

# Records which folder a library belongs to (the first folder of its CMakeLists.txt's path).
function(parkwen_layer target)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" folder "${rel}")
  parkwen_folder_rank(${folder} rank)
  set_target_properties(${target} PROPERTIES PARKWEN_FOLDER ${folder} PARKWEN_RANK ${rank})
  set_property(GLOBAL APPEND PROPERTY PARKWEN_LAYERED_TARGETS ${target})
endfunction()

function(parkwen_check_layers)
  get_property(targets GLOBAL PROPERTY PARKWEN_LAYERED_TARGETS)
  set(problems "")
  foreach(target ${targets})
    get_target_property(folder ${target} PARKWEN_FOLDER)
    get_target_property(rank ${target} PARKWEN_RANK)
    get_target_property(links ${target} LINK_LIBRARIES)
    if(NOT links)
      set(links "")
    endif()
    foreach(linked ${links})
      if(NOT TARGET ${linked} OR NOT linked IN_LIST targets)
        continue()
      endif()
      get_target_property(linked_folder ${linked} PARKWEN_FOLDER)
      get_target_property(linked_rank ${linked} PARKWEN_RANK)
      set(window_link FALSE)
      if(linked MATCHES "_ui$" AND NOT target MATCHES "_ui$" AND NOT folder STREQUAL "app")
        set(window_link TRUE)
      endif()
      if(linked MATCHES "_ui$" AND NOT folder STREQUAL linked_folder AND NOT folder STREQUAL "app")
        set(window_link TRUE)
      endif()
      if(window_link)
        string(APPEND problems "\n  ${target} (${folder}/) links the window part ${linked}")
      elseif(NOT folder STREQUAL linked_folder AND NOT linked_rank LESS rank)
        string(APPEND problems
          "\n  ${target} (${folder}/, layer ${rank}) links ${linked} (${linked_folder}/, layer ${linked_rank})")
      endif()
    endforeach()
  endforeach()
  if(problems)
    message(FATAL_ERROR "Links that point up or across the layers:${problems}")
  endif()
endfunction()
