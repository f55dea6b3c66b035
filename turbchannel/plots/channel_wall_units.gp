# Mean velocity of the lower half in wall units against log y+, beside the
# log law of the wall functions. Run where DATA-WALLUNIT.txt is:
# gnuplot channel_wall_units.gp
set terminal pngcairo size 900,600 font ",11"
set output "DATA-WALLUNIT.png"
set title "Turbulent channel flow in wall units, lower half"
set xlabel "wall distance y^+ = y u_{/Symbol t} / {/Symbol n}  [-]"
set ylabel "mean velocity u^+ = u / u_{/Symbol t}  [-]"
set logscale x
set grid xtics mxtics ytics
set key top left
set xrange [10:*]
loglaw(y) = (1.0 / 0.42) * log(9.0 * y)
plot "DATA-WALLUNIT.txt" every ::1 using 1:2 with linespoints pt 7 ps 0.5 lw 2 title "u^+ (DATA-WALLUNIT.txt)", \
     loglaw(x) with lines dt 2 lw 1 title "log law u^+ = (1/0.42) ln(9.0 y^+)"
