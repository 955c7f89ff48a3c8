orindo_fuzz(users_fuzz LIBS orindo_users)
