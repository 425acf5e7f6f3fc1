# The parts of the core and the edges between them, read by the build (src/core) and by the
# test that holds them to the #include lines (tests/core/part_edges_test.cmake).
#
# deps_<part>: the parts whose headers the part's own headers include. They are linked PUBLIC:
# whoever includes the part's headers needs theirs as well.
# uses_<part>: the parts only the part's sources include, linked PRIVATE, so that their
# headers do not leak to the part's users, who would then lean on them without naming them.
#
# A part sees only its own headers and those reached through these edges, so a boundary
# crossed by an #include fails to compile, not only to link.
set(core_parts model geometry drawing analysis printing pictures chassis chassis_pages)

set(deps_model "")
set(deps_geometry velmora_model)
set(deps_drawing "")
set(deps_analysis velmora_geometry velmora_drawing velmora_model)
set(deps_printing velmora_analysis velmora_geometry velmora_drawing velmora_model)
set(deps_pictures velmora_drawing velmora_model)
# The pair's computations stay free of pages and drawings, so the command line's numbers and
# their tests build without them; chassis_pages draws and prints what chassis computes.
set(deps_chassis velmora_geometry velmora_model)
set(deps_chassis_pages velmora_chassis velmora_printing velmora_drawing velmora_model)
set(uses_chassis_pages velmora_analysis velmora_geometry)
