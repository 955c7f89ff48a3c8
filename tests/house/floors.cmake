# The floor of every library: a library links only libraries of lower floors.
set(FLOOR_orindo_base 0)
set(FLOOR_orindo_expr 1)
set(FLOOR_orindo_shellcalls 1)
set(FLOOR_orindo_labfile 1)
set(FLOOR_orindo_formulas 2)
set(FLOOR_orindo_probability 2)
set(FLOOR_orindo_arithmetic 2)
set(FLOOR_orindo_plane 3)
set(FLOOR_orindo_ui 2)
set(FLOOR_orindo_lab_probability_format 3)
set(FLOOR_orindo_programming 1)
set(FLOOR_orindo_lab_programming_format 4)
set(FLOOR_orindo_lab_programming 5)
set(FLOOR_orindo_taskfiles 3)
set(FLOOR_orindo_formulaview 3)
set(FLOOR_orindo_formulacompiler 3)
set(FLOOR_orindo_numberline 3)
set(FLOOR_orindo_labframe 3)
set(FLOOR_orindo_planeview 4)
set(FLOOR_orindo_lab_planimetry_format 4)
set(FLOOR_orindo_lab_functiongraphs_format 4)
set(FLOOR_orindo_users 3)
set(FLOOR_orindo_render 4)
set(FLOOR_orindo_lab_coordline_format 4)
set(FLOOR_orindo_lab_formats 5)
set(FLOOR_orindo_numberlineview 4)
set(FLOOR_orindo_lab_probability 4)
set(FLOOR_orindo_lab_divisibility_format 3)
set(FLOOR_orindo_lab_divisibility 4)
set(FLOOR_orindo_lab_fractions_format 3)
set(FLOOR_orindo_lab_fractions 4)
set(FLOOR_orindo_lab_planelab 5)
set(FLOOR_orindo_lab_planimetry 6)
set(FLOOR_orindo_lab_functiongraphs 6)
set(FLOOR_orindo_lab_coordline 5)
set(FLOOR_orindo_lab_coordplane_format 4)
set(FLOOR_orindo_lab_coordplane 6)
set(FLOOR_orindo_lab_trigonometry_format 4)
set(FLOOR_orindo_lab_trigonometry 6)
set(FLOOR_orindo_lab_equationgraphs_format 4)
set(FLOOR_orindo_lab_equationgraphs 6)
set(FLOOR_orindo_tasks 4)
set(FLOOR_orindo_shell 7)
set(FLOOR_orindo_coursecheck 6)
set(FLOOR_orindo_space 1)
set(FLOOR_orindo_dataanalysis 1)
set(FLOOR_orindo_lab_dataanalysis_format 4)
set(FLOOR_orindo_lab_dataanalysis 5)
set(FLOOR_orindo_spaceview 3)
set(FLOOR_orindo_lab_stereometry_format 4)
set(FLOOR_orindo_lab_stereometry 5)

# Libraries that must run without a screen: they link no windows at all.
set(WITHOUT_WIDGETS
  orindo_base orindo_expr orindo_shellcalls orindo_labfile
  orindo_formulas orindo_formulacompiler orindo_probability orindo_plane
  orindo_lab_probability_format orindo_lab_planimetry_format orindo_lab_functiongraphs_format orindo_taskfiles orindo_lab_formats
  orindo_coursecheck orindo_render orindo_numberline orindo_lab_coordline_format
  orindo_lab_coordplane_format orindo_lab_trigonometry_format orindo_lab_equationgraphs_format
  orindo_space
  orindo_arithmetic orindo_lab_divisibility_format orindo_lab_fractions_format
  orindo_programming orindo_lab_programming_format
  orindo_dataanalysis orindo_lab_dataanalysis_format
  orindo_lab_stereometry_format)
set(WIDGET_LIBRARIES
  Qt6::Widgets Qt6::WebEngineWidgets Qt6::WebEngineCore Qt6::Multimedia Qt6::PrintSupport
  orindo_ui orindo_shell orindo_labframe orindo_formulaview orindo_users orindo_tasks
  orindo_planeview orindo_numberlineview orindo_spaceview)
