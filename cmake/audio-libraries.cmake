# The audio codec libraries (libogg, libvorbis with libvorbisenc and libvorbisfile, libFLAC,
# libmpg123), built statically for this target at configure time from the Debian release's
# source packages, Debian's patches applied. The sources never enter the repository:
# scripts/get-audio-sources.sh fetches and unpacks them into one folder that the build trees
# share, and cmake/audio-libraries.sh builds them into build/<arch>/_deps/audio, once per set of
# sources and flags. Result: the target audio_codecs.
#   -DDISCTOOL_AUDIO_SOURCES=/path   a folder of fetched sources (the script's output, or the
#                                    packages' .dsc files and tarballs: an offline build)
#   -DDISCTOOL_MPG123_LIBRARY=/path/libmpg123.a and -DDISCTOOL_MPG123_INCLUDE=/path/include
#                                    link another libmpg123 instead (see the README)
if(DEFINED ENV{BUILD_ROOT})
  set(_audio_default_sources $ENV{BUILD_ROOT}/audio-sources)
else()
  set(_audio_default_sources ${CMAKE_SOURCE_DIR}/build/audio-sources)
endif()
set(DISCTOOL_AUDIO_SOURCES ${_audio_default_sources} CACHE PATH "fetched source packages of the audio libraries")
set(DISCTOOL_MPG123_LIBRARY "" CACHE FILEPATH "another libmpg123 to link instead of the packaged one")
set(DISCTOOL_MPG123_INCLUDE "" CACHE PATH "folder of that libmpg123's mpg123.h")

set(_audio_fetch ${CMAKE_SOURCE_DIR}/scripts/get-audio-sources.sh)
set(_audio_build_script ${CMAKE_SOURCE_DIR}/cmake/audio-libraries.sh)
# The script is quick when the folder is complete; otherwise it fetches (root and apt needed)
# or unpacks what was fetched before.
execute_process(COMMAND bash ${_audio_fetch} ${DISCTOOL_AUDIO_SOURCES}
                RESULT_VARIABLE _audio_rc OUTPUT_QUIET)
if(NOT _audio_rc EQUAL 0 OR NOT EXISTS ${DISCTOOL_AUDIO_SOURCES}/versions.txt)
  message(FATAL_ERROR "The audio library sources are missing in ${DISCTOOL_AUDIO_SOURCES}: run "
                      "scripts/get-audio-sources.sh as root, or pass -DDISCTOOL_AUDIO_SOURCES=<folder of fetched sources>")
endif()
file(STRINGS ${DISCTOOL_AUDIO_SOURCES}/versions.txt _audio_versions)
foreach(_line ${_audio_versions})
  string(REPLACE " " ";" _fields "${_line}")
  list(GET _fields 0 _package)
  list(GET _fields 1 _version)
  list(GET _fields 2 _folder)
  set(AUDIO_${_package}_VERSION ${_version})
  set(AUDIO_${_package}_DIR ${DISCTOOL_AUDIO_SOURCES}/${_folder})
endforeach()

# The libraries' maths runs on SSE2 on i686 too: the x87 default costs a third of the speed.
set(_audio_cflags "-O2")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  string(APPEND _audio_cflags " -msse2 -mfpmath=sse")
endif()
set(DISCTOOL_AUDIO_CFLAGS ${_audio_cflags})

set(_audio_dir ${CMAKE_BINARY_DIR}/_deps/audio)
set(_audio_prefix ${_audio_dir}/prefix)
# A new set of sources or a changed build script configures again (and so rebuilds the libraries).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_audio_build_script}
                                                              ${DISCTOOL_AUDIO_SOURCES}/versions.txt)
file(SHA256 ${_audio_build_script} _audio_script_hash)
file(READ ${DISCTOOL_AUDIO_SOURCES}/versions.txt _audio_versions_text)
set(_audio_key "${TOOLCHAIN_PREFIX} ${_audio_cflags} ${_audio_script_hash}\n${_audio_versions_text}")
set(_audio_libs vorbisenc vorbisfile vorbis ogg FLAC mpg123)  # in link order
set(_audio_stamp ${_audio_dir}/built.txt)
set(_audio_old_key "")
if(EXISTS ${_audio_stamp})
  file(READ ${_audio_stamp} _audio_old_key)
endif()
if(NOT _audio_old_key STREQUAL _audio_key)
  cmake_host_system_information(RESULT _audio_jobs QUERY NUMBER_OF_LOGICAL_CORES)
  message(STATUS "Building the audio libraries for ${TOOLCHAIN_PREFIX} (log: ${_audio_dir}/build)")
  file(REMOVE ${_audio_stamp})
  execute_process(COMMAND bash ${_audio_build_script} ${TOOLCHAIN_PREFIX} ${DISCTOOL_AUDIO_SOURCES}
                          ${_audio_dir}/build ${_audio_prefix} ${_audio_jobs} "${_audio_cflags}"
                  RESULT_VARIABLE _audio_rc OUTPUT_VARIABLE _audio_out ERROR_VARIABLE _audio_out)
  if(NOT _audio_rc EQUAL 0)
    message(FATAL_ERROR "The audio libraries did not build:\n${_audio_out}")
  endif()
  message(STATUS "Audio libraries built:\n${_audio_out}")
  file(WRITE ${_audio_stamp} "${_audio_key}")
endif()

foreach(_lib ${_audio_libs})
  add_library(audio_${_lib} STATIC IMPORTED GLOBAL)
  set_target_properties(audio_${_lib} PROPERTIES IMPORTED_LOCATION ${_audio_prefix}/lib/lib${_lib}.a)
endforeach()
if(DISCTOOL_MPG123_LIBRARY)
  set_target_properties(audio_mpg123 PROPERTIES IMPORTED_LOCATION ${DISCTOOL_MPG123_LIBRARY})
endif()
add_library(audio_codecs INTERFACE)
target_include_directories(audio_codecs SYSTEM INTERFACE ${DISCTOOL_MPG123_INCLUDE} ${_audio_prefix}/include)
target_compile_definitions(audio_codecs INTERFACE FLAC__NO_DLL)
list(TRANSFORM _audio_libs PREPEND audio_ OUTPUT_VARIABLE _audio_targets)
target_link_libraries(audio_codecs INTERFACE ${_audio_targets} shlwapi)

# The licence texts travel with the program: the BSD notices of the Xiph.Org libraries, and
# for libmpg123 (linked statically, LGPL 2.1) its licence, where its source is and how to relink.
string(REGEX REPLACE "-[^-]*$" "" AUDIO_mpg123_UPSTREAM ${AUDIO_mpg123_VERSION})
file(STRINGS ${AUDIO_mpg123_DIR}/debian/patches/series _audio_patches REGEX "^[^#]")
list(JOIN _audio_patches ", " AUDIO_mpg123_PATCHES)
configure_file(${CMAKE_SOURCE_DIR}/cmake/libmpg123-SOURCE.txt.in ${_audio_dir}/libmpg123-SOURCE.txt @ONLY)
set(_audio_notices
  "${AUDIO_libogg_DIR}/COPYING|libogg-COPYING.txt"
  "${AUDIO_libvorbis_DIR}/COPYING|libvorbis-COPYING.txt"
  "${AUDIO_flac_DIR}/COPYING.Xiph|libFLAC-COPYING.txt"
  "${AUDIO_mpg123_DIR}/COPYING|libmpg123-COPYING.txt"
  "${_audio_dir}/libmpg123-SOURCE.txt|libmpg123-SOURCE.txt")
set(_audio_shipped)
foreach(_pair ${_audio_notices})
  string(REPLACE "|" ";" _pair "${_pair}")
  list(GET _pair 0 _from)
  list(GET _pair 1 _to)
  list(APPEND _audio_shipped ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${_to})
  add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${_to}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E copy ${_from} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${_to}
    DEPENDS ${_from}
    COMMENT "${_to}")
endforeach()
add_custom_target(audio_licences ALL DEPENDS ${_audio_shipped})
