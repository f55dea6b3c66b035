# Reynolds shear stress and turbulent kinetic energy across the channel, from
# DATA.txt. Run in the folder that holds the tables: gnuplot channel_turbulence.gp
set terminal pngcairo size 900,600 font ",11"
set output "DATA-TURBULENCE.png"
set title "Turbulent channel flow: Reynolds shear stress and turbulent kinetic energy"
set xlabel "y / h, across the channel (walls at -1 and +1)  [-]"
set ylabel "uv / u_{/Symbol t}^2,  k / u_{/Symbol t}^2  [-]"
set grid
set key top center
set yrange [*:*]
set xrange [-1:1]
# The last record is the upper wall, where both are 0: a point of its own.
stats "DATA.txt" every ::1 using 1 nooutput
last = STATS_records
plot "DATA.txt" every ::1::(last - 1) using 1:3 with linespoints pt 7 ps 0.5 lw 2 title "Reynolds shear stress uv", \
     "" every ::1::(last - 1) using 1:4 with linespoints pt 5 ps 0.5 lw 2 title "turbulent kinetic energy k", \
     "" every ::last::last using 1:4 with points pt 4 ps 1.5 title "upper wall, uv = k = 0"
