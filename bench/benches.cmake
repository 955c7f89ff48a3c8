# One line per benchmark program: orindo_bench(<name> LIBS <libraries>)
orindo_bench(users_bench LIBS orindo_users)
orindo_bench(startup_bench LIBS Qt6::Widgets)
