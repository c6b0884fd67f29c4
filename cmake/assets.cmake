# Generated media and the ready program folder of the Windows builds.
#
# make_assets writes the wave files, the icon and the empty password file into CHELAN_ASSET_DIR.
# Cross builds compile it with the build machine's own compiler at configure time (an i686 program
# could not run under a 64-bit-only Wine); a build on Windows builds and runs it as a normal target.
if(NOT WIN32)
  return()
endif()

set(CHELAN_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
set(CHELAN_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
set(CHELAN_ASSET_FILES 集结号.wav 澈岚1.wav 澈岚2.wav 澈岚3.wav qz.cts)
# Pictures built into the executable's resources.
set(CHELAN_RESOURCE_PICTURES chelan.ico logo.bmp music_on.bmp music_off.bmp clock_on.bmp clock_off.bmp exit.bmp)
set(make_assets_source ${CMAKE_SOURCE_DIR}/assets/make_assets.cpp)
file(MAKE_DIRECTORY ${CHELAN_ASSET_DIR} ${CHELAN_PROGRAM_DIR})

if(CMAKE_CROSSCOMPILING)
  find_program(CHELAN_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(host_tool ${CMAKE_BINARY_DIR}/host/make_assets)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/host)
  execute_process(COMMAND ${CHELAN_HOST_CXX} -std=c++20 -O1 ${make_assets_source} -o ${host_tool}
                  RESULT_VARIABLE result)
  if(result EQUAL 0)
    execute_process(COMMAND ${host_tool} ${CHELAN_ASSET_DIR} RESULT_VARIABLE result)
  endif()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "making the program's media failed")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${make_assets_source})
  add_custom_target(chelan_assets)
else()
  add_executable(make_assets ${make_assets_source})
  list(TRANSFORM CHELAN_ASSET_FILES PREPEND ${CHELAN_ASSET_DIR}/ OUTPUT_VARIABLE outputs)
  list(TRANSFORM CHELAN_RESOURCE_PICTURES PREPEND ${CHELAN_ASSET_DIR}/ OUTPUT_VARIABLE pictures)
  list(APPEND outputs ${pictures})
  add_custom_command(OUTPUT ${outputs} COMMAND make_assets ${CHELAN_ASSET_DIR} DEPENDS make_assets)
  add_custom_target(chelan_assets DEPENDS ${outputs})
endif()

# The program folder: the executable beside its data files. Every build puts the empty password back,
# so that a staged folder always opens with an empty entry.
function(chelan_stage_program target)
  set(stage_commands)
  foreach(asset IN LISTS CHELAN_ASSET_FILES)
    list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -E copy ${CHELAN_ASSET_DIR}/${asset} ${CHELAN_PROGRAM_DIR}/${asset})
  endforeach()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${CHELAN_PROGRAM_DIR}/
    ${stage_commands})
  add_dependencies(${target} chelan_assets)
endfunction()
