mode 2
rows 3 blocks 0
0 1 1
0 0 2
0 2 3
left 2
00
00
right 3
00
0
00
