# The payload's items from payload/items.txt, the one list of them.
set(KORDEX_PAYLOAD_ITEMS ${PROJECT_SOURCE_DIR}/payload/items.txt)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KORDEX_PAYLOAD_ITEMS})

# `kordex_payload_items(IDS NAMES ROLES)`: the identifiers, file names and
# code names, in the list's order.
function(kordex_payload_items ids_var names_var roles_var)
  file(STRINGS ${KORDEX_PAYLOAD_ITEMS} lines REGEX "^[0-9]")
  set(ids "")
  set(names "")
  set(roles "")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([0-9]+) +([^ ]+) +([A-Za-z0-9]+) *$")
      message(FATAL_ERROR "payload/items.txt: cannot read \"${line}\"")
    endif()
    list(APPEND ids ${CMAKE_MATCH_1})
    list(APPEND names ${CMAKE_MATCH_2})
    list(APPEND roles ${CMAKE_MATCH_3})
  endforeach()
  set(${ids_var} ${ids} PARENT_SCOPE)
  set(${names_var} ${names} PARENT_SCOPE)
  set(${roles_var} ${roles} PARENT_SCOPE)
endfunction()

# The installer's catalogue of the items, as a header in FOLDER/app:
# `kordex_payload_catalogue(FOLDER)`.
function(kordex_payload_catalogue folder)
  kordex_payload_items(ids names roles)
  set(text "// Made by the build from payload/items.txt: the payload's items.\n#pragma once\n\n")
  foreach(id name role IN ZIP_LISTS ids names roles)
    string(APPEND text "inline constexpr PayloadItem k${role}{${id}, L\"${name}\"};\n")
  endforeach()
  list(LENGTH ids count)
  string(APPEND text "inline constexpr std::size_t kPayloadItems = ${count};\n")
  file(CONFIGURE OUTPUT ${folder}/app/PayloadItems.h CONTENT "${text}")
endfunction()
