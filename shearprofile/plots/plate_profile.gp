# Velocity profiles of PlateProfile.txt: the similarity (Blasius) profile,
# and the linear model problem's numerical solution beside its exact one.
# Run in the folder that holds the table: gnuplot plate_profile.gp
set terminal pngcairo size 900,600 font ",11"
set output "PlateProfile.png"
set title "Laminar flat-plate boundary layer: similarity profile and linear model problem"
set xlabel "similarity coordinate {/Symbol h} = y (U_{/Symbol \245} / ({/Symbol n} x))^{1/2}  [-]"
set ylabel "velocity u / U_{/Symbol \245}  [-]"
set key bottom right
set grid
set xrange [0:10]
set yrange [0:1.05]
plot "PlateProfile.txt" every ::1 using 1:2 with lines lw 2 title "similarity equation, u = f'({/Symbol h})", \
     "" every ::1 using 1:3 with lines lw 2 dt 2 title "linear model, numerical (V)", \
     "" every ::1 using 1:4 with lines lw 1 title "linear model, exact erf({/Symbol h}/2)"
