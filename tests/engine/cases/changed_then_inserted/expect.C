mode 1
rows 3 blocks 2
1 1 1
2 0 2
0 2 3
left 2
000000
000
right 3
0001000
2222
000
