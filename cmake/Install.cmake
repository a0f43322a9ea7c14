# What an installation holds, for `cmake --install` and the package alike: both programs, the
# shipped language files and flags, the desktop entry with its icon, the AppStream metadata and
# the man pages. The programs find their data relative to their own folder, so any prefix works.
set(BIRCH_APP_ID example.velmora.birchcfg)
set(birch_data_dir ${CMAKE_INSTALL_DATADIR}/birchcfg)
set(birch_staged ${CMAKE_BINARY_DIR}/staged)

# English.lng is written from the program's own tables, so it never lags behind them and keeps
# English selectable once other language files exist.
set(BIRCH_ENGLISH_LNG ${birch_staged}/languages/English.lng)
add_custom_command(OUTPUT ${BIRCH_ENGLISH_LNG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${birch_staged}/languages
  COMMAND $<TARGET_FILE:birchcfg-cli> texts --lng > ${BIRCH_ENGLISH_LNG}
  DEPENDS birchcfg-cli
  COMMENT "Writing English.lng from the program's texts"
  VERBATIM)

configure_file(data/desktop/${BIRCH_APP_ID}.metainfo.xml.in ${birch_staged}/${BIRCH_APP_ID}.metainfo.xml @ONLY)

# Man pages compressed as Debian installs them.
set(birch_man_pages)
foreach(page birchcfg birchcfg-cli)
  configure_file(docs/man/${page}.1.in ${birch_staged}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${birch_staged}/man/${page}.1.gz
    COMMAND gzip -9 -n -k -f ${birch_staged}/man/${page}.1
    DEPENDS ${birch_staged}/man/${page}.1
    VERBATIM)
  list(APPEND birch_man_pages ${birch_staged}/man/${page}.1.gz)
endforeach()

add_custom_target(birch_installed_data ALL DEPENDS ${BIRCH_ENGLISH_LNG} ${birch_man_pages})

install(TARGETS birchcfg birchcfg-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Whatever language files and flags the folder holds at install time.
install(DIRECTORY data/languages/ DESTINATION ${birch_data_dir}/languages
  FILES_MATCHING PATTERN "*.lng" PATTERN "*.bmp")
install(FILES ${BIRCH_ENGLISH_LNG} DESTINATION ${birch_data_dir}/languages)
install(FILES data/desktop/${BIRCH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/${BIRCH_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/desktop/${BIRCH_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${birch_staged}/${BIRCH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${birch_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
