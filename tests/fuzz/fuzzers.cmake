# One line per fuzz target: orindo_fuzz(<name> LIBS <libraries> [SOURCES <more files>])
orindo_fuzz(labfile_fuzz LIBS orindo_labframe SOURCES ${PROJECT_SOURCE_DIR}/tests/labframe/testlab.cpp)
orindo_fuzz(demoscript_fuzz LIBS orindo_labframe)
