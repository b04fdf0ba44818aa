mode 1
rows 3 blocks 0
0 1 1
0 2 2
0 3 3
left 3
00
0
00
right 3
00
0
00
