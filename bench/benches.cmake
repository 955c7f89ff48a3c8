# One line per benchmark program: orindo_bench(<name> LIBS <libraries>)
