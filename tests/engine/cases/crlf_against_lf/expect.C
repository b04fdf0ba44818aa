mode 1
rows 2 blocks 1
0 1 1
1 2 2
left 2
000
110
right 2
0000
1110
