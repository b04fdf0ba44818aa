mode 2
rows 1 blocks 0
0 1 1
left 1
00000000
right 1
000000000
