mode 2
rows 2 blocks 1
0 1 1
1 2 2
left 2
000
010
right 2
0000
0100
