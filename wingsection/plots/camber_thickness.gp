# Camber line and thickness distribution of the section against the chordwise
# station. Run in the folder that holds the tables: gnuplot camber_thickness.gp
set terminal pngcairo size 1000,600 font ",11"
set output "WM-CAMBER-THICK.png"
set title "Camber line and thickness at the 201 chordwise stations"
set xlabel "station x  [lengths of the mapping constant a]"
set ylabel "camber, thickness  [lengths of a]"
set grid
set key top right
plot "WM-CAMBER.txt" using 1:2 with lines lw 2 title "camber (WM-CAMBER.txt)", \
     "WM-THICK.txt" using 1:2 with lines lw 2 title "thickness (WM-THICK.txt)"
