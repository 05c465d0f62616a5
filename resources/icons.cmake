# Included by the lumora_ui target's directory.
# Icons and flags: the Silk 16x16 set and the 16x11 country flags of the Debian
# packages famfamfam-silk and famfamfam-flag-png, compiled into lumora_ui as
# :/DataManager/Resources/icon/<name> and :/DataManager/Resources/language/<language>.png.
set(LUMORA_SILK_DIR /usr/share/icons/silk/16x16 CACHE PATH "Silk 16x16 icons (famfamfam-silk)")
set(LUMORA_FLAG_DIR /usr/share/flags/countries/16x11 CACHE PATH "16x11 country flags (famfamfam-flag-png)")

# Every icon the program names; the build stops when one is missing.
set(LUMORA_USED_ICONS
  application application_edit asterisk_yellow bell bug bullet_wrench camera_add cancel chart_bar cog
  comment_edit connect control_pause_blue control_play_blue control_repeat door_in error font help house
  layout_add layout_content printer resultset_next script_save transmit transmit_go wand weather_cloudy weather_sun
  zoom_in)
# Language name of the program -> flag file.
set(LUMORA_LANGUAGE_FLAGS
  english=gb italy=it taiwan=tw spanish=es french=fr german=de china=cn korean=kr)

set(missing "")
foreach(icon IN LISTS LUMORA_USED_ICONS)
  if(NOT EXISTS ${LUMORA_SILK_DIR}/${icon}.png)
    list(APPEND missing ${LUMORA_SILK_DIR}/${icon}.png)
  endif()
endforeach()
foreach(pair IN LISTS LUMORA_LANGUAGE_FLAGS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 1 country)
  if(NOT EXISTS ${LUMORA_FLAG_DIR}/${country}.png)
    list(APPEND missing ${LUMORA_FLAG_DIR}/${country}.png)
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " missing_text)
  message(FATAL_ERROR "Icon files missing:\n  ${missing_text}\n"
                      "Install the Debian packages famfamfam-silk and famfamfam-flag-png (scripts/install-deps).")
endif()

file(GLOB silk_icons ${LUMORA_SILK_DIR}/*.png)
set(qrc_entries "")
foreach(path IN LISTS silk_icons)
  get_filename_component(name ${path} NAME)
  string(APPEND qrc_entries "    <file alias=\"icon/${name}\">${path}</file>\n")
endforeach()
# The print action's icon keeps its old name.
string(APPEND qrc_entries "    <file alias=\"icon/green_print.gif\">${LUMORA_SILK_DIR}/printer.png</file>\n")
foreach(pair IN LISTS LUMORA_LANGUAGE_FLAGS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 language)
  list(GET pair 1 country)
  string(APPEND qrc_entries "    <file alias=\"language/${language}.png\">${LUMORA_FLAG_DIR}/${country}.png</file>\n")
endforeach()

set(icons_qrc ${CMAKE_CURRENT_BINARY_DIR}/lumora_icons.qrc)
# Written only when its content changes, so that rcc runs only then.
file(CONFIGURE OUTPUT ${icons_qrc} CONTENT
  "<RCC>\n  <qresource prefix=\"/DataManager/Resources\">\n${qrc_entries}  </qresource>\n</RCC>\n" @ONLY)
set_target_properties(lumora_ui PROPERTIES AUTORCC ON)
target_sources(lumora_ui PRIVATE ${icons_qrc})
