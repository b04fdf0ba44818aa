mode 2
rows 4 blocks 1
0 1 1
1 2 0
1 3 2
0 4 3
left 4
0000
111
000
0000
right 3
0000
0010
0000
