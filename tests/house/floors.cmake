# The floor of every library: a library links only libraries of lower floors.
set(FLOOR_orindo_base 0)
set(FLOOR_orindo_expr 1)
set(FLOOR_orindo_formulas 2)
set(FLOOR_orindo_probability 2)
set(FLOOR_orindo_ui 3)
set(FLOOR_orindo_labframe 4)
set(FLOOR_orindo_users 4)
set(FLOOR_orindo_tasks 5)
set(FLOOR_orindo_lab_probability 5)
set(FLOOR_orindo_shell 6)
set(FLOOR_orindo_coursecheck 7)

# Libraries that must run without a screen: they link no windows at all.
set(WITHOUT_WIDGETS orindo_base orindo_expr orindo_formulas orindo_probability orindo_coursecheck)
set(WIDGET_LIBRARIES Qt6::Widgets Qt6::WebEngineWidgets orindo_ui orindo_shell)
