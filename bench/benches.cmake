# One line per benchmark program: orindo_bench(<name> LIBS <libraries>)
orindo_bench(probability_bench LIBS orindo_probability)
orindo_bench(htmlview_bench LIBS orindo_ui)
