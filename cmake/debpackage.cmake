# Makes the Debian package from a build (run by the target `package`, see
# packaging.cmake): cmake -DSETTINGS=<build>/package/settings.cmake -P debpackage.cmake
#
# The same commit gives the same .deb, byte for byte, in any folder and at any
# time: every file time is the last commit's (SOURCE_DATE_EPOCH), owners and
# modes are fixed, and dpkg-deb writes the members in name order. The
# programs are stripped as Debian's own are, .comment included.
cmake_minimum_required(VERSION 3.25)
include(${SETTINGS})

function(run) # command...; fails the package with the command's output
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " cmd "${ARGN}")
    message(FATAL_ERROR "${cmd}: ${rc}\n${out}")
  endif()
endfunction()

function(query out) # command...; its standard output
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE value ERROR_VARIABLE err
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " cmd "${ARGN}")
    message(FATAL_ERROR "${cmd}: ${rc}\n${err}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The time every file gets: SOURCE_DATE_EPOCH when given, else the last
# commit's, else (sources without their history) the changelog's date.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
  # Only the sources' own history: unpacked inside another checkout, they
  # would otherwise take that one's last commit.
  execute_process(COMMAND git -C ${SOURCE_DIR} rev-parse --show-toplevel
                  RESULT_VARIABLE rc OUTPUT_VARIABLE top ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(epoch "")
  file(REAL_PATH ${SOURCE_DIR} source)
  if(rc EQUAL 0 AND top STREQUAL source)
    execute_process(COMMAND git -C ${SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(epoch STREQUAL "")
    file(STRINGS ${SOURCE_DIR}/resources/changelog.in trailer REGEX "^ -- ")
    list(GET trailer 0 trailer)
    string(REGEX REPLACE "^ -- .*  " "" date "${trailer}")
    query(epoch date -u -d "${date}" +%s)
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "not a time: SOURCE_DATE_EPOCH=${epoch}")
endif()

set(work ${BUILD_DIR}/package)
set(stage ${work}/root)
file(REMOVE_RECURSE ${stage})
run(${CMAKE_COMMAND} -E env DESTDIR=${stage} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)

# Strip as dh_strip does: no symbols the loader does not need, no .comment
# (the compiler's version) and no .note.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(elves)
foreach(f ${files})
  file(READ ${stage}/${f} magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46" AND NOT IS_SYMLINK ${stage}/${f})
    list(APPEND elves ${f})
    if(f MATCHES "\\.so$")
      run(${STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded ${stage}/${f})
    else()
      run(${STRIP} --remove-section=.comment --remove-section=.note ${stage}/${f})
    endif()
  endif()
endforeach()

# Built-Using names the source packages whose files the program embeds, at
# the versions installed, after checking that the files are theirs: the fonts
# are fonts-wine's (source wine), and the word list is what tools/mkdic makes
# from the installed scowl.
function(source_of out package)
  execute_process(COMMAND dpkg-query -W [=[-f=${source:Package} (= ${source:Version})]=] ${package}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE value ERROR_QUIET)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the package ${package} is not installed: scripts/install-deps package installs it")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
source_of(wine fonts-wine)
source_of(scowl scowl)
query(wine_files dpkg-query -L fonts-wine)
string(REPLACE "\n" ";" wine_files "${wine_files}")
file(GLOB fonts ${FONT_DIR}/*)
foreach(font ${fonts})
  get_filename_component(name ${font} NAME)
  set(theirs ${wine_files})
  list(FILTER theirs INCLUDE REGEX "/fonts/${name}$")
  set(same FALSE)
  if(theirs)
    list(GET theirs 0 theirs)
    file(SHA256 ${font} a)
    file(SHA256 ${theirs} b)
    if(a STREQUAL b)
      set(same TRUE)
    endif()
  endif()
  if(NOT same)
    message(FATAL_ERROR "the embedded ${name} is not the one of the installed fonts-wine, ${wine}")
  endif()
endforeach()
run(${MKDIC} /usr/share/dict/scowl ${SOURCE_DIR}/resources/blocklist.txt ${SOURCE_DIR}/resources/blockstems.txt
    ${SOURCE_DIR}/resources/blockallow.txt ${work}/wordlist.dic ${work}/wordlist.sizes)
foreach(made wordlist.dic wordlist.sizes)
  file(SHA256 ${work}/${made} a)
  file(SHA256 ${SOURCE_DIR}/resources/${made} b)
  file(REMOVE ${work}/${made})
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "resources/${made} is not what the installed ${scowl} gives: "
                        "regenerate it (resources/NOTICE-wordlist.md)")
  endif()
endforeach()

# The libraries' packages, from dpkg-shlibdeps, which wants a control file
# in a debian/ folder beside it.
file(MAKE_DIRECTORY ${work}/shlibdeps/debian)
file(WRITE ${work}/shlibdeps/debian/control "Source: ${PACKAGE}\n\nPackage: ${PACKAGE}\nArchitecture: any\n")
set(args)
foreach(f ${elves})
  list(APPEND args -e${stage}/${f})
endforeach()
execute_process(COMMAND dpkg-shlibdeps -O ${args} WORKING_DIRECTORY ${work}/shlibdeps
                RESULT_VARIABLE rc OUTPUT_VARIABLE shlibs ERROR_VARIABLE err)
file(REMOVE_RECURSE ${work}/shlibdeps)
if(NOT rc EQUAL 0 OR NOT shlibs MATCHES "shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps: ${rc}\n${err}")
endif()
set(depends ${CMAKE_MATCH_1})

# Modes that do not depend on the umask, and the one time.
file(GLOB_RECURSE dirs LIST_DIRECTORIES true ${stage}/*)
foreach(p ${dirs})
  if(IS_DIRECTORY ${p} AND NOT IS_SYMLINK ${p})
    file(CHMOD ${p} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
foreach(f ${files})
  if(IS_SYMLINK ${stage}/${f})
    continue()
  endif()
  if(f IN_LIST elves AND NOT f MATCHES "\\.so$")
    file(CHMOD ${stage}/${f} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD ${stage}/${f} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()

# The size dpkg-gencontrol would give: each file in whole KiB, a KiB for
# every other entry.
set(size 0)
foreach(p ${dirs})
  if(IS_DIRECTORY ${p} OR IS_SYMLINK ${p})
    math(EXPR size "${size} + 1")
  else()
    file(SIZE ${p} bytes)
    math(EXPR size "${size} + (${bytes} + 1023) / 1024")
  endif()
endforeach()

query(arch dpkg --print-architecture)
string(REPLACE "\n" "\n " description " ${DESCRIPTION}")
file(MAKE_DIRECTORY ${stage}/DEBIAN)
file(WRITE ${stage}/DEBIAN/control "\
Package: ${PACKAGE}
Version: ${VERSION}
Architecture: ${arch}
Maintainer: ${MAINTAINER}
Installed-Size: ${size}
Depends: ${depends}, ${DEPENDS}
Recommends: ${RECOMMENDS}
Suggests: ${SUGGESTS}
Built-Using: ${wine}, ${scowl}
Section: ${SECTION}
Priority: ${PRIORITY}
Homepage: ${HOMEPAGE}
Description: ${SUMMARY}
${description}
")
set(sums "")
foreach(f ${files})
  if(NOT IS_SYMLINK ${stage}/${f})
    file(MD5 ${stage}/${f} sum)
    string(APPEND sums "${sum}  ${f}\n")
  endif()
endforeach()
file(WRITE ${stage}/DEBIAN/md5sums "${sums}")
file(CHMOD ${stage}/DEBIAN PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
file(CHMOD ${stage}/DEBIAN/control ${stage}/DEBIAN/md5sums PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
run(find ${stage} -exec touch --no-dereference --date=@${epoch} {} +)

# dpkg-deb takes the times from SOURCE_DATE_EPOCH too (the ar members' own),
# makes every owner root, and with one thread xz compresses the same way on
# any machine.
set(deb ${BUILD_DIR}/${PACKAGE}_${VERSION}_${arch}.deb)
run(${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
    dpkg-deb --root-owner-group -Zxz --threads-max=1 --build ${stage} ${deb})
file(REMOVE_RECURSE ${stage})
message(STATUS "${deb}: SOURCE_DATE_EPOCH=${epoch}")
