# The tool tests run the built programs: build them first.
if(TARGET kalvo_tests_tools AND TARGET kalvo-engine)
  add_dependencies(kalvo_tests_tools kalvo-engine)
endif()
if(TARGET kalvo_tests_tools AND TARGET kalvo-play)
  add_dependencies(kalvo_tests_tools kalvo-play kalvo_donnees)
endif()
