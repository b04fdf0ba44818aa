mode 1
rows 3 blocks 1
0 1 1
2 0 2
0 2 3
left 2
00
00
right 3
00
2
00
