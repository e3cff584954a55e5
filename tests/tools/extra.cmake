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
