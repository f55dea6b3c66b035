# The circle in the zeta plane and its image, the wing section, on equal
# axis scales. Run in the folder that holds the tables: gnuplot section_contour.gp
set terminal pngcairo size 1000,700 font ",11"
set output "WM-SECTION.png"
set title "Circle in the {/Symbol z} plane and its image z = {/Symbol z} + 1/{/Symbol z}, the wing section"
set xlabel "x = Re z, Re {/Symbol z}  [lengths of the mapping constant a]"
set ylabel "y = Im z, Im {/Symbol z}  [lengths of a]"
set size ratio -1
set grid
set key outside top center horizontal
plot "WM-CIRCLE.txt" using 1:2 with lines lw 1 dt 2 title "circle (WM-CIRCLE.txt)", \
     "WM-WING.txt" using 1:2 with lines lw 2 title "section contour (WM-WING.txt)"
