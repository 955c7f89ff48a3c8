# One line per benchmark program: orindo_bench(<name> LIBS <libraries>)
orindo_bench(expr_bench LIBS orindo_plane_expr)
orindo_bench(formula_bench LIBS orindo_formulas)
