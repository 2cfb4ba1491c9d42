# Fails when a file under src/ includes a header from a layer above its own, or when the
# sources and the encoders include each other. Run as
#   cmake -DSOURCE_DIR=<src> -DSTAMP=<file> -P CheckLayers.cmake
# Layers, lowest first: base (base, settings) -> media (metadata; sources and encoders
# beside each other) -> engine -> the two programs (app, cli).
set(allowed_base base settings)
set(allowed_settings base settings)
set(allowed_metadata base settings metadata)
set(allowed_sources base settings metadata sources)
set(allowed_encoders base settings metadata encoders)
set(allowed_engine base settings metadata sources encoders engine)
set(allowed_app base settings metadata sources encoders engine app)
set(allowed_cli base settings metadata sources encoders engine cli)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(violations "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[a-z]+" folder "${file}")
  if(NOT DEFINED allowed_${folder})
    list(APPEND violations "${file}: the folder '${folder}' belongs to no layer")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z]+)/.*" "\\1" included "${line}")
    list(FIND allowed_${folder} "${included}" position)
    if(position EQUAL -1)
      string(STRIP "${line}" line)
      list(APPEND violations "${file}: ${line} reaches the layer of '${included}'")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes that go up or across the layers:\n  ${text}")
endif()
file(TOUCH "${STAMP}")
