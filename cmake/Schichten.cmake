# Checks that every source file includes only headers of its own layer and
# of the layers below it, and that the core layers include no Qt header.
#   cmake -DQUELLEN=<src folder> -P Schichten.cmake
# Exits with an error listing every include that breaks the order.

cmake_minimum_required(VERSION 3.25)

if(NOT QUELLEN)
  message(FATAL_ERROR "QUELLEN (the src folder) is not set")
endif()

# Which folders a folder may include from, besides itself.
set(erlaubt_math "")
set(erlaubt_model "math")
set(erlaubt_storage "math;model")
set(erlaubt_geometry "math;model;storage")
set(erlaubt_view "math;model;storage")
set(erlaubt_document "math;model;storage;geometry;view")
set(erlaubt_view/qt "math;model;storage;view")
set(erlaubt_ui "math;model;storage;geometry;view;document;view/qt")
set(schichten math model storage geometry view document view/qt ui)
set(ohne_qt math model storage geometry view document)

set(fehler "")
foreach(schicht IN LISTS schichten)
  file(GLOB dateien ${QUELLEN}/${schicht}/*.h ${QUELLEN}/${schicht}/*.cpp)
  set(zulaessig ${schicht} ${erlaubt_${schicht}})
  foreach(datei IN LISTS dateien)
    file(STRINGS ${datei} zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(zeile IN LISTS zeilen)
      if(zeile MATCHES "include[ \t]*\"([a-z]+(/qt)?)/[^/\"]+\"")
        set(ziel ${CMAKE_MATCH_1})
        if(NOT ziel IN_LIST schichten)
          continue()
        endif()
        if(NOT ziel IN_LIST zulaessig)
          file(RELATIVE_PATH name ${QUELLEN} ${datei})
          string(STRIP "${zeile}" zeile)
          list(APPEND fehler "${name}: ${zeile} (${schicht} may not include ${ziel})")
        endif()
      elseif(schicht IN_LIST ohne_qt AND zeile MATCHES "include[ \t]*<(Q|qt)")
        file(RELATIVE_PATH name ${QUELLEN} ${datei})
        string(STRIP "${zeile}" zeile)
        list(APPEND fehler "${name}: ${zeile} (the core includes no Qt)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fehler)
  list(JOIN fehler "\n  " text)
  message(FATAL_ERROR "Includes against the layer order:\n  ${text}")
endif()
message(STATUS "Layer order kept")
