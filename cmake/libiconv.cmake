# GNU libiconv 1.14 (library sources under the GNU Library General Public License, version 2 or
# later), taken at configure time from the npm package iconv@3.0.1, whose deps/libiconv holds the
# library and whose support/ its configuration. The sources never enter the repository; they are
# unpacked into the build tree and compiled into a static library, iconv_static.
#   -DICONV_NPM_TGZ=/path/iconv-3.0.1.tgz   use a tarball fetched before (offline builds)
#   -DDISCTOOL_ICONV_LIBRARY=/path/libiconv.a and -DDISCTOOL_ICONV_INCLUDE=/path/include
#                                          link another libiconv instead (see the README)
set(ICONV_NPM_SPEC "iconv@3.0.1")
set(ICONV_NPM_SHA256 "19d0c9109234dcf12796915a4a9c9496b8ecf3e0d08e4722f99b56e3d0a3dffb")
set(ICONV_NPM_TGZ "" CACHE FILEPATH "a fetched iconv-3.0.1.tgz; empty: npm pack fetches it")
set(DISCTOOL_ICONV_LIBRARY "" CACHE FILEPATH "another libiconv to link instead of the packaged one")
set(DISCTOOL_ICONV_INCLUDE "" CACHE PATH "folder of that libiconv's iconv.h")

set(_iconv_dir ${CMAKE_BINARY_DIR}/_deps/npm-iconv)
set(_iconv_tgz ${ICONV_NPM_TGZ})
if(NOT _iconv_tgz)
  set(_iconv_tgz ${_iconv_dir}/iconv-3.0.1.tgz)
  if(NOT EXISTS ${_iconv_tgz})
    find_program(NPM_EXECUTABLE npm REQUIRED)
    file(MAKE_DIRECTORY ${_iconv_dir})
    # npm pack only downloads the package; --ignore-scripts: nothing of it runs here.
    set(_iconv_pack ${NPM_EXECUTABLE} pack ${ICONV_NPM_SPEC} --ignore-scripts --pack-destination ${_iconv_dir} --loglevel=error)
    execute_process(COMMAND ${_iconv_pack} RESULT_VARIABLE _iconv_rc OUTPUT_QUIET ERROR_VARIABLE _iconv_err)
    # Behind a proxy that re-signs TLS with a certificate this system does not know, the download
    # is tried once more without the certificate check: what arrives is used only when its
    # SHA-256 is the pinned one (below), so the check adds nothing to what is built.
    if(NOT _iconv_rc EQUAL 0 AND _iconv_err MATCHES "CERT|certificate")
      message(STATUS "npm pack ${ICONV_NPM_SPEC}: the registry's certificate is not trusted here; "
                     "fetching again without the certificate check (the tarball's SHA-256 is checked)")
      execute_process(COMMAND ${_iconv_pack} --strict-ssl=false RESULT_VARIABLE _iconv_rc OUTPUT_QUIET ERROR_VARIABLE _iconv_err)
    endif()
    if(NOT _iconv_rc EQUAL 0 OR NOT EXISTS ${_iconv_tgz})
      message(FATAL_ERROR "npm pack ${ICONV_NPM_SPEC} failed (${_iconv_rc}): ${_iconv_err}")
    endif()
  endif()
endif()
file(SHA256 ${_iconv_tgz} _iconv_sha)
if(NOT _iconv_sha STREQUAL ICONV_NPM_SHA256)
  file(REMOVE ${_iconv_dir}/iconv-3.0.1.tgz)
  message(FATAL_ERROR "${_iconv_tgz}: sha256 ${_iconv_sha}, expected ${ICONV_NPM_SHA256}")
endif()
if(NOT EXISTS ${_iconv_dir}/package/deps/libiconv/lib/iconv.c)
  file(ARCHIVE_EXTRACT INPUT ${_iconv_tgz} DESTINATION ${_iconv_dir})
endif()

if(DISCTOOL_ICONV_LIBRARY)
  add_library(iconv_static STATIC IMPORTED)
  set_target_properties(iconv_static PROPERTIES IMPORTED_LOCATION ${DISCTOOL_ICONV_LIBRARY}
                                                INTERFACE_INCLUDE_DIRECTORIES ${DISCTOOL_ICONV_INCLUDE})
else()
  add_library(iconv_static STATIC ${_iconv_dir}/package/deps/libiconv/lib/iconv.c
                                  ${_iconv_dir}/package/support/localcharset.c)
  target_include_directories(iconv_static PUBLIC ${_iconv_dir}/package/support)
  target_compile_definitions(iconv_static PRIVATE ICONV_CONST=const ENABLE_EXTRA=1)
  target_compile_options(iconv_static PRIVATE -w)  # third-party code: its warnings are not ours
endif()

# The licence texts travel with the program: the package's notice, and the Library GPL v2 that
# the library's sources name (the package carries no copy; Debian's base-files does).
if(NOT EXISTS /usr/share/common-licenses/LGPL-2)
  message(FATAL_ERROR "/usr/share/common-licenses/LGPL-2 is missing (Debian's base-files ships it)")
endif()
set(_iconv_shipped ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/libiconv-NOTICE.txt
                   ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/libiconv-COPYING.LIB.txt)
add_custom_command(OUTPUT ${_iconv_shipped}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMAND ${CMAKE_COMMAND} -E copy ${_iconv_dir}/package/LICENSE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/libiconv-NOTICE.txt
  COMMAND ${CMAKE_COMMAND} -E copy /usr/share/common-licenses/LGPL-2 ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/libiconv-COPYING.LIB.txt
  DEPENDS ${_iconv_dir}/package/LICENSE /usr/share/common-licenses/LGPL-2
  COMMENT "libiconv licence texts")
add_custom_target(iconv_licence ALL DEPENDS ${_iconv_shipped})
