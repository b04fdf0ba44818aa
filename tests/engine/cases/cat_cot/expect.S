mode 2
rows 1 blocks 1
1 1 1
left 1
0100
right 1
0100
