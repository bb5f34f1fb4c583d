# Header-only packages of the build machine (CLI11, nlohmann-json) for the cross build. Their
# own package files would put the build machine's whole /usr/include on the path, ahead of the
# MinGW headers; these put only the package's own header folder there.
function(speedconf_header_only_package package target header_folder)
  set(dir ${CMAKE_BINARY_DIR}/header-only-packages/${package})
  file(MAKE_DIRECTORY ${dir}/include)
  if(NOT EXISTS ${dir}/include/${header_folder})
    file(CREATE_LINK /usr/include/${header_folder} ${dir}/include/${header_folder} SYMBOLIC)
  endif()
  file(WRITE ${dir}/${package}Config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dir}/include)\n"
       "endif()\n")
  file(COPY_FILE ${host_config_dir}/${package}ConfigVersion.cmake ${dir}/${package}ConfigVersion.cmake)
  set(${package}_DIR ${dir} CACHE PATH "Package files for the cross build" FORCE)
endfunction()

foreach(entry "nlohmann_json;nlohmann_json::nlohmann_json;nlohmann" "CLI11;CLI11::CLI11;CLI")
  list(GET entry 0 package)
  list(GET entry 1 target)
  list(GET entry 2 folder)
  set(host_config_dir /usr/share/cmake/${package})
  if(EXISTS ${host_config_dir}/${package}ConfigVersion.cmake)
    speedconf_header_only_package(${package} ${target} ${folder})
  endif()
endforeach()
