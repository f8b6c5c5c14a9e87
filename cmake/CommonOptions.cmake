# Shared compile settings for every target of the project.
add_library(tallyhand_options INTERFACE)
target_compile_features(tallyhand_options INTERFACE cxx_std_20)
target_compile_options(tallyhand_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
target_compile_definitions(tallyhand_options INTERFACE QT_NO_CAST_FROM_ASCII)
# The optimisation of Release builds, and link-time optimisation, kept
# settable so that both can be measured against the benchmarks.
set(TALLYHAND_OPTIMIZE "-O2" CACHE STRING "Optimisation flag of Release builds")
option(TALLYHAND_LTO "Link-time optimisation" OFF)
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  target_compile_options(tallyhand_options INTERFACE ${TALLYHAND_OPTIMIZE})
endif()
if(TALLYHAND_LTO)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
endif()
if(TALLYHAND_SANITIZE)
  target_compile_options(tallyhand_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tallyhand_options INTERFACE -fsanitize=address,undefined)
endif()

# A core library built from every source file in its folder.
function(tallyhand_core_library name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(_sources)
    add_library(${name} STATIC ${_sources})
  else()
    add_library(${name} INTERFACE)
  endif()
  get_target_property(_type ${name} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE tallyhand_options ${ARGN})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC tallyhand_options ${ARGN})
  endif()
endfunction()
