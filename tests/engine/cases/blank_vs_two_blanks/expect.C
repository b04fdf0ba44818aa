mode 1
rows 1 blocks 1
1 1 1
left 1
00000000
right 1
000010000
