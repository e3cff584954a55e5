# The installed program: a staging install run as a new user would, and
# the files the desktop reads checked by their validators.
if(KALVO_BUILD_GUI AND TARGET kalvo-deals)
  add_test(NAME Installation.DepuisDestdir
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installe.sh ${PROJECT_BINARY_DIR} ${KALVO_ID_APPLICATION})
  set_tests_properties(Installation.DepuisDestdir PROPERTIES TIMEOUT 300 LABELS installation)
  add_test(NAME Installation.FichiersDuBureau
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/bureau.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/packaging
                   ${KALVO_ID_APPLICATION} ${KALVO_URL_CAPTURES})
  set_tests_properties(Installation.FichiersDuBureau PROPERTIES TIMEOUT 120 LABELS installation)
endif()
