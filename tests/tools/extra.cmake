# The tool tests run the built programs and read the delivered database:
# build them first.
if(TARGET kalvo_tests_tools)
  foreach(cible kalvo-engine kalvo-deals kalvo_donnees)
    if(TARGET ${cible})
      add_dependencies(kalvo_tests_tools ${cible})
    endif()
  endforeach()
endif()
if(TARGET kalvo_tests_tools AND TARGET kalvo-play)
  add_dependencies(kalvo_tests_tools kalvo-play kalvo_donnees)
endif()
# Every delivered deal played through the controller along all its
# accepted lines: any finding (stderr names "BASE.DAT, donne N") fails. The
# double-dummy audit is left out until the delivered deals are mended
# after it.
if(TARGET kalvo-deals AND TARGET kalvo_donnees)
  set(livrees ${PROJECT_BINARY_DIR}/data)
  add_test(NAME exploration_base_livree
           COMMAND kalvo-deals check ${livrees}/K01FR_DEMO.DAT --questions ${livrees}/KALVO01.ASK
                   --volume ${livrees}/K01FR_DEMO.VOL --sans-audit)
  set_tests_properties(exploration_base_livree PROPERTIES FAIL_REGULAR_EXPRESSION "\\.DAT( :|,) ")
endif()
# Volume 1 uses every feature a script offers (status 1 names the ones no
# deal uses; the table goes to the test's output).
if(TARGET kalvo-deals AND TARGET kalvo_donnees)
  add_test(NAME inventaire_volume1
           COMMAND kalvo-deals inventaire ${livrees}/K01FR.DAT --questions ${livrees}/KALVO01.ASK
                   --volume ${livrees}/K01FR.VOL)
endif()
# Every deal of Volume 1 played along all its accepted lines; the status
# says whether a finding is an error (an overtrick-only note is not).
if(TARGET kalvo-deals AND TARGET kalvo_donnees)
  add_test(NAME exploration_volume1
           COMMAND kalvo-deals check ${livrees}/K01FR.DAT --questions ${livrees}/KALVO01.ASK
                   --volume ${livrees}/K01FR.VOL --sans-audit)
endif()
