# Mean velocity across the channel in outer units, from DATA.txt.
# Run in the folder that holds the tables: gnuplot channel_velocity.gp
set terminal pngcairo size 900,600 font ",11"
set output "DATA-VELOCITY.png"
set title "Turbulent channel flow: mean velocity across the channel"
set xlabel "y / h, across the channel (walls at -1 and +1)  [-]"
set ylabel "mean velocity u / u_{/Symbol t}  [-]"
set grid
set key bottom center
set xrange [-1:1]
# The last record is the upper wall (no slip): drawn as a point of its own,
# since the nodes next to the walls lie 100 wall units out and the profile
# between them and the walls is the law of the wall, not a straight line.
stats "DATA.txt" every ::1 using 1 nooutput
last = STATS_records
plot "DATA.txt" every ::1::(last - 1) using 1:2 with linespoints pt 7 ps 0.5 lw 2 title "u (DATA.txt)", \
     "" every ::last::last using 1:2 with points pt 4 ps 1.5 title "upper wall, u = 0"
