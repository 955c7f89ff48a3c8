# One line per benchmark program: orindo_bench(<name> LIBS <libraries>)
orindo_bench(labfile_bench LIBS orindo_labframe)
